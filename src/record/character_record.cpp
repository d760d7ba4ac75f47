#include "record/character_record.h"

#include <charconv>

namespace dossier {

CharacterRecord::CharacterRecord(Dice& dice, AgeHook ageHook) : dice_(&dice), ageHook_(ageHook) {
    Reset();
}

void CharacterRecord::Reset() {
    for (const FieldInfo& info : AllFields()) texts_[Index(info.field)].Assign(info.startupText);
    working.knowledgeAreas = {};
    working.lastRoll = 0;
    working.sexFixed = 0;
    working.heightClass.clear();
    working.weightClass.clear();
}

void CharacterRecord::Write(Field field, std::string_view text) {
    Store(field, text, nullptr);
}

void CharacterRecord::WriteNumber(Field field, long long number) {
    std::array<char, 24> digits{};
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    const auto value = static_cast<double>(number);
    Store(field, std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())),
          &value);
}

void CharacterRecord::Store(Field field, std::string_view text, const double* number) {
    FieldText& slot = texts_[Index(field)];
    // The age hook fires on a change of text, as the window's change event does.
    const bool ageChanged = field == Field::txtAge && slot.View() != text;
    if (field == Field::txtAge && !ageChanged) return;
    slot.Assign(text);
    if (number != nullptr) slot.KeepNumber(*number);
    if (listener_ != nullptr) listener_->FieldWritten(field);
    if (ageChanged && ageHook_ != nullptr) ageHook_(*this);
}

int CharacterRecord::RollAndKeep(std::int16_t sides) {
    const int roll = DieRoll(sides);
    working.lastRoll = static_cast<std::int16_t>(roll);
    return roll;
}

}  // namespace dossier
