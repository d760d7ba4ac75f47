#pragma once

#include "core/record/character_record.h"

namespace dossier {

// Decides service, branch and rank from the age. The service-term die is rolled on
// every call, also when the military field is already set and nothing else happens.
void RollMilitary(CharacterRecord& record);

}  // namespace dossier
