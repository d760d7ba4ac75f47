#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/batch.h"
#include "cli/cli_options.h"
#include "test_support.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode;
    std::string out, err;
};

CliRun RunCli(std::vector<std::string> args) {
    args.insert(args.begin(), "dossier-cli");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    const cli::ParseOutcome parsed =
        cli::ParseCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
    return {parsed.options ? cli::RunBatch(*parsed.options, out, err) : parsed.exitCode, out.str(),
            err.str()};
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Cli : public ::testing::Test {
  protected:
    void SetUp() override { fs::remove_all(folder), fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder = testing::UniqueTempPath("cli");
};

TEST_F(Cli, HelpListsEveryModeAndVersionIsFourOne) {
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* caption :
         {"\"Completely Random Generation\"", "\"Random Generation  By Level\"",
          "\"My Characteristcs Random Traits\"", "\"Generate NPC Using My Traits\""}) {
        EXPECT_NE(help.out.find(caption), std::string::npos) << caption;
    }
    EXPECT_EQ(RunCli({"--version"}).out, "dossier-cli 4.1\n");
}

TEST_F(Cli, InvalidUsageAndValuesExitTwoAndWriteNothing) {
    const std::pair<std::vector<std::string>, const char*> rows[] = {
        {{"--mode", "fast"}, "--mode"},
        {{"--count", "0"}, "--count"},
        {{"--bogus"}, "bogus"},
        {{"--age", "22.0"}, "Invalid Age: Enter an integer from 1 to 100."},
        {{"--level", "05"}, "Invalid Level: Enter an integer from 1 to 20."},
        {{"--sex", "MALE"}, "Invalid Sex: Enter Male (M) or Female (F) "},
        {{"--mode", "sex"}, "--sex"},
        {{"--mode", "level"}, "--level"},
        {{"--mode", "sex-level", "--sex", "f", "--level", "0"}, "Invalid Level"},
        {{"--count", "3"}, "--output"},
        {{"--mode", "my-traits", "--ch", "abc", "--output", "-"},
         "Charm must be a whole number, such as 75"}};
    for (const auto& [args, message] : rows) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.back();
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

TEST_F(Cli, PresetsAreTypedIntoTheRecord) {
    const CliRun run = RunCli({"--mode",     "my-characteristics",
                               "--sex",      "f",
                               "--race",     "Asian",
                               "--hair",     "Gray",
                               "--age",      "57",
                               "--height",   "5'10\"",
                               "--military", "Seaman",
                               "--branch",   "Navy",
                               "--level",    "12",
                               "--seed",     "9",
                               "--output",   "-"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* line :
         {"Sex        Female\"", "Age        57\"", "Level      12\"", "Hair Color Gray\"",
          "Height     5'10\"\"", "Race       Asian\"", "\"Seaman, Navy\""}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    }
}

TEST_F(Cli, SeededBatchesToTheStreamAndToNumberedFiles) {
    const CliRun a = RunCli({"--count", "12", "--seed", "77", "--output", "-"});
    ASSERT_EQ(a.exitCode, 0);
    EXPECT_EQ(a.out, RunCli({"--count", "12", "--seed", "77", "--output", "-"}).out);
    EXPECT_NE(a.out, RunCli({"--count", "12", "--seed", "78", "--output", "-"}).out);

    ASSERT_EQ(
        RunCli({"--count", "12", "--seed", "77", "--output", (folder / "npcs").string() + "/"})
            .exitCode,
        0);
    std::string joined;
    for (int i = 1; i <= 12; ++i) {
        const fs::path file =
            folder / "npcs" / ((i < 10 ? "char-00000" : "char-0000") + std::to_string(i) + ".txt");
        ASSERT_TRUE(fs::exists(file)) << file;
        joined += ReadAll(file);
    }
    EXPECT_EQ(joined, a.out) << "the files hold the same bytes as the stream, one sheet each";

    const fs::path one = folder / "one.txt";
    std::ofstream(one) << "old";
    ASSERT_EQ(RunCli({"--seed", "3", "--output", one.string()}).exitCode, 0);
    EXPECT_EQ(ReadAll(one), RunCli({"--seed", "3", "--output", "-"}).out);
}

TEST_F(Cli, UnwritableOutputExitsOneAndLeavesNothingPartial) {
    std::ofstream(folder / "file") << "x";
    for (const fs::path& target : {folder / "missing" / "out.jsonl", folder / "file" / "npcs"}) {
        const CliRun run =
            RunCli({"--count", "2", "--format", "json", "--output", target.string()});
        EXPECT_EQ(run.exitCode, 1) << target;
        EXPECT_NE(run.err.find(target.string()), std::string::npos) << run.err;
    }
    EXPECT_EQ(RunCli({"--count", "3", "--output", (folder / "file").string()}).exitCode, 2)
        << "several sheets never go into one file";
    EXPECT_EQ(ReadAll(folder / "file"), "x");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1)
        << "no temporary files are left";
}

TEST_F(Cli, JsonLinesCarryTheRecordAndTheSheet) {
    const CliRun run = RunCli({"--count", "3", "--seed", "11", "--format", "json", "--mode",
                               "sex-level", "--sex", "F", "--level", "14"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    int index = 0;
    while (std::getline(lines, line)) {
        const nlohmann::json character = nlohmann::json::parse(line);
        EXPECT_EQ(character["index"], ++index);
        EXPECT_EQ(character["fields"].size(), 33U);
        EXPECT_EQ(character["fields"]["cboSex"], "Female");
        EXPECT_EQ(character["fields"]["txtLevel"], "14");
        const nlohmann::json& sheet = character["sheet"];
        EXPECT_EQ(sheet["derived"].size(), 14U);
        EXPECT_FALSE(sheet["languages"].empty());
        EXPECT_NE(sheet["areas"][0]["name"].get<std::string>().back(), ' ') << "names are trimmed";
        EXPECT_EQ(sheet["derived"]["Balance"].get<int>(),
                  std::stoi(character["fields"]["txtWell"].get<std::string>()));
    }
    EXPECT_EQ(index, 3);
}

}  // namespace
}  // namespace dossier
