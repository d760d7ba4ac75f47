#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "core/dice/random_dice.h"
#include "core/saved/character_json.h"
#include "frontend/generation_modes.h"
#include "support/frontend_fakes.h"
#include "support/test_support.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;

std::string GoodLine() {
    SeededDice dice(4);
    CharacterRecord record = StartupRecord(dice);
    testing::RecordingSink sink;
    testing::ScriptedDialogs none;
    GenerationModes(record, sink, none).Press(Mode::QuickRandom);
    return CharacterJsonLine(sink.saved.at(0), 1);
}

// The line with one piece replaced.
std::string With(const std::string& from, const std::string& to, std::string line = GoodLine()) {
    const std::size_t at = line.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return line.replace(at, from.size(), to);
}

// The line with the value at the JSON pointer set anew.
std::string WithValue(const std::string& pointer, nlohmann::ordered_json value,
                      const std::string& from = GoodLine()) {
    nlohmann::ordered_json line = nlohmann::ordered_json::parse(from);
    line[nlohmann::ordered_json::json_pointer(pointer)] = std::move(value);
    return line.dump();
}

const CharacterProfile kProfile = {"Talent Spotter",
                                   "Ideology",
                                   "Believes \"it\"",
                                   "Lever: a, b",
                                   "Unshakeable",
                                   "Hums",
                                   {"Jan Nowak", "Baker", "Blown"}};

std::string ProfiledLine() {
    SavedCharacter character = ParseCharacterLines(GoodLine(), "f").at(0);
    character.names = {"Ada Lind", "Grey Heron", "Swedish"};
    character.profile = kProfile;
    return CharacterJsonLine(character, 1);
}

TEST(CharacterJsonTest, ReadsBackWhatWasSaved) {
    const std::vector<SavedCharacter> read =
        ParseCharacterLines(GoodLine() + "\n" + GoodLine(), "f");
    ASSERT_EQ(read.size(), 2U);
    EXPECT_EQ(CharacterJsonLine(read[1], 1), GoodLine());
    EXPECT_TRUE(CharacterJsonLine(read[1], 7).starts_with("{\"format\":1,\"index\":7,"));
    EXPECT_EQ(GoodLine().find(" \""), std::string::npos) << "area names without their padding";
}

TEST(CharacterJsonTest, ANamedCharacterIsFormatTwoAndItsSheetHoldsTheNames) {
    SavedCharacter character = ParseCharacterLines(GoodLine(), "f").at(0);
    character.names = {"Zo\xC3\xAB M\xC3\xBCller", "Grey Heron", "German"};
    const std::string line = CharacterJsonLine(character, 1);
    EXPECT_TRUE(
        line.starts_with("{\"format\":2,\"index\":1,\"mode\":\"quick\","
                         "\"name\":\"Zo\xC3\xAB M\xC3\xBCller\",\"alias\":\"Grey Heron\","
                         "\"origin\":\"German\",\"fields\":"))
        << line;
    SavedCharacter read = ParseCharacterLines(line, "f").at(0);
    EXPECT_EQ(CharacterJsonLine(read, 1), line);
    // The names stand on the underscores, which still pad them to the same column.
    EXPECT_NE(read.sheetText.find("\"Name  Zo\xC3\xAB M\xC3\xBCller__________     Age"),
              std::string::npos);
}

