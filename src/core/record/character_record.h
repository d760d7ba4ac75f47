#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/dice/dice.h"
#include "core/record/field.h"
#include "core/record/field_text.h"

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

    // Whether a characteristic or trait still holds its unset caption, which a generator fills.
    bool IsUnset(Field field) const { return Text(field) == UnsetCaption(field); }
    void Unset(Field field) { Write(field, UnsetCaption(field)); }

    void SetListener(RecordListener* listener) { listener_ = listener; }

    int DieRoll(std::int16_t sides) { return dice_->DieRoll(sides); }
    // Rolls and keeps the result as the last roll, as the characteristic generators do.
    int RollAndKeep(std::int16_t sides);

    WorkingValues working;

  private:
    void WriteAge(std::string_view text, const double* number);
    void Written(Field field) {
        if (listener_ != nullptr) listener_->FieldWritten(field);
    }

    std::array<FieldText, kFieldCount> texts_;
    Dice* dice_;
    AgeHook ageHook_;
    RecordListener* listener_ = nullptr;
};

}  // namespace dossier
