#include "export/foundry_actors.h"

#include <nlohmann/json.hpp>

#include "core/rules/derived_traits.h"
#include "core/saved/roster.h"

namespace dossier {

namespace {

using Json = nlohmann::ordered_json;

std::string Html(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

// An attribute key the system accepts: letters and digits, no blank or dot.
std::string KeyOf(std::string_view label) {
    std::string key;
    bool upper = false;
    for (const char c : label) {
        if (c == ' ' || c == '-') {
            upper = true;
            continue;
        }
        key += upper && c >= 'a' && c <= 'z'         ? static_cast<char>(c - 'a' + 'A')
               : key.empty() && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a')
                                                     : c;
        upper = false;
    }
    return key;
}

Json Attribute(const std::string& group, const char* dtype, Json value, std::string_view label) {
    return {{"dtype", dtype}, {"value", std::move(value)}, {"label", label}, {"group", group}};
}

// A typed trait is a number when it reads as one; else its text.
Json Number(const std::string& text) {
    try {
        std::size_t used = 0;
        const long long value = std::stoll(text, &used);
        if (used == text.size()) return value;
    } catch (const std::exception&) {
    }
    return text;
}

std::string Biography(const SavedCharacter& character) {
    std::string html;
    const CharacterProfile& p = character.profile;
    if (!character.names.alias.empty())
        html += "<p><strong>Alias:</strong> " + Html(character.names.alias) + "</p>";
    if (!p.empty()) {
        html += "<h2>Profile</h2><table>";
        for (const auto& [label, value] :
             {std::pair<const char*, std::string>{"Role", p.role},
              {"Loyalty", p.loyalty},
              {"Motive", p.motive + ": " + p.motiveDetail},
              {"Leverage", p.leverage},
              {"Mannerism", p.mannerism},
              {"Cover", p.cover.name + ", " + p.cover.occupation + " (" + p.cover.status + ")"}})
            html += "<tr><th>" + std::string(label) + "</th><td>" + Html(value) + "</td></tr>";
        html += "</table>";
    }
    html += "<h2>Sheet</h2><pre>";
    for (const std::string& line : ReadableSheetLines(character.sheetText))
        html += Html(line) + "\n";
    return html + "</pre>";
}

}  // namespace

std::string FoundryActorJson(const SavedCharacter& character, long long number) {
    const auto text = [&](Field field) { return std::string(character.Text(field)); };
    Json attributes = Json::object();
    Json& description = attributes["description"];
    for (const auto& [label, value] :
         {std::pair<const char*, std::string>{"Sex", text(Field::cboSex)},
          {"Age", text(Field::txtAge)},
          {"Level", text(Field::txtLevel)},
          {"Race", text(Field::cboRace)},
          {"Height", text(Field::cboHeight)},
          {"Weight", text(Field::cboWeight)},
          {"Hair Color", text(Field::cboHair)},
          {"Handedness", text(Field::cboHandedness)},
          {"Physique", character.moment.physique}})
        description[KeyOf(label)] = Attribute("description", "String", value, label);
    Json& primary = attributes["primary"];
    for (const Field field : kPrimaryTraits) {
        const std::string_view label = FieldTitle(field);
        primary[KeyOf(label)] = Attribute("primary", "Number", Number(text(field)), label);
    }
    for (std::size_t i = 0; i < kDerivedTraits.size(); ++i) {
        const std::string group = i < kSecondaryTraitCount ? "secondary" : "tertiary";
        const std::string_view label = kDerivedTraits[i].sheetName;
        attributes[group][KeyOf(label)] =
            Attribute(group, "Number", DerivedValue(character, label).value_or(0), label);
    }
    const auto group = [](const char* key, const char* label, const char* dtype) {
        return Json{{"key", key}, {"label", label}, {"dtype", dtype}};
    };
    const long long life = DerivedValue(character, "Life Level").value_or(0);
    const std::string name =
        character.names.name.empty() ? "Character " + std::to_string(number) : character.names.name;
    const Json actor = {
        {"name", name},
        {"type", "character"},
        {"img", "icons/svg/mystery-man.svg"},
        {"system",
         {{"biography", Biography(character)},
          {"health", {{"value", life}, {"min", 0}, {"max", life}}},
          {"power", {{"value", 0}, {"min", 0}, {"max", 0}}},
          {"attributes", attributes},
          {"groups",
           {{"description", group("description", "Description", "String")},
            {"primary", group("primary", "Primary Traits", "Number")},
            {"secondary", group("secondary", "Secondary Traits", "Number")},
            {"tertiary", group("tertiary", "Tertiary Traits", "Number")}}}}},
        {"prototypeToken", {{"name", name}, {"bar1", {{"attribute", "health"}}}}},
        {"items", Json::array()},
        {"effects", Json::array()},
        {"flags", Json::object()},
        {"_stats", {{"systemId", kFoundrySystem}, {"systemVersion", kFoundrySystemRelease}}}};
    return actor.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace dossier