TEST(CharacterJsonTest, AProfiledCharacterIsFormatThreeAndReadsBackWhole) {
    const std::string line = ProfiledLine();
    EXPECT_TRUE(line.starts_with(
        "{\"format\":3,\"index\":1,\"mode\":\"quick\",\"name\":\"Ada Lind\",\"alias\":\"Grey "
        "Heron\",\"origin\":\"Swedish\",\"profile\":{\"role\":\"Talent Spotter\",\"motive\":"
        "\"Ideology\",\"motiveDetail\":\"Believes \\\"it\\\"\",\"leverage\":\"Lever: a, b\","
        "\"loyalty\":\"Unshakeable\",\"mannerism\":\"Hums\",\"cover\":{\"name\":\"Jan Nowak\","
        "\"occupation\":\"Baker\",\"status\":\"Blown\"}},\"fields\":"))
        << line;
    EXPECT_EQ(line, nlohmann::ordered_json::parse(line).dump() + "\n");
    const SavedCharacter read = ParseCharacterLines(line, "f").at(0);
    EXPECT_EQ(read.profile, kProfile);
    EXPECT_EQ(CharacterJsonLine(read, 1), line);
    EXPECT_TRUE(read.sheetText.ends_with("\"Cover Status              Blown\"\r\n"));
    // A profile on a character without a name still writes a line that reads back.
    SavedCharacter unnamed = read;
    unnamed.names = {};
    const std::string kept = CharacterJsonLine(unnamed, 1);
    EXPECT_EQ(CharacterJsonLine(ParseCharacterLines(kept, "f").at(0), 1), kept);
}

TEST(CharacterJsonTest, TextsAreWrittenAsTheLibraryDumpsThemAndReadBack) {
    const std::pair<std::string, const char*> rows[] = {
        // text, as read back
        {"", ""},
        {"5'10\"", "5'10\""},
        {"back\\slash /", "back\\slash /"},
        {"caf\xC3\xA9 \xE2\x98\x95", "caf\xC3\xA9 \xE2\x98\x95"},
        {"\x7F", nullptr},                 // DEL: the reader refuses it
        {"bad \xFF", "bad \xEF\xBF\xBD"},  // not UTF-8: replaced
        {"tab\t", nullptr}};               // written escaped; the reader refuses it
    SavedCharacter character = ParseCharacterLines(GoodLine(), "f").at(0);
    for (const auto& [text, readBack] : rows) {
        character.mode = character.fields[Index(Field::cboRace)] = character.moment.glasses =
            character.education = character.areas.at(0).first = text;
        const std::string line = CharacterJsonLine(character, 1);
        EXPECT_EQ(line, nlohmann::ordered_json::parse(line).dump() + "\n") << text;
        if (readBack == nullptr) {
            EXPECT_THROW(ParseCharacterLines(line, "f"), CharacterFileError) << text;
            continue;
        }
        const SavedCharacter read = ParseCharacterLines(line, "f").at(0);
        for (const std::string& back : {read.mode, read.Text(Field::cboRace), read.moment.glasses,
                                        read.education, read.areas.at(0).first}) {
            EXPECT_EQ(back, readBack) << text;
        }
    }
}

