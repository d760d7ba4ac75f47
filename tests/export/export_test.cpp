// Notes, actors and rows read back by readers of their own formats: yaml-cpp's parser for the
// notes' front matter, nlohmann's for the actors (held to the system's template).
#include <gtest/gtest.h>
#include <yaml-cpp/yaml.h>

#include <nlohmann/json.hpp>

#include "core/dice/random_dice.h"
#include "core/rules/age_handedness.h"
#include "export/csv_rows.h"
#include "export/export_file_names.h"
#include "export/foundry_actors.h"
#include "export/markdown_notes.h"
#include "frontend/generation_modes.h"
#include "support/frontend_fakes.h"
#include "support/network_of.h"

namespace dossier {
namespace {

SavedCharacter Profiled(const std::string& name, std::uint64_t seed = 8) {
    SeededDice dice(seed);
    CharacterRecord record = StartupRecord(dice);
    testing::RecordingSink sink;
    testing::ScriptedDialogs none;
    GenerationModes(record, sink, none).Press(Mode::QuickRandom);
    SavedCharacter character = sink.saved.at(0);
    character.names = {name, "Grey: Heron #2", "Irish"};
    character.profile = {"Safe-House Keeper",
                         "Money",
                         "Debts | \"large\"",
                         "A flat",
                         "Steady",
                         "Hums",
                         {"Jan Nowak", "Baker", "Solid"}};
    character.sheetText = LaidOutSheet(character);
    return character;
}

// Names that trip up quoting somewhere: quotes, colons, accents, leading zeros, #, a
// spreadsheet's formula, YAML's words for true and nothing.
const std::string kTrickyNames[] = {
    "O'Hara \"Q\"", "Zo\xC3\xAB: #1", "007", "Anne, Jr.", "=SUM(A1)", "yes", "~", "- Lee"};

YAML::Node FrontMatter(const std::string& note) {
    EXPECT_TRUE(note.starts_with("---\n"));
    const std::size_t end = note.find("\n---\n", 4);
    EXPECT_NE(end, std::string::npos);
    return YAML::Load(note.substr(4, end - 4));
}

TEST(ExportTest, TheFrontMatterReadsBackToTheSameValues) {
    for (const std::string& name : kTrickyNames) {
        const SavedCharacter character = Profiled(name);
        const YAML::Node front = FrontMatter(MarkdownNote(character, 1));
        EXPECT_EQ(front["name"].as<std::string>(), name);
        EXPECT_EQ(front["alias"].as<std::string>(), "Grey: Heron #2");
        EXPECT_EQ(front["sex"].as<std::string>(), character.Text(Field::cboSex));
        EXPECT_EQ(front["age"].as<int>(), std::stoi(character.Text(Field::txtAge)));
        EXPECT_EQ(front["physical_strength"].as<std::string>(), character.Text(Field::txtPS));
        EXPECT_EQ(front["hand_to_hand_combat_value"].as<long long>(),
                  DerivedValue(character, "Hand to Hand Combat Value"));
        EXPECT_EQ(front["role"].as<std::string>(), "Safe-House Keeper");
        EXPECT_EQ(front["cover"].as<std::string>(), "Jan Nowak");
        ASSERT_TRUE(front["tags"].IsSequence());
        EXPECT_EQ(front["tags"][2].as<std::string>(), "safe-house-keeper");
        // Texts stay texts: a quoted "007" is no 7, "yes" no true.
        EXPECT_EQ(front["name"].Tag(), "!") << name;
    }
}

TEST(ExportTest, TheNoteShowsTheSheetAsMarkdownWithTheDataEscaped) {
    const std::string note = MarkdownNote(Profiled("Ann *Bold* [x]"), 1);
    for (const char* part :
         {"\n# Ann \\*Bold\\* \\[x\\]\n", "## Primary Traits", "| Physical Strength | ",
          "## Tertiary Traits", "## Superior Areas of Knowledge", "| Motive | Money: Debts \\| "}) {
        EXPECT_NE(note.find(part), std::string::npos) << part;
    }
}

// The actor against Simple Worldbuilding's template (0.8.2, data under "system"): each key of
// the character type with the JSON type the template gives it, and attributes as its sheet
// keeps them: {dtype, value, label, group} in a group it declares.
TEST(ExportTest, TheActorHasTheTemplatesKeysAndTypes) {
    using Json = nlohmann::json;
    const std::pair<const char*, Json::value_t> kTemplate[] = {
        {"/name", Json::value_t::string},
        {"/type", Json::value_t::string},
        {"/system/biography", Json::value_t::string},
        {"/system/health/value", Json::value_t::number_integer},
        {"/system/health/min", Json::value_t::number_integer},
        {"/system/health/max", Json::value_t::number_integer},
        {"/system/power/value", Json::value_t::number_integer},
        {"/system/attributes", Json::value_t::object},
        {"/system/groups", Json::value_t::object},
        {"/items", Json::value_t::array},
        {"/effects", Json::value_t::array}};
    for (const std::string& name : kTrickyNames) {
        const SavedCharacter character = Profiled(name);
        const Json actor = Json::parse(FoundryActorJson(character, 1));
        for (const auto& [pointer, type] : kTemplate) {
            const Json& value = actor.at(Json::json_pointer(pointer));
            EXPECT_TRUE(value.type() == type ||
                        (type == Json::value_t::number_integer && value.is_number_unsigned()))
                << pointer;
        }
        EXPECT_EQ(actor["name"], name);
        EXPECT_EQ(actor["type"], "character");
        EXPECT_EQ(actor["system"]["health"]["max"], DerivedValue(character, "Life Level"));
        int attributes = 0;
        for (const auto& [group, members] : actor["system"]["attributes"].items()) {
            ASSERT_TRUE(actor["system"]["groups"].contains(group)) << group;
            EXPECT_EQ(actor["system"]["groups"][group]["key"], group);
            for (const auto& [key, attribute] : members.items()) {
                ++attributes;
                EXPECT_TRUE(key.find_first_of(" .") == std::string::npos) << key;
                EXPECT_EQ(attribute["group"], group);
                EXPECT_TRUE(attribute["dtype"] == "Number" || attribute["dtype"] == "String");
                EXPECT_EQ(attribute["dtype"] == "Number", attribute["value"].is_number()) << key;
                EXPECT_TRUE(attribute["label"].is_string());
            }
        }
        EXPECT_EQ(attributes, 9 + 6 + 11 + 3) << "description, primary, secondary, tertiary";
        const std::string biography = actor["system"]["biography"];
        EXPECT_NE(biography.find("Debts | &quot;large&quot;"), std::string::npos);
        EXPECT_EQ(biography.find("<script"), std::string::npos);
    }
}

TEST(ExportTest, FileNamesAreSafeEverywhereAndNeverClash) {
    const std::pair<const char*, const char*> stems[] = {
        {"Anna Kowalska", "Anna Kowalska"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a b c d e f g h i j"},
        {"Agent #7 [x]", "Agent 7 x"},
        {" Trailing. ", "Trailing"},
        {"Dots...", "Dots"},
        {"Con", "Con_"},
        {"lpt1", "lpt1_"},
        {"Zo\xC3\xAB", "Zo\xC3\xAB"},
        {"???", ""},
        {"", ""}};
    for (const auto& [name, stem] : stems) EXPECT_EQ(SafeFileStem(name), stem) << name;
    FileNamer names(".md");
    const std::pair<const char*, const char*> clashes[] = {
        {"Ann Lee", "Ann Lee.md"}, {"ann lee", "ann lee 2.md"}, {"Ann Lee", "Ann Lee 3.md"},
        {"", "char-000004.md"},    {"???", "char-000005.md"},   {"Ann Lee 2", "Ann Lee 2 2.md"}};
    long long number = 0;
    for (const auto& [name, file] : clashes) EXPECT_EQ(names.FileName(name, ++number), file);
}

TEST(ExportTest, ANetworksNotesLinkToOneAnotherAndItsIndexHoldsThePicture) {
    Network network = DrawnNetwork(12, 4);
    std::vector<std::string> stems;
    for (std::size_t m = 0; m < 12; ++m) stems.push_back("Note " + std::to_string(m + 1));
    stems.push_back("Network");
    for (std::size_t m = 0; m < 12; ++m) {
        const std::string note = MarkdownNote(network, m, stems);
        EXPECT_EQ(FrontMatter(note)["network_id"].as<std::size_t>(), m + 1);
        for (const NetworkLink& link : network.links[m]) {
            if (link.to == kOtherSide) continue;
            const std::string target = "[[Note " + std::to_string(link.to) + "|Member " +
                                       std::to_string(link.to) + "]], by " + link.contact;
            EXPECT_NE(note.find("- " + link.kind + " " + target), std::string::npos) << target;
        }
    }
    const std::string index = NetworkIndexNote(network, stems);
    EXPECT_NE(index.find("12. [[Note 12|Member 12]], "), std::string::npos);
    EXPECT_NE(index.find("```mermaid\nflowchart BT\n"), std::string::npos);
    EXPECT_EQ(FrontMatter(index)["members"].as<int>(), 12);
}

}  // namespace
}  // namespace dossier
