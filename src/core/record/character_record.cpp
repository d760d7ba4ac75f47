#include "core/record/character_record.h"

namespace dossier {

CharacterRecord::CharacterRecord(Dice& dice, AgeHook ageHook) : dice_(&dice), ageHook_(ageHook) {
    Reset();
}

void CharacterRecord::Reset() {
    for (const FieldInfo& info : kFields) texts_[Index(info.field)].Assign(info.startupText);
    working.knowledgeAreas = {};
    working.lastRoll = 0;
    working.sexFixed = 0;
    working.heightClass.clear();
    working.weightClass.clear();
}

void CharacterRecord::Write(Field field, std::string_view text) {
    if (field == Field::txtAge) return WriteAge(text, nullptr);
    texts_[Index(field)].Assign(text);
    Written(field);
}

void CharacterRecord::WriteNumber(Field field, long long number) {
    if (field == Field::txtAge) {
        FieldText digits;
        digits.AssignNumber(number);
        return WriteAge(digits.View(), digits.Number());
    }
    texts_[Index(field)].AssignNumber(number);
    Written(field);
}

void CharacterRecord::WriteAge(std::string_view text, const double* number) {
    FieldText& slot = texts_[Index(Field::txtAge)];
    // The age hook fires on a change of text, as the window's change event does.
    if (slot.View() == text) return;
    slot.Assign(text);
    if (number != nullptr) slot.KeepNumber(*number);
    Written(Field::txtAge);
    if (ageHook_ != nullptr) ageHook_(*this);
}

int CharacterRecord::RollAndKeep(std::int16_t sides) {
    const int roll = DieRoll(sides);
    working.lastRoll = static_cast<std::int16_t>(roll);
    return roll;
}

}  // namespace dossier
