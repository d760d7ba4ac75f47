#include "saved/saved_character.h"

#include <algorithm>

#include "sheet/sheet_sections.h"

namespace dossier {

std::array<long long, 14> SheetDerivedValues(const DerivedTraitValues& d) {
    return {d.OF, d.DP, d.EV, d.DA, d.OB, d.SR, d.GV, d.MV, d.LL, d.Well, d.BA, d.PR, d.HTH, d.SV};
}

std::string_view TrimmedAreaName(std::string_view padded) {
    const std::size_t end = padded.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : padded.substr(0, end + 1);
}

SavedCharacter SaveCharacter(const CharacterRecord& record, const CharacterSheet& sheet,
                             const SheetMoment& moment, std::string mode) {
    SavedCharacter saved;
    saved.mode = std::move(mode);
    for (const FieldInfo& info : AllFields())
        saved.fields[Index(info.field)] = record.Text(info.field);
    saved.heightClass = record.working.heightClass;
    saved.weightClass = record.working.weightClass;
    saved.moment = moment;
    const std::array<long long, 14> derived = SheetDerivedValues(sheet.derived);
    for (std::size_t i = 0; i < derived.size(); ++i)
        saved.derived.emplace_back(kSheetDerivedNames[i], derived[i]);
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
    for (const char* name : kSheetDerivedNames)
        if (!DerivedValue(character, name)) return std::string(name);
    return std::nullopt;
}

std::string LaidOutSheet(const SavedCharacter& character) {
    CharacterSheet sheet;
    const auto value = [&character](const char* name) {
        return DerivedValue(character, name).value_or(0);
    };
    // The sheet prints the window's Wellness as "Balance" and its Balance as "Wellness".
    sheet.derived = {value("Offense"),
                     value("Deception"),
                     value("Evasion"),
                     value("Deactivation"),
                     value("Observation"),
                     value("Shock Resistance"),
                     value("Gambling Value"),
                     value("Movement Value"),
                     value("Life Level"),
                     value("Balance"),
                     value("Wellness"),
                     value("Perception"),
                     value("Hand to Hand Combat Value"),
                     value("Surprise Value")};
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
    for (const FieldInfo& info : AllFields()) texts[Index(info.field)] = character.Text(info.field);
    // The sheet printed these before the mode changed them again.
    texts[Index(Field::cboGlasses)] = character.moment.glasses;
    texts[Index(Field::cboLoss)] = character.moment.loss;
    texts[Index(Field::cboPhysique)] = character.moment.physique;
    LayOutSheet(texts, sheet);
    return sheet.text;
}

void TypeInto(CharacterRecord& record, const SavedCharacter& character) {
    for (const FieldInfo& info : AllFields()) record.Write(info.field, character.Text(info.field));
    record.working.heightClass = character.heightClass;
    record.working.weightClass = character.weightClass;
}

}  // namespace dossier
