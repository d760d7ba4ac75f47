#pragma once

#include "core/record/character_record.h"

namespace dossier {

// Percentile rolls of 50 or less are thrown away; the kept roll is adjusted for its band
// and the level. Writes nothing: the caller puts the value into its field.
int RollPrimaryTrait(CharacterRecord& record);

// roll + band bonus + level bonus, reading the level field afresh on every call.
int AdjustPrimaryTrait(const CharacterRecord& record, int roll);

// The bonus for a level text's numeric value (0 outside 2 to 20).
int LevelBonus(double level);

}  // namespace dossier
