#pragma once

#include <string>

#include "core/saved/saved_character.h"

namespace dossier {

// The game system the actors are laid out for, and the release whose template they follow.
inline constexpr const char* kFoundrySystem = "worldbuilding";
inline constexpr const char* kFoundrySystemRelease = "0.8.2";

// The character as a Foundry VTT actor of the Simple Worldbuilding system, as "Import Data"
// takes it: its description, primary, secondary and tertiary traits as attributes in groups,
// Life Level as the health its token's bar shows, and the profile and sheet as its biography.
// number names an unnamed character.
std::string FoundryActorJson(const SavedCharacter& character, long long number);

}  // namespace dossier
