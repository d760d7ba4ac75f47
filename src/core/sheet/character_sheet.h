#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/record/character_record.h"
#include "core/rules/derived_traits.h"
#include "core/rules/sheet_sections.h"
#include "core/sheet/character_profile.h"

namespace dossier {

// A character's name and codename, where the user asked for them; empty otherwise, and the
// sheet keeps its blank lines for them.
struct CharacterNames {
    std::string name;
    std::string alias;
    std::string origin;  // where the name was drawn from; empty for a name the user gave

    bool empty() const { return name.empty() && alias.empty(); }
};

// The longest name and alias the sheet's lines hold, in characters.
inline constexpr std::size_t kLongestName = 20;

// One sheet: what was rolled for it and the exact bytes of the file.
struct CharacterSheet {
    CharacterNames names;
    CharacterProfile profile;  // its block follows the last section
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
// texts holds every field's text by its index.
using FieldTexts = std::array<std::string_view, kFieldCount>;
void LayOutSheet(const FieldTexts& texts, CharacterSheet& sheet);

}  // namespace dossier
