#pragma once

#include <functional>
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
// The same into a sheet kept from before, whose space is used again.
void ComposeCharacterSheet(CharacterRecord& record, CharacterSheet& sheet);

// Lays out the sheet's text from the fields as text gives them and the sections and derived
// values already in the sheet; rolls nothing. Saved characters get their sheets back this way.
void LayOutSheet(const std::function<const std::string&(Field)>& text, CharacterSheet& sheet);

}  // namespace dossier
