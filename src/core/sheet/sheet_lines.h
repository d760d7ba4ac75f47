#pragma once

#include <cstring>
#include <string>
#include <string_view>

#include "core/record/whole_number_text.h"

namespace dossier {

// A field's text as the user typed it: control characters, which would break the sheet's
// lines or end it early for some readers, print as "?".
struct Typed {
    std::string_view text;
};

// A text padded with underscores to a width in characters (UTF-8 sequences count as one),
// cut at the width where it is longer.
struct Padded {
    std::string_view text;
    std::size_t width;
};

// Lays out records of quoted fields; nothing inside a field is escaped. A line is written by
// one call that is given all its pieces, so the room it needs is known, and made, before any
// of it is written: fixed words by their sizes at compile time, texts by theirs, numbers at
// their longest. A sheet is a hundred small pieces, so every piece is copied inline and only
// the rare growth is a call. The text keeps the last sheet's space and grows only when this
// sheet is the longer: zeroing space that is about to be overwritten costs as much as writing it.
class SheetLines {
  public:
    explicit SheetLines(std::string& out) : out_(out), at_(out.data()) {}
    // Cuts the text to what was written.
    void Finish() { out_.resize(static_cast<std::size_t>(at_ - out_.data())); }

    // "piece...piece" and CR LF. kNextField closes one field and opens the next.
    template <typename... Pieces>
    [[gnu::always_inline]] void Line(const Pieces&... pieces) {
        Room((kQuotesAndEnd + ... + Most(pieces)));
        *at_++ = '"';
        (Put(pieces), ...);
        Put("\"\r\n");
    }
    [[gnu::always_inline]] void Blank() {
        Room(2);
        Put("\r\n");
    }

  private:
    static constexpr std::size_t kQuotesAndEnd = 4;
    static constexpr std::size_t kGrowth = 256;

    template <std::size_t N>
    static constexpr std::size_t Most(const char (&)[N]) {
        return N - 1;
    }
    static std::size_t Most(std::string_view text) { return text.size(); }
    static std::size_t Most(Typed typed) { return typed.text.size(); }
    static constexpr std::size_t Most(long long) { return kMostWholeBytes; }
    static std::size_t Most(Padded padded) { return padded.text.size() + padded.width; }

    template <std::size_t N>
    [[gnu::always_inline]] void Put(const char (&words)[N]) {
        std::memcpy(at_, words, N - 1);
        at_ += N - 1;
    }
    // The sheet's own texts, which hold no control characters.
    [[gnu::always_inline]] void Put(std::string_view text) {
        std::memcpy(at_, text.data(), text.size());
        at_ += text.size();
    }
    [[gnu::always_inline]] void Put(Typed typed) {
        for (char c : typed.text) {
            const auto byte = static_cast<unsigned char>(c);
            *at_++ = byte < 0x20 || byte == 0x7F ? '?' : c;
        }
    }
    [[gnu::always_inline]] void Put(long long value) { at_ = WriteWhole(at_, value); }
    void Put(Padded padded) {
        std::size_t characters = 0;
        for (const char c : padded.text) {
            const bool starts = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            if (starts && characters == padded.width) break;
            characters += starts;
            *at_++ = c;
        }
        for (; characters < padded.width; ++characters) *at_++ = '_';
    }

    [[gnu::always_inline]] void Room(std::size_t bytes) {
        const auto used = static_cast<std::size_t>(at_ - out_.data());
        if (out_.size() - used < bytes) at_ = Grow(out_, used, bytes);
    }
    // Returns where writing goes on.
    [[gnu::noinline]] static char* Grow(std::string& out, std::size_t used, std::size_t bytes) {
        out.resize(used + bytes + kGrowth);
        return out.data() + used;
    }

    std::string& out_;
    char* at_;
};

inline constexpr char kNextField[] = "\",\"";

}  // namespace dossier
