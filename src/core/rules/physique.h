#pragma once

#include "core/record/character_record.h"

namespace dossier {

// Names the body type from Physical Strength and the height and weight classes left by
// the last height and weight runs. Where the table gives no value the field is kept.
void RollPhysique(CharacterRecord& record);

}  // namespace dossier
