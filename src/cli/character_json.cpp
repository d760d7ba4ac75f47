#include "cli/character_json.h"

#include <nlohmann/json.hpp>

namespace dossier::cli {

namespace {

std::string Trimmed(std::string_view padded) {
    const std::size_t end = padded.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view()
                                                     : padded.substr(0, end + 1));
}

}  // namespace

std::string CharacterJsonLine(long long index, const char* mode, const CharacterRecord& record,
                              const CharacterSheet& sheet, const SheetMoment& moment) {
    using Json = nlohmann::ordered_json;
    Json fields = Json::object();
    for (const FieldInfo& info : AllFields())
        fields[std::string(info.name)] = record.Text(info.field);

    const DerivedTraitValues& d = sheet.derived;
    // Named and ordered as the sheet prints them, Balance and Wellness included.
    Json derived = {{"Offense", d.OF},
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
    Json areas = Json::array();
    for (const KnowledgeArea& area : sheet.areas) {
        areas.push_back({{"name", Trimmed(area.name)}, {"score", area.score}});
    }
    Json line = {{"index", index},
                 {"mode", mode},
                 {"fields", std::move(fields)},
                 {"heightClass", record.working.heightClass},
                 {"weightClass", record.working.weightClass},
                 {"sheet",
                  {{"glasses", moment.glasses},
                   {"loss", moment.loss},
                   {"physique", moment.physique},
                   {"derived", std::move(derived)},
                   {"languages", sheet.languages},
                   {"education", sheet.education},
                   {"areas", std::move(areas)}}}};
    // Typed texts need not be valid UTF-8; replace what is not rather than fail.
    return line.dump(-1, ' ', false, Json::error_handler_t::replace) + '\n';
}

}  // namespace dossier::cli
