#include "record/character_record.h"

#include <utility>

namespace dossier {

CharacterRecord::CharacterRecord(Dice& dice, AgeHook ageHook) : dice_(&dice), ageHook_(ageHook) {
    for (const FieldInfo& info : AllFields()) {
        texts_[Index(info.field)] = std::string(info.startupText);
    }
}

void CharacterRecord::Reset() {
    for (const FieldInfo& info : AllFields()) texts_[Index(info.field)].assign(info.startupText);
    working.knowledgeAreas = {};
    working.lastRoll = 0;
    working.sexFixed = 0;
    working.heightClass.clear();
    working.weightClass.clear();
}

void CharacterRecord::Write(Field field, std::string_view text) {
    std::string& slot = texts_[Index(field)];
    if (field != Field::txtAge) {
        slot.assign(text);
        if (listener_ != nullptr) listener_->FieldWritten(field);
        return;
    }
    // The age hook fires on a change of text, as the window's change event does.
    if (slot == text) return;
    slot.assign(text);
    if (listener_ != nullptr) listener_->FieldWritten(field);
    if (ageHook_ != nullptr) ageHook_(*this);
}

int CharacterRecord::RollAndKeep(std::int16_t sides) {
    const int roll = DieRoll(sides);
    working.lastRoll = static_cast<std::int16_t>(roll);
    return roll;
}

}  // namespace dossier
