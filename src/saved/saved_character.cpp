#include "saved/saved_character.h"

namespace dossier {

namespace {

std::string Trimmed(std::string_view padded) {
    const std::size_t end = padded.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view()
                                                     : padded.substr(0, end + 1));
}

}  // namespace

SavedCharacter SaveCharacter(const CharacterRecord& record, const CharacterSheet& sheet,
                             const SheetMoment& moment, std::string mode) {
    SavedCharacter saved;
    saved.mode = std::move(mode);
    for (const FieldInfo& info : AllFields())
        saved.fields[Index(info.field)] = record.Text(info.field);
    saved.heightClass = record.working.heightClass;
    saved.weightClass = record.working.weightClass;
    saved.moment = moment;
    const DerivedTraitValues& d = sheet.derived;
    // Named and ordered as the sheet prints them, Balance and Wellness included.
    saved.derived = {{"Offense", d.OF},
                     {"Deception", d.DP},
                     {"Evasion", d.EV},
                     {"Deactivation", d.DA},
                     {"Observation", d.OB},
                     {"Shock Resistance", d.SR},
                     {"Gambling Value", d.GV},
                     {"Movement Value", d.MV},
                     {"Life Level", d.LL},
                     {"Balance", d.Well},
                     {"Wellness", d.BA},
                     {"Perception", d.PR},
                     {"Hand to Hand Combat Value", d.HTH},
                     {"Surprise Value", d.SV}};
    saved.languages = sheet.languages;
    saved.education = sheet.education;
    for (const KnowledgeArea& area : sheet.areas)
        saved.areas.emplace_back(Trimmed(area.name), area.score);
    saved.sheetText = sheet.text;
    return saved;
}

void TypeInto(CharacterRecord& record, const SavedCharacter& character) {
    for (const FieldInfo& info : AllFields()) record.Write(info.field, character.Text(info.field));
    record.working.heightClass = character.heightClass;
    record.working.weightClass = character.weightClass;
}

}  // namespace dossier
