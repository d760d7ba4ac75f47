#pragma once

#include "core/record/character_record.h"

namespace dossier {

// Fills unset glasses; the two values without glasses also set the loss to "N/A".
void RollGlasses(CharacterRecord& record);
// Rolls the loss of Coordination without glasses afresh on every call, glasses or not.
void RollCoordinationLoss(CharacterRecord& record);

}  // namespace dossier
