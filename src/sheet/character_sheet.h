#pragma once

#include <string>
#include <vector>

#include "generators/derived_traits.h"
#include "record/character_record.h"
#include "sheet/sheet_sections.h"

namespace dossier {

struct KnowledgeArea {
    std::string_view name;  // padded to the section's width; points into the fixed list
    int score;
};

// One sheet: what was rolled for it and the exact bytes of the file.
struct CharacterSheet {
    PrimaryTraitValues traits{};
    DerivedTraitValues derived{};
    std::vector<int> languages;
    std::string education;
    std::vector<KnowledgeArea> areas;
    std::string text;  // UTF-8, every line ending in CR LF
};

// Rolls the coordination loss and sets the physique in the record, as every sheet does,
// then rolls the sheet's own sections and lays out the lines. Throws FieldValueError
// before rolling any section when a primary trait is not a number.
CharacterSheet ComposeCharacterSheet(CharacterRecord& record);

}  // namespace dossier
