#include "core/saved/saved_character.h"

#include <algorithm>

#include "core/rules/sheet_sections.h"

namespace dossier {

std::string_view TrimmedAreaName(std::string_view padded) {
    const std::size_t end = padded.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : padded.substr(0, end + 1);
}

void ReadMoment(const CharacterRecord& record, SheetMoment& moment) {
    moment.glasses = record.Text(Field::cboGlasses);
    moment.loss = record.Text(Field::cboLoss);
    moment.physique = record.Text(Field::cboPhysique);
}

SavedCharacter SaveCharacter(const CharacterRecord& record, const CharacterSheet& sheet,
                             const SheetMoment& moment, std::string mode) {
    SavedCharacter saved;
    saved.mode = std::move(mode);
    saved.names = sheet.names;
    saved.profile = sheet.profile;
    for (const FieldInfo& info : kFields) saved.fields[Index(info.field)] = record.Text(info.field);
    saved.heightClass = record.working.heightClass;
    saved.weightClass = record.working.weightClass;
    saved.moment = moment;
    for (const DerivedTraitInfo& trait : kDerivedTraits)
        saved.derived.emplace_back(trait.sheetName, sheet.derived.*trait.value);
    saved.languages = sheet.languages;
    saved.education = sheet.education;
    for (const KnowledgeArea& area : sheet.areas)
        saved.areas.emplace_back(TrimmedAreaName(area.name), area.score);
    saved.sheetText = sheet.text;
    return saved;
}

std::optional<long long> DerivedValue(const SavedCharacter& character, std::string_view name) {
    for (const auto& [key, value] : character.derived)
        if (key == name) return value;
    return std::nullopt;
}

std::optional<std::string> MissingDerivedValue(const SavedCharacter& character) {
    for (const DerivedTraitInfo& trait : kDerivedTraits)
        if (!DerivedValue(character, trait.sheetName)) return std::string(trait.sheetName);
    return std::nullopt;
}

std::string LaidOutSheet(const SavedCharacter& character) {
    CharacterSheet sheet;
    sheet.names = character.names;
    sheet.profile = character.profile;
    for (const DerivedTraitInfo& trait : kDerivedTraits)
        sheet.derived.*trait.value = DerivedValue(character, trait.sheetName).value_or(0);
    sheet.languages = character.languages;
    sheet.education = character.education;
    std::vector<std::string> padded;
    padded.reserve(character.areas.size());
    for (const auto& [name, score] : character.areas) {
        padded.push_back(name +
                         std::string(kAreaNameWidth - std::min(kAreaNameWidth, name.size()), ' '));
        sheet.areas.push_back({padded.back(), score});
    }
    FieldTexts texts;
    for (const FieldInfo& info : kFields) texts[Index(info.field)] = character.Text(info.field);
    // The sheet printed these before the mode changed them again.
    texts[Index(Field::cboGlasses)] = character.moment.glasses;
    texts[Index(Field::cboLoss)] = character.moment.loss;
    texts[Index(Field::cboPhysique)] = character.moment.physique;
    LayOutSheet(texts, sheet);
    return sheet.text;
}

void TypeInto(CharacterRecord& record, const SavedCharacter& character) {
    for (const FieldInfo& info : kFields) record.Write(info.field, character.Text(info.field));
    record.working.heightClass = character.heightClass;
    record.working.weightClass = character.weightClass;
}

}  // namespace dossier
