// Every field, every hostile text, every operation: each run ends with a sheet of whole
// lines or with one message and the previous sheet whole. Nothing crashes or hangs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/dice/random_dice.h"
#include "frontend/field_checks.h"
#include "frontend/generation_modes.h"
#include "frontend/sheet_file_sink.h"
#include "support/test_support.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;

// Answers every prompt validly, so each mode runs to its end or to a message.
class ValidAnswers final : public Dialogs {
  public:
    std::optional<std::string> Prompt(Question question, const std::string&,
                                      const std::string&) override {
        return question == Question::Sex ? "f" : "3";
    }
    void Message(const std::string& message, const std::string&) override {
        said.push_back(message);
    }
    std::vector<std::string> said;
};

TEST(HostileInputTest, EveryFieldEveryTextEveryOperation) {
    const fs::path sheet = testing::UniqueTempPath("hostile");
    const std::string previous = "\"the previous sheet\"\r\n";
    SeededDice dice(5);
    int refused = 0, written = 0;
    for (const FieldInfo& info : kFields) {
        for (const std::string& text : testing::kHostileTexts) {
            for (const ModeInfo& mode : kModes) {
                std::ofstream(sheet, std::ios::binary) << previous;
                CharacterRecord record = StartupRecord(dice);
                for (Field trait : kPrimaryTraits) record.Write(trait, "70");
                record.Write(info.field, text);
                SheetFileSink sink(sheet);
                ValidAnswers answers;
                const Outcome outcome = GenerationModes(record, sink, answers).Press(mode.mode);
                std::ifstream in(sheet, std::ios::binary);
                const std::string now(std::istreambuf_iterator<char>(in), {});
                const std::string where = std::string(info.name) + " = \"" + text.substr(0, 20) +
                                          "\", " + std::string(mode.caption);
                ASSERT_EQ(answers.said.size(), outcome == Outcome::Failed ? 1U : 0U) << where;
                if (outcome == Outcome::Failed || now == previous) {
                    ASSERT_EQ(now, previous) << where;
                } else {
                    ASSERT_TRUE(testing::WholeLines(now)) << where;
                }
                refused += outcome == Outcome::Failed;
                written += now != previous;
                CheckAgeOnLeave(record, answers);  // the focus checks take any text too
                CheckLevelOnLeave(record, answers);
            }
        }
    }
    fs::remove(sheet);
    EXPECT_GT(refused, 0);
    EXPECT_GT(written, 1000);
}

TEST(HostileInputTest, ControlCharactersPrintAsQuestionMarksAndTheRecordKeepsThem) {
    SeededDice dice(8);
    CharacterRecord record = StartupRecord(dice);
    record.Write(Field::cboRace, std::string("A\r\nB\0C\x7F", 7));
    for (Field trait : kPrimaryTraits) record.Write(trait, "70");
    const CharacterSheet sheet = ComposeCharacterSheet(record);
    EXPECT_NE(sheet.text.find("Race       A??B?C?\"\r\n"), std::string::npos);
    EXPECT_EQ(record.Text(Field::cboRace).size(), 7U);
}

}  // namespace
}  // namespace dossier