TEST(CharacterJsonTest, EveryKindOfBadInputNamesTheFileTheLineAndTheFault) {
    const std::string good = GoodLine();
    const std::pair<std::string, std::string> rows[] = {
        {"hello", "f: line 1: not JSON"},
        {good.substr(0, good.size() / 2), "f: line 1: not JSON"},
        {good + "[1, 2]", "f: line 2: not a character"},
        {"{\"format\":1e400}", "f: line 1: not JSON (number overflow parsing '1e400')"},
        {With("\"format\":1", "\"format\":5"),
         "\"format\" is 5; this Dossier reads formats 1 to 4: a newer Dossier saved it"},
        {With("\"format\":1", "\"format\":0"), "\"format\" is 0; this Dossier reads formats"},
        {WithValue("/profile/role", "Boss", ProfiledLine()),
         "\"profile.role\" is \"Boss\", none of Handler, Agent,"},
        {WithValue("/profile/motive", "Love", ProfiledLine()), "\"profile.motive\" is \"Love\""},
        {WithValue("/profile/loyalty", "", ProfiledLine()), "\"profile.loyalty\" is \"\""},
        {WithValue("/profile/cover/status", "Gone", ProfiledLine()),
         "\"profile.cover.status\" is \"Gone\", none of Solid, Thin, Blown"},
        {WithValue("/profile/leverage", std::string(1001, 'x'), ProfiledLine()),
         "\"profile.leverage\" is 1001 characters long; at most 1000"},
        {WithValue("/profile/mannerism", "a\x01", ProfiledLine()),
         "\"profile.mannerism\" holds a control character"},
        {WithValue("/profile/secret", "x", ProfiledLine()), "unknown key \"profile.secret\""},
        {WithValue("/profile", "Mole", ProfiledLine()), "\"profile\" is string, not an object"},
        {With(",\"occupation\":\"Baker\"", "", ProfiledLine()),
         "\"profile.cover.occupation\" is missing"},
        {With("\"profile\":", "\"profiles\":", ProfiledLine()), "unknown key \"profiles\""},
        {WithValue("/format", 2, ProfiledLine()), "unknown key \"profile\""},
        {With("\"format\":1", "\"format\":2"), "\"name\" is missing"},
        {With("\"fields\":", "\"name\":\"A\",\"fields\":"), "unknown key \"name\""},
        {With("\"format\":1,\"index\":1,\"mode\":\"quick\",",
              "\"format\":2,\"index\":1,\"mode\":\"quick\",\"name\":\"Twenty-one "
              "characters\",\"alias\":\"\",\"origin\":\"\","),
         "\"name\" is 21 characters long; at most 20"},
        {With("\"format\":1,", ""), "no \"format\""},
        {With("\"cboRace\":", "\"cboRace\":7,\"x\":"), "\"fields.cboRace\" is number, not text"},
        {With("\"txtSV\":", "\"tx\":"), "\"fields.txtSV\" is missing"},
        {With("\"cboSex\":", "\"cbosex\":\"M\",\"cboSex\":"), "unknown field \"fields.cbosex\""},
        {With("\"heightClass\":", "\"colour\":1,\"heightClass\":"), "unknown key \"colour\""},
        {WithValue("/fields/cboHair", std::string(1001, 'x')), "is 1001 characters long; at most"},
        {WithValue("/index", 1.5), "\"index\" is not a whole number"},
        {WithValue("/sheet/derived/Offense", 62.5), "\"sheet.derived.Offense\" is not a whole"},
        {WithValue("/sheet/areas/0/score", 70.5), "\"sheet.areas\" holds something other"},
        {good + good.substr(0, 40), "f: line 2: not JSON"},
        {With("\"cboHair\":\"", "\"cboHair\":\"\\u0007"), "\"fields.cboHair\" holds a control"},
        {With("\"heightClass\":\"", "\"heightClass\":\"Q"), "which is no class"},
        {With("\"languages\":[", "\"languages\":[\"7\","), "\"sheet.languages\" holds"},
        {With("\"Offense\":", "\"Offence\":"), "\"sheet.derived.Offense\" is missing"},
        {"", "f: holds no character"},
        {"\n  \n", "f: holds no character"}};
    EXPECT_NO_THROW(ParseCharacterLines(WithValue("/fields/cboHair", std::string(1000, 'x')), "f"));
    for (const auto& [text, fault] : rows) {
        try {
            ParseCharacterLines(text, "f");
            ADD_FAILURE() << "read: " << text.substr(0, 60);
        } catch (const CharacterFileError& error) {
            EXPECT_NE(std::string(error.what()).find(fault), std::string::npos)
                << error.what() << "\nexpected: " << fault;
        }
    }
}

TEST(CharacterJsonTest, AFolderOrAFileOverTheLimitIsRefusedBeforeItIsRead) {
    const fs::path folder = testing::UniqueTempPath("character-file");
    fs::create_directories(folder);
    const fs::path largest = folder / "largest.jsonl", over = folder / "over.jsonl";
    for (const fs::path& file : {largest, over}) std::ofstream(file).close();
    fs::resize_file(largest, 64 * 1024 * 1024);  // sparse: nothing is written
    fs::resize_file(over, 64 * 1024 * 1024 + 1);
    for (const auto& [path, fault] : {std::pair{folder, std::string("is a folder")},
                                      {largest, std::string("line 1: not JSON")},
                                      {over, std::string("a character file is at most")},
                                      {folder / "none", std::string("No such file")}}) {
        try {
            ReadCharacterFile(path);
            ADD_FAILURE() << path;
        } catch (const CharacterFileError& error) {
            EXPECT_NE(std::string(error.what()).find(path.string() + ": "), std::string::npos);
            EXPECT_NE(std::string(error.what()).find(fault), std::string::npos) << error.what();
        }
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace dossier
