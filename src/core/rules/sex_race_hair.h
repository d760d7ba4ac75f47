#pragma once

#include "core/record/character_record.h"

namespace dossier {

// Each fills its field only while the field holds exactly its unset caption.
void RollSex(CharacterRecord& record);
// Also suits the hair colour to the race it rolls; run RollHair first.
void RollRace(CharacterRecord& record);
void RollHair(CharacterRecord& record);

}  // namespace dossier
