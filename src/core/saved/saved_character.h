#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/record/character_record.h"
#include "core/sheet/character_sheet.h"

namespace dossier {

// The fields the sheet printed that can change after it is written (the quick modes roll
// the glasses again).
struct SheetMoment {
    std::string glasses;
    std::string loss;
    std::string physique;
};

// Those fields as the record holds them now, as a sheet is delivered; the moment's texts keep
// their space, so a batch that reads one for every sheet allocates nothing.
void ReadMoment(const CharacterRecord& record, SheetMoment& moment);

// Everything a character is, kept apart from the record and the dice: every field, the
// classes the physique was read from, and the sheet as written with the sections that exist
// only on it. Saved as one JSON line; the window's session and dossier-cli's batches hold it.
struct SavedCharacter {
    std::string mode;  // the mode or front end that made it
    CharacterNames names;
    CharacterProfile profile;
    std::array<std::string, kFieldCount> fields;
    std::string heightClass;
    std::string weightClass;
    SheetMoment moment;
    std::vector<std::pair<std::string, long long>> derived;  // by their sheet names
    std::vector<int> languages;                              // the first language first
    std::string education;
    std::vector<std::pair<std::string, int>> areas;  // superior areas, in the order drawn
    std::string sheetText;                           // UTF-8, every line ending in CR LF

    const std::string& Text(Field field) const { return fields[Index(field)]; }
};

// An area name without the blanks that pad it to the sheet's column.
std::string_view TrimmedAreaName(std::string_view padded);

SavedCharacter SaveCharacter(const CharacterRecord& record, const CharacterSheet& sheet,
                             const SheetMoment& moment, std::string mode);

// The sheet the character was saved with, laid out again from its fields and sections.
std::string LaidOutSheet(const SavedCharacter& character);

// The name of a derived value the sheet prints that the character lacks, if any.
std::optional<std::string> MissingDerivedValue(const SavedCharacter& character);

// The derived value the sheet prints under name, if the character has it.
std::optional<long long> DerivedValue(const SavedCharacter& character, std::string_view name);

// Writes the saved fields into the record as a user types them (the age hook runs) and
// gives back the classes, so any button then works on it as on a character just generated.
void TypeInto(CharacterRecord& record, const SavedCharacter& character);

}  // namespace dossier
