#pragma once

#include <array>
#include <string_view>

#include "core/record/character_record.h"

namespace dossier {

// The six primary traits as whole numbers, each field's text rounded down.
struct PrimaryTraitValues {
    int PS, CH, WP, CO, K, CD;
};

// Reads all six before anything else happens, so a bad one stops the caller early.
PrimaryTraitValues ReadPrimaryTraits(const CharacterRecord& record);

// The fourteen derived values, named after the window's fields.
struct DerivedTraitValues {
    long long OF, DP, EV, DA, OB, SR, GV, MV, LL, Well, BA, PR, HTH, SV;
};

struct DerivedTraitInfo {
    Field field;
    std::string_view sheetName;  // as the sheet, saved characters and the roster name it
    long long DerivedTraitValues::*value;
};

// In the sheet's order. The sheet prints the window's Wellness under "Balance" and its
// Balance under "Wellness".
inline constexpr std::array<DerivedTraitInfo, 14> kDerivedTraits = {
    {{Field::txtOF, "Offense", &DerivedTraitValues::OF},
     {Field::txtDP, "Deception", &DerivedTraitValues::DP},
     {Field::txtEV, "Evasion", &DerivedTraitValues::EV},
     {Field::txtDA, "Deactivation", &DerivedTraitValues::DA},
     {Field::txtOB, "Observation", &DerivedTraitValues::OB},
     {Field::txtSR, "Shock Resistance", &DerivedTraitValues::SR},
     {Field::txtGV, "Gambling Value", &DerivedTraitValues::GV},
     {Field::txtMV, "Movement Value", &DerivedTraitValues::MV},
     {Field::txtLL, "Life Level", &DerivedTraitValues::LL},
     {Field::txtWell, "Balance", &DerivedTraitValues::Well},
     {Field::txtBA, "Wellness", &DerivedTraitValues::BA},
     {Field::txtPR, "Perception", &DerivedTraitValues::PR},
     {Field::txtHTH, "Hand to Hand Combat Value", &DerivedTraitValues::HTH},
     {Field::txtSV, "Surprise Value", &DerivedTraitValues::SV}}};

// The sheet lists the first eleven as its secondary traits, the last three as its tertiary.
inline constexpr std::size_t kSecondaryTraitCount = 11;

// The sheet's name for a derived field.
constexpr std::string_view SheetName(Field field) {
    for (const DerivedTraitInfo& trait : kDerivedTraits)
        if (trait.field == field) return trait.sheetName;
    return {};
}

DerivedTraitValues DeriveTraits(const PrimaryTraitValues& p);

// Fills the fourteen derived fields from the six primary ones.
void ComputeDerivedTraits(CharacterRecord& record);

}  // namespace dossier
