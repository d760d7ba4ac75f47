// Every field, every hostile text, every operation: each run ends with a well-formed sheet
// or with a message and the previous sheet whole. Nothing crashes or hangs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "generators/age_handedness.h"
#include "record/random_dice.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_sink.h"
#include "sheet_format.h"
#include "test_support.h"
#include "ui/field_validation.h"
#include "ui/generation_modes.h"
#include "ui_test_support.h"

#ifndef _WIN32
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

namespace dossier {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string>& HostileTexts() {
    static const std::vector<std::string> texts = {
        "",
        " ",
        " 55 ",
        std::string(10000, '7'),
        std::string("5\0"
                    "5",
                    3),
        "\x01\x1b[31m\t\r\n",
        "Zo\xC3\xAB \xC3\x9Cnal \xE6\x97\xA5\xE6\x9C\xAC",
        "\xFF\xFE not UTF-8",
        "\"",
        "1e309",
        "nan",
        "inf",
        "-0",
        "0x10",
        "1,5",
        "32768",
        "-32769",
        "32767",
        "-32768"};
    return texts;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Answers every prompt validly, so each mode runs to its end or to a message.
class ValidAnswers final : public Dialogs {
  public:
    std::optional<std::string> Prompt(const std::string&, const std::string& title) override {
        return title == "Sex" ? "f" : "3";
    }
    void Message(const std::string& message, const std::string& title) override {
        messages.push_back(title + ": " + message);
    }
    std::vector<std::string> messages;
};

struct Operation {
    const char* name;
    Outcome (GenerationModes::*press)();
};

const Operation kOperations[] = {{"cmdGenChars", &GenerationModes::cmdGenChars_Click},
                                 {"cmdPrimary", &GenerationModes::cmdPrimary_Click},
                                 {"cmdUseParam", &GenerationModes::cmdUseParam_Click},
                                 {"cmdQuikGen", &GenerationModes::cmdQuikGen_Click},
                                 {"cdmRandwL", &GenerationModes::cdmRandwL_Click},
                                 {"cmdRandbySex", &GenerationModes::cmdRandbySex_Click},
                                 {"cmdrandbySandL", &GenerationModes::cmdrandbySandL_Click},
                                 {"cmdSrandT", &GenerationModes::cmdSrandT_Click},
                                 {"cmdTrandC", &GenerationModes::cmdTrandC_Click},
                                 {"cmdClear", &GenerationModes::cmdClear_Click}};

TEST(HostileInput, EveryFieldEveryTextEveryOperation) {
    const fs::path sheet = testing::UniqueTempPath("hostile");
    const std::string previous = "\"the previous sheet\"\r\n";
    SeededDice dice(5);
    int failures = 0, sheets = 0;
    for (const FieldInfo& info : AllFields()) {
        for (const std::string& text : HostileTexts()) {
            for (const Operation& operation : kOperations) {
                { std::ofstream(sheet, std::ios::binary) << previous; }
                CharacterRecord record = StartupRecord(dice);
                for (Field trait : kPrimaryTraits) record.Write(trait, "70");
                record.Write(info.field, text);
                SheetFileSink sink(sheet);
                ValidAnswers answers;
                GenerationModes modes(record, sink, answers);
                const Outcome outcome = (modes.*operation.press)();
                const std::string written = ReadAll(sheet);
                const std::string where = std::string(operation.name) + " with " +
                                          std::string(info.name) + " = \"" + text.substr(0, 20) +
                                          "\"";
                if (outcome == Outcome::Failed) {
                    ++failures;
                    ASSERT_EQ(answers.messages.size(), 1U) << where;
                    ASSERT_EQ(written, previous) << where;
                } else {
                    ASSERT_EQ(outcome, Outcome::Completed) << where;
                    ASSERT_TRUE(answers.messages.empty()) << where << ": " << answers.messages[0];
                    if (written != previous) {
                        ++sheets;
                        const auto problem = testing::SheetFormatProblem(written);
                        ASSERT_FALSE(problem.has_value()) << where << ": " << *problem;
                    }
                }
                // The focus-lost checks take any text too.
                ValidAnswers checks;
                txtAge_LostFocus(record, checks);
                txtLevel_LostFocus(record, checks);
            }
        }
    }
    fs::remove(sheet);
    EXPECT_GT(failures, 0) << "bad numbers must be refused somewhere";
    EXPECT_GT(sheets, 1000);
}

TEST(HostileInput, ControlCharactersPrintAsQuestionMarks) {
    SeededDice dice(8);
    CharacterRecord record = StartupRecord(dice);
    record.Write(Field::cboRace, std::string("A\r\nB\0C\x7F", 7));
    testing::RecordingSink sink;
    testing::ScriptedDialogs none;
    GenerationModes modes(record, sink, none);
    ASSERT_EQ(modes.cmdSrandT_Click(), Outcome::Completed);
    ASSERT_EQ(sink.sheets.size(), 1U);
    EXPECT_NE(sink.sheets[0].text.find("Race       A??B?C?\"\r\n"), std::string::npos);
    EXPECT_EQ(record.Text(Field::cboRace).size(), 7U) << "the record keeps what was typed";
}

#ifndef _WIN32
struct Exit {
    bool signalled;
    int code;
};

Exit RunProgram(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return {true, -1};
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFSIGNALED(status), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(HostileInput, CliPresetsExitCleanly) {
    const char* presets[] = {"--sex",    "--race",   "--hair",     "--handedness", "--age",
                             "--height", "--weight", "--military", "--branch",     "--glasses",
                             "--level",  "--ps",     "--ch",       "--wp",         "--co",
                             "--k",      "--cd"};
    for (const char* mode : {"my-traits", "sex-level"}) {
        for (const char* preset : presets) {
            for (const std::string& text : HostileTexts()) {
                if (text.find('\0') != std::string::npos) continue;  // no argument can hold one
                std::vector<std::string> args = {
                    DOSSIER_CLI_PATH, "--mode", mode, "--output", "-", "--seed", "1", preset, text};
                if (std::string(mode) == "sex-level" && std::string(preset) != "--sex") {
                    args.insert(args.end(), {"--sex", "m"});
                }
                if (std::string(mode) == "sex-level" && std::string(preset) != "--level") {
                    args.insert(args.end(), {"--level", "4"});
                }
                const Exit exit = RunProgram(args);
                EXPECT_FALSE(exit.signalled)
                    << mode << ' ' << preset << " \"" << text.substr(0, 20) << '"';
                EXPECT_TRUE(exit.code == 0 || exit.code == 2)
                    << mode << ' ' << preset << " \"" << text.substr(0, 20) << "\" exit "
                    << exit.code;
            }
        }
    }
}
#endif

}  // namespace
}  // namespace dossier

namespace dossier {
namespace {

TEST(SheetFormatCheck, CatchesBrokenSheets) {
    SeededDice dice(12);
    CharacterRecord record = StartupRecord(dice);
    testing::RecordingSink sink;
    testing::ScriptedDialogs none;
    ASSERT_EQ(GenerationModes(record, sink, none).cmdQuikGen_Click(), Outcome::Completed);
    const std::string good = sink.sheets.at(0).text;
    ASSERT_FALSE(testing::SheetFormatProblem(good).has_value());
    const std::pair<std::string, std::string> breaks[] = {
        {"\r\n", "\n"},
        {"     Sex        ", "     Sex        \r\n"},
        {"Charm     ", "Charms    "},
        {"Offense                   ", "Offense                   x"},
        {" lbs.", " kg."},
        {"\"EDUCATION LEVEL\"", "\"EDUCATION\""},
        {"Race", std::string("Ra\0e", 4)}};
    for (const auto& [from, to] : breaks) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        EXPECT_TRUE(testing::SheetFormatProblem(text).has_value()) << to;
    }
    EXPECT_TRUE(testing::SheetFormatProblem(good.substr(0, good.size() - 2)).has_value());
    EXPECT_TRUE(testing::SheetFormatProblem(good.substr(0, good.find(std::string(33, '-')) + 36))
                    .has_value());
}

}  // namespace
}  // namespace dossier
