#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "record/dice.h"
#include "record/field.h"

namespace dossier {

inline constexpr std::size_t kKnowledgeAreaSlots = 41;

// Values the generators share that the window never shows.
struct WorkingValues {
    // Padded area names; they point into the program's fixed list, so a refill costs nothing.
    std::array<std::string_view, kKnowledgeAreaSlots> knowledgeAreas{};
    std::int16_t lastRoll = 0;
    std::int16_t sexFixed = 0;
    std::string heightClass;  // "S", "A", "T" or empty
    std::string weightClass;  // "L", "A", "H" or empty
};

class CharacterRecord;

// One field's text, and its number when the program wrote one. Nearly every text fits the
// inline space, so a write copies a few bytes and allocates nothing; a longer typed text
// goes to the heap.
class FieldText {
  public:
    std::string_view View() const {
        return size_ <= kInline ? std::string_view(inline_.data(), size_) : std::string_view(long_);
    }
    const double* Number() const { return hasNumber_ ? &number_ : nullptr; }

    void Assign(std::string_view text) {
        if (text.size() <= kInline) {
            std::memmove(inline_.data(), text.data(), text.size());  // text may be this one
        } else {
            long_.assign(text);
        }
        size_ = text.size();
        hasNumber_ = false;
    }
    void KeepNumber(double number) {
        number_ = number;
        hasNumber_ = true;
    }

  private:
    static constexpr std::size_t kInline = 30;
    std::array<char, kInline> inline_{};
    bool hasNumber_ = false;
    std::size_t size_ = 0;
    double number_ = 0;
    std::string long_;
};

// Runs on every change of the age text; the generators install RollAge here.
using AgeHook = void (*)(CharacterRecord&);

// Told of every field written, as the write is made: a front end shows each step of a
// generation as it happens, also while a prompt or message stands over it.
class RecordListener {
  public:
    virtual void FieldWritten(Field field) = 0;

  protected:
    ~RecordListener() = default;
};

// The one character: every field as the window shows it, the working values, and the
// dice that every rule rolls. Front ends fill it; generators read and write it.
class CharacterRecord {
  public:
    // Start-up state: the window's design-time texts, working values cleared.
    explicit CharacterRecord(Dice& dice, AgeHook ageHook = nullptr);

    // Back to the start-up state, as a new record would be, keeping the space of its texts.
    void Reset();

    std::string_view Text(Field field) const { return texts_[Index(field)].View(); }
    // The number the program wrote into the field, or null when the text came from elsewhere.
    const double* WrittenNumber(Field field) const { return texts_[Index(field)].Number(); }

    // Writing txtAge runs the age hook before returning. The hook's own writes run
    // it again; they find a number there and stop, so the nesting ends by itself.
    // The text is copied into the field's own space, which is kept from one write to the next.
    void Write(Field field, std::string_view text);
    // Writes a whole number as plain decimal text and keeps the number beside it, so
    // reading it back costs no parsing.
    void WriteNumber(Field field, long long number);

    void SetListener(RecordListener* listener) { listener_ = listener; }

    int DieRoll(std::int16_t sides) { return dice_->DieRoll(sides); }
    // Rolls and keeps the result as the last roll, as the characteristic generators do.
    int RollAndKeep(std::int16_t sides);

    WorkingValues working;

  private:
    void Store(Field field, std::string_view text, const double* number);

    std::array<FieldText, kFieldCount> texts_;
    Dice* dice_;
    AgeHook ageHook_;
    RecordListener* listener_ = nullptr;
};

}  // namespace dossier
