#pragma once

#include <optional>
#include <string_view>

#include "core/record/character_record.h"

namespace dossier {

// Fills an unset height from the sex, then classes whatever height the field holds.
// The d10 is rolled before the field is looked at, on every call.
void RollHeight(CharacterRecord& record);
// Inches for the short end of the range, -8 to -2.
int shorty(CharacterRecord& record);
// Inches for the tall end of the range, 3 to 7.
int tall(CharacterRecord& record);

// Fills an unset weight from the sex, then classes whatever weight the field holds.
void RollWeight(CharacterRecord& record);
// The base weight plus a rolled offset.
int RollWeightVariation(CharacterRecord& record, int base);

struct FeetAndInches {
    int feet;
    int inches;
};

// Reads 5'10 and the list's 5'10" alike; nothing else counts as a height.
std::optional<FeetAndInches> ParseHeight(std::string_view text);

}  // namespace dossier
