#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "cli/batch.h"
#include "cli/cli_options.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

CliRun RunCli(std::vector<std::string> args) {
    args.insert(args.begin(), "dossier-cli");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    const cli::ParseOutcome parsed =
        cli::ParseCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
    const int code = parsed.options ? cli::RunBatch(*parsed.options, out, err, false) : parsed.exitCode;
    return {code, out.str(), err.str()};
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::size_t CountOf(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("dossier-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder;
};

TEST_F(Cli, HelpAndVersion) {
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* caption :
         {"Completely Random Generation", "Random Generation  By Level", "Random Generation by Sex",
          "Random Generation By Sex and Level", "My Characteristcs Random Traits",
          "Generate NPC Using My Traits", "Random Traits Only"}) {
        EXPECT_NE(help.out.find(caption), std::string::npos) << caption;
    }
    const CliRun version = RunCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "dossier-cli 4.1\n");
}

TEST_F(Cli, InvalidUsageAndValuesExitTwoWithTheWindowsMessages) {
    struct Row {
        std::vector<std::string> args;
        const char* message;
    };
    const Row rows[] = {
        {{"--mode", "fast"}, "--mode"},
        {{"--count", "0"}, "--count"},
        {{"--count", "many"}, "--count"},
        {{"--bogus"}, "bogus"},
        {{"--age", "0"}, "Invalid Age: Enter an integer from 1 to 100."},
        {{"--age", "22.0"}, "Invalid Age"},
        {{"--level", "21"}, "Invalid Level: Enter an integer from 1 to 20."},
        {{"--level", "05"}, "Invalid Level"},
        {{"--sex", "MALE"}, "Invalid Sex: Enter Male (M) or Female (F) "},
        {{"--mode", "sex"}, "--sex"},
        {{"--mode", "level"}, "--level"},
        {{"--mode", "sex-level", "--sex", "f", "--level", "0"}, "Invalid Level"},
        {{"--count", "3"}, "--output"},
        {{"--mode", "my-traits", "--ch", "abc", "--output", "-"}, "Charm must be a number"},
        {{"--mode", "my-traits", "--k", "40000", "--output", "-"}, "Invalid Knowledge"},
    };
    for (const Row& row : rows) {
        const CliRun run = RunCli(row.args);
        EXPECT_EQ(run.exitCode, 2) << row.args[0] << ' ' << row.args.back();
        EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << "nothing is written";
    }
}

TEST_F(Cli, PresetsAreTypedIntoTheRecord) {
    const CliRun run = RunCli({"--mode", "my-characteristics", "--sex", "f", "--race", "Asian",
                            "--hair", "Gray", "--age", "57", "--height", "5'10\"", "--weight", "142",
                            "--military", "Seaman", "--branch", "Navy", "--level", "12",
                            "--seed", "9", "--output", "-"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* line : {"Sex        Female\"", "Age        57\"", "Level      12\"",
                             "Hair Color Gray\"", "Height     5'10\"\"", "Weight     142 lbs.\"",
                             "Race       Asian\"", "\"Seaman, Navy\""}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    }
}

TEST_F(Cli, SameSeedSameBytes) {
    const CliRun a = RunCli({"--count", "5", "--seed", "77", "--output", "-"});
    const CliRun b = RunCli({"--count", "5", "--seed", "77", "--output", "-"});
    const CliRun c = RunCli({"--count", "5", "--seed", "78", "--output", "-"});
    ASSERT_EQ(a.exitCode, 0);
    EXPECT_EQ(a.out, b.out);
    EXPECT_NE(a.out, c.out);
    EXPECT_EQ(CountOf(a.out, "\"EDUCATION LEVEL\"\r\n"), 5U) << "five whole sheets, one after another";
    EXPECT_EQ(a.out.substr(0, 32), "\"                          " "     ");
}

TEST_F(Cli, FolderOfNumberedSheets) {
    const fs::path out = folder / "npcs";
    const CliRun run = RunCli({"--count", "12", "--seed", "1", "--output", out.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(out)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names.size(), 12U);
    EXPECT_EQ(names.front(), "char-01.txt");
    EXPECT_EQ(names.back(), "char-12.txt");
    const CliRun streamed = RunCli({"--count", "12", "--seed", "1", "--output", "-"});
    std::string joined;
    for (const std::string& name : names) joined += ReadAll(out / name);
    EXPECT_EQ(joined, streamed.out) << "the files hold the same bytes as the stream";
}

TEST_F(Cli, OneSheetToAFileReplacesIt) {
    const fs::path sheet = folder / "one.txt";
    std::ofstream(sheet) << "old";
    const CliRun run = RunCli({"--seed", "3", "--output", sheet.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadAll(sheet), RunCli({"--seed", "3", "--output", "-"}).out);
}

TEST_F(Cli, UnwritableOutputExitsOneAndLeavesNothingPartial) {
    const fs::path sheet = folder / "keep.txt";
    std::ofstream(sheet) << "previous";
    std::ofstream(folder / "file") << "x";
    for (const fs::path& target : {folder / "missing" / "char.txt", folder / "file" / "npcs"}) {
        const CliRun run = RunCli({"--count", "2", "--format", "json", "--output", target.string()});
        EXPECT_EQ(run.exitCode, 1) << target;
        EXPECT_NE(run.err.find(target.string()), std::string::npos) << run.err;
    }
    const CliRun folderAsSheet = RunCli({"--count", "3", "--output", (folder / "file").string()});
    EXPECT_EQ(folderAsSheet.exitCode, 1);
    EXPECT_EQ(ReadAll(folder / "file"), "x");
    EXPECT_EQ(ReadAll(sheet), "previous");
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++entries;
    EXPECT_EQ(entries, 2U) << "no temporary files are left";
}

TEST_F(Cli, JsonLinesCarryTheRecordAndTheSheet) {
    const CliRun run = RunCli({"--count", "3", "--seed", "11", "--format", "json", "--mode", "sex-level",
                            "--sex", "F", "--level", "14"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    int index = 0;
    while (std::getline(lines, line)) {
        const nlohmann::json character = nlohmann::json::parse(line);
        EXPECT_EQ(character["index"], ++index);
        EXPECT_EQ(character["mode"], "sex-level");
        EXPECT_EQ(character["fields"].size(), 33U);
        EXPECT_EQ(character["fields"]["cboSex"], "Female");
        EXPECT_EQ(character["fields"]["txtLevel"], "14");
        const nlohmann::json& sheet = character["sheet"];
        EXPECT_EQ(sheet["derived"].size(), 14U);
        EXPECT_GE(sheet["languages"].size(), 1U);
        EXPECT_GE(sheet["areas"].size(), 1U);
        EXPECT_EQ(sheet["areas"][0]["name"].get<std::string>().back() != ' ', true);
        EXPECT_TRUE(sheet["education"].is_string());
        // The sheet's Balance is the window's Wellness.
        EXPECT_EQ(sheet["derived"]["Balance"].get<int>(), std::stoi(character["fields"]["txtWell"].get<std::string>()));
    }
    EXPECT_EQ(index, 3);
}

}  // namespace
}  // namespace dossier
