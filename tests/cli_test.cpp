// dossier-cli in-process: parsing, presets and what each output holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

TEST(Cli, HelpVersionAndEveryRefusedUsageWithItsMessage) {
    EXPECT_NE(RunCli({"--help"}).out.find("\"Random Generation  By Level\""), std::string::npos);
    EXPECT_EQ(RunCli({"--version"}).out, "dossier-cli 4.1\n");
    const std::pair<std::vector<std::string>, const char*> rows[] = {
        {{"--mode", "fast"}, "--mode"},
        {{"--bogus"}, "bogus"},
        {{"--age", "22.0"}, "Invalid Age: Enter an integer from 1 to 100."},
        {{"--level", "05"}, "Invalid Level: Enter an integer from 1 to 20."},
        {{"--sex", "MALE"}, "Invalid Sex: Enter Male (M) or Female (F) "},
        {{"--mode", "sex"}, "--sex"},
        {{"--mode", "level"}, "--level"},
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

TEST(Cli, PresetsAreTypedIntoTheRecord) {
    const CliRun run = RunCli({"--mode",     "my-characteristics",
                               "--sex",      "f",
                               "--race",     "Asian",
                               "--age",      "57",
                               "--height",   "5'10\"",
                               "--military", "Seaman",
                               "--branch",   "Navy",
                               "--level",    "12",
                               "--seed",     "9",
                               "--output",   "-"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* line : {"Sex        Female\"", "Age        57\"", "Level      12\"",
                             "Height     5'10\"\"", "Race       Asian\"", "\"Seaman, Navy\""})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
}

TEST(Cli, ASeededBatchIsTheSameOnTheStreamAndInItsFiles) {
    const CliRun a = RunCli({"--count", "12", "--seed", "77", "--output", "-"});
    EXPECT_NE(a.out, RunCli({"--count", "12", "--seed", "78", "--output", "-"}).out);
    const fs::path folder = testing::UniqueTempPath("cli");
    ASSERT_EQ(RunCli({"--count", "12", "--seed", "77", "--output", folder.string() + "/"}).exitCode,
              0);
    std::string joined;
    for (int i = 1; i <= 12; ++i) {
        joined += testing::ReadAll(
            folder / ("char-0000" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".txt"));
    }
    fs::remove_all(folder);
    EXPECT_EQ(joined, a.out);
}

}  // namespace
}  // namespace dossier
