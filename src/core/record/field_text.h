#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/record/whole_number_text.h"

namespace dossier {

// One field's text, and its number when the program wrote one. Nearly every text fits the
// inline space, so a write copies a few bytes and allocates nothing; a longer typed text
// goes to the heap.
class FieldText {
  public:
    std::string_view View() const {
        return size_ <= kInline ? std::string_view(inline_.data(), size_) : std::string_view(long_);
    }
    // The number written, or null when the text came from elsewhere.
    const double* Number() const { return hasNumber_ ? &number_ : nullptr; }

    void Assign(std::string_view text) {
        if (text.size() <= kInline) {
            CopyShort(inline_.data(), text.data(), text.size());
        } else {
            long_.assign(text);
        }
        size_ = static_cast<std::uint32_t>(text.size());
        hasNumber_ = false;
    }
    // The number as plain decimal text, minus sign only when negative, and kept.
    void AssignNumber(long long number) {
        static_assert(kInline >= kMostWholeBytes, "room for every long long");
        const char* end = WriteWhole(inline_.data(), number);
        size_ = static_cast<std::uint32_t>(end - inline_.data());
        KeepNumber(static_cast<double>(number));
    }
    void KeepNumber(double number) {
        number_ = number;
        hasNumber_ = true;
    }

  private:
    static constexpr std::size_t kInline = 32;

    // Up to 32 bytes as two moves of a fixed size that may overlap, both read before either
    // is written, so the text may be this field's own: what memmove does inside, without
    // the call, which costs more than the copy for texts this short.
    static void CopyShort(char* to, const char* from, std::size_t size) {
        if (size >= 16) {
            Move<16>(to, from, size);
        } else if (size >= 8) {
            Move<8>(to, from, size);
        } else if (size >= 4) {
            Move<4>(to, from, size);
        } else if (size > 0) {
            const char first = from[0], middle = from[size / 2], last = from[size - 1];
            to[0] = first;
            to[size / 2] = middle;
            to[size - 1] = last;
        }
    }
    template <std::size_t N>
    static void Move(char* to, const char* from, std::size_t size) {
        std::array<char, N> head;
        std::array<char, N> tail;
        std::memcpy(head.data(), from, N);
        std::memcpy(tail.data(), from + size - N, N);
        std::memcpy(to, head.data(), N);
        std::memcpy(to + size - N, tail.data(), N);
    }

    std::array<char, kInline> inline_{};
    std::uint32_t size_ = 0;
    bool hasNumber_ = false;
    double number_ = 0;
    std::string long_;
};

}  // namespace dossier
