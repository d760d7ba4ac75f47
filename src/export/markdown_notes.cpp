#include "export/markdown_notes.h"

#include <yaml-cpp/yaml.h>
#include <charconv>
#include <optional>

#include "core/rules/derived_traits.h"
#include "network/network_graphs.h"

namespace dossier {

namespace {

struct Trait {
    Field field;
    const char* key;
    const char* label;
};
constexpr Trait kPrimary[] = {{Field::txtPS, "physical_strength", "Physical Strength"},
                              {Field::txtCH, "charm", "Charm"},
                              {Field::txtWP, "willpower", "Willpower"},
                              {Field::txtCO, "courage", "Courage"},
                              {Field::txtK, "knowledge", "Knowledge"},
                              {Field::txtCD, "coordination", "Coordination"}};

// "Hand to Hand Combat Value" as a key: hand_to_hand_combat_value.
std::string KeyOf(std::string_view label) {
    std::string key;
    for (const char c : label)
        key += c == ' ' ? '_' : c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return key;
}

// A typed text that is a plain whole number, without a leading zero, is a number to YAML too.
std::optional<long long> Whole(std::string_view text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    const bool zero = text.size() > 1 && (text[0] == '0' || text.starts_with("-0"));
    if (text.empty() || error != std::errc() || stop != end || zero) return std::nullopt;
    return value;
}

// Texts always quoted: "007", "yes" and "1e3" stay texts for every reader of YAML.
void Put(YAML::Emitter& out, const char* key, const std::string& text) {
    out << YAML::Key << key << YAML::Value << YAML::DoubleQuoted << text;
}
void PutTyped(YAML::Emitter& out, const char* key, const std::string& text) {
    if (const std::optional<long long> number = Whole(text)) {
        out << YAML::Key << key << YAML::Value << *number;
    } else {
        Put(out, key, text);
    }
}

std::string Tag(std::string_view text) {
    std::string tag;
    for (const char c : KeyOf(text)) tag += c == '_' ? '-' : c;
    return tag;
}

std::string FrontMatter(const SavedCharacter& character, std::optional<std::size_t> member) {
    YAML::Emitter out;
    out << YAML::BeginMap;
    Put(out, "name", character.names.name);
    Put(out, "alias", character.names.alias);
    Put(out, "origin", character.names.origin);
    Put(out, "sex", character.Text(Field::cboSex));
    Put(out, "race", character.Text(Field::cboRace));
    PutTyped(out, "age", character.Text(Field::txtAge));
    PutTyped(out, "level", character.Text(Field::txtLevel));
    for (const Trait& trait : kPrimary) PutTyped(out, trait.key, character.Text(trait.field));
    for (const DerivedTraitInfo& trait : kDerivedTraits) {
        out << YAML::Key << KeyOf(trait.sheetName) << YAML::Value
            << DerivedValue(character, trait.sheetName).value_or(0);
    }
    const CharacterProfile& profile = character.profile;
    if (!profile.empty()) {
        Put(out, "role", profile.role);
        Put(out, "motive", profile.motive);
        Put(out, "cover", profile.cover.name);
        Put(out, "cover_occupation", profile.cover.occupation);
        Put(out, "cover_status", profile.cover.status);
    }
    if (member) out << YAML::Key << "network_id" << YAML::Value << *member + 1;
    out << YAML::Key << "tags" << YAML::Value << YAML::Flow << YAML::BeginSeq << "dossier"
        << "npc";
    if (!profile.empty()) out << Tag(profile.role);
    if (member) out << "network";
    out << YAML::EndSeq << YAML::EndMap;
    return std::string("---\n") + out.c_str() + "\n---\n";
}

// Text as Markdown shows it, not as markup.
std::string Md(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        if (std::string_view("\\`*_[]<>#|~").find(c) != std::string_view::npos) shown += '\\';
        shown += c;
    }
    return shown;
}

void Table(std::string& note, const char* head, const char* value,
           const std::vector<std::pair<std::string, std::string>>& rows) {
    note += std::string("| ") + head + " | " + value + " |\n|---|---|\n";
    for (const auto& [name, shown] : rows) note += "| " + Md(name) + " | " + Md(shown) + " |\n";
    note += '\n';
}

std::string Caption(const SavedCharacter& character, long long number) {
    return character.names.name.empty() ? "Character " + std::to_string(number)
                                        : character.names.name;
}

std::string Body(const SavedCharacter& character, long long number) {
    const auto text = [&](Field field) { return std::string(character.Text(field)); };
    std::string note = "# " + Md(Caption(character, number)) + "\n\n";
    if (!character.names.alias.empty()) note += "Alias: " + Md(character.names.alias) + "  \n";
    if (!character.names.origin.empty()) note += "Origin: " + Md(character.names.origin) + "  \n";
    if (note.ends_with("  \n")) note += '\n';
    std::string military = text(Field::cboMilitary);
    if (!text(Field::cboBranch).empty()) military += ", " + text(Field::cboBranch);
    Table(note, "Description", "",
          {{"Sex", text(Field::cboSex)},
           {"Age", text(Field::txtAge)},
           {"Level", text(Field::txtLevel)},
           {"Handedness", text(Field::cboHandedness)},
           {"Hair Color", text(Field::cboHair)},
           {"Height", text(Field::cboHeight)},
           {"Weight", text(Field::cboWeight) + " lbs."},
           {"Race", text(Field::cboRace)},
           {"Physique", character.moment.physique},
           {"Military Service", military},
           {"Glasses", character.moment.glasses},
           {"Loss of Coordination", character.moment.loss}});
    std::vector<std::pair<std::string, std::string>> rows;
    for (const Trait& trait : kPrimary) rows.emplace_back(trait.label, text(trait.field));
    note += "## Primary Traits\n\n";
    Table(note, "Trait", "Value", rows);
    for (const bool secondary : {true, false}) {
        rows.clear();
        for (std::size_t i = secondary ? 0 : kSecondaryTraitCount;
             i < (secondary ? kSecondaryTraitCount : kDerivedTraits.size()); ++i) {
            const std::string_view name = kDerivedTraits[i].sheetName;
            rows.emplace_back(std::string(name),
                              std::to_string(DerivedValue(character, name).value_or(0)));
        }
        note += secondary ? "## Secondary Traits\n\n" : "## Tertiary Traits\n\n";
        Table(note, "Trait", "Value", rows);
    }
    note += "## Languages\n\n";
    for (std::size_t i = 0; i < character.languages.size(); ++i) {
        note += "- " + std::string(i == 0 ? "First language" : "Another language") + ": " +
                std::to_string(character.languages[i]) + "\n";
    }
    note += "\n## Education Level\n\n" + Md(character.education) + "\n\n";
    rows.clear();
    for (const auto& [area, score] : character.areas)
        rows.emplace_back(area, std::to_string(score));
    note += "## Superior Areas of Knowledge\n\n";
    Table(note, "Area", "Score", rows);
    const CharacterProfile& p = character.profile;
    if (!p.empty()) {
        note += "## Profile\n\n";
        Table(note, "", "",
              {{"Role", p.role},
               {"Loyalty", p.loyalty},
               {"Motive", p.motive + ": " + p.motiveDetail},
               {"Leverage", p.leverage},
               {"Mannerism", p.mannerism},
               {"Cover Name", p.cover.name},
               {"Cover Occupation", p.cover.occupation},
               {"Cover Status", p.cover.status}});
    }
    return note;
}

std::string Link(const std::vector<std::string>& stems, const Network& network, int id) {
    const auto m = static_cast<std::size_t>(id - 1);
    // A link's shown text ends at | or ]].
    std::string shown = MemberCaption(network, m);
    for (char& c : shown)
        if (c == '|' || c == '[' || c == ']') c = ' ';
    return "[[" + stems[m] + "|" + shown + "]]";
}

}  // namespace

