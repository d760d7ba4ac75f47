#pragma once

#include <array>

#include "record/character_record.h"

namespace dossier {

// The six primary traits as whole numbers, each field's text rounded down.
struct PrimaryTraitValues {
    int PS, CH, WP, CO, K, CD;
};

// Reads all six before anything else happens, so a bad one stops the caller early.
PrimaryTraitValues ReadPrimaryTraits(const CharacterRecord& record);

// The fourteen derived values, named after the window's fields. The sheet prints the
// window's Wellness under "Balance" and its Balance under "Wellness".
struct DerivedTraitValues {
    long long OF, DP, EV, DA, OB, SR, GV, MV, LL, Well, BA, PR, HTH, SV;
};

DerivedTraitValues DeriveTraits(const PrimaryTraitValues& p);

// Fills the fourteen derived fields from the six primary ones.
void ComputeDerivedTraits(CharacterRecord& record);

}  // namespace dossier
