#pragma once

#include "core/record/character_record.h"

namespace dossier {

// Rolls an age of 22 to 42 when the age is exactly one blank. Also the record's age hook.
void RollAge(CharacterRecord& record);
void RollHandedness(CharacterRecord& record);

}  // namespace dossier

namespace dossier {

// The record as the window opens, with RollAge installed as its age hook.
inline CharacterRecord StartupRecord(Dice& dice) {
    return CharacterRecord(dice, &RollAge);
}

}  // namespace dossier