std::string MarkdownNote(const SavedCharacter& character, long long number) {
    return FrontMatter(character, std::nullopt) + "\n" + Body(character, number);
}

std::string MarkdownNote(const Network& network, std::size_t member,
                         const std::vector<std::string>& stems) {
    const auto number = static_cast<long long>(member + 1);
    std::string note = FrontMatter(network.members[member], member) + "\n" +
                       Body(network.members[member], number) + "## Links\n\n";
    for (const NetworkLink& link : network.links[member]) {
        const std::string other =
            link.to == kOtherSide ? std::string("the other side") : Link(stems, network, link.to);
        note += "- " + link.kind + " " + other + ", by " + link.contact +
                (link.knowsTrueName ? "; knows the true name" : "") + "\n";
    }
    return note + "\nThe network: [[" + stems.back() + "]]\n";
}

std::string NetworkIndexNote(const Network& network, const std::vector<std::string>& stems) {
    YAML::Emitter out;
    out << YAML::BeginMap << YAML::Key << "members" << YAML::Value << network.members.size();
    out << YAML::Key << "tags" << YAML::Value << YAML::Flow << YAML::BeginSeq << "dossier"
        << "network" << YAML::EndSeq << YAML::EndMap;
    std::string note = std::string("---\n") + out.c_str() + "\n---\n\n# A network of " +
                       std::to_string(network.members.size()) + "\n\n";
    for (std::size_t m = 0; m < network.members.size(); ++m) {
        note += std::to_string(m + 1) + ". " + Link(stems, network, static_cast<int>(m + 1)) +
                ", " + network.members[m].profile.role + "\n";
    }
    return note + "\n```mermaid\n" + NetworkMermaid(network) + "```\n";
}

}  // namespace dossier
