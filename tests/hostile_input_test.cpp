// Every field, every hostile text, every operation: each run ends with a sheet of whole
// lines or with one message and the previous sheet whole. Nothing crashes or hangs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "generators/age_handedness.h"
#include "record/random_dice.h"
#include "sheet/character_sheet.h"
#include "sheet/sheet_sink.h"
#include "test_support.h"
#include "ui/field_validation.h"
#include "ui/generation_modes.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;

// Answers every prompt validly, so each mode runs to its end or to a message.
class ValidAnswers final : public Dialogs {
  public:
    std::optional<std::string> Prompt(const std::string&, const std::string& title) override {
        return title == "Sex" ? "f" : "3";
    }
    void Message(const std::string& message, const std::string&) override {
        said.push_back(message);
    }
    std::vector<std::string> said;
};

TEST(HostileInput, EveryFieldEveryTextEveryOperation) {
    Outcome (GenerationModes::*const presses[])() = {
        &GenerationModes::cmdGenChars_Click,    &GenerationModes::cmdPrimary_Click,
        &GenerationModes::cmdUseParam_Click,    &GenerationModes::cmdQuikGen_Click,
        &GenerationModes::cdmRandwL_Click,      &GenerationModes::cmdRandbySex_Click,
        &GenerationModes::cmdrandbySandL_Click, &GenerationModes::cmdSrandT_Click,
        &GenerationModes::cmdTrandC_Click,      &GenerationModes::cmdClear_Click};
    const fs::path sheet = testing::UniqueTempPath("hostile");
    const std::string previous = "\"the previous sheet\"\r\n";
    SeededDice dice(5);
    int refused = 0, written = 0;
    for (const FieldInfo& info : AllFields()) {
        for (const std::string& text : testing::kHostileTexts) {
            for (std::size_t press = 0; press < std::size(presses); ++press) {
                std::ofstream(sheet, std::ios::binary) << previous;
                CharacterRecord record = StartupRecord(dice);
                for (Field trait : kPrimaryTraits) record.Write(trait, "70");
                record.Write(info.field, text);
                SheetFileSink sink(sheet);
                ValidAnswers answers;
                const Outcome outcome = (GenerationModes(record, sink, answers).*presses[press])();
                std::ifstream in(sheet, std::ios::binary);
                const std::string now(std::istreambuf_iterator<char>(in), {});
                const std::string where = std::string(info.name) + " = \"" + text.substr(0, 20) +
                                          "\", press " + std::to_string(press);
                ASSERT_EQ(answers.said.size(), outcome == Outcome::Failed ? 1U : 0U) << where;
                if (outcome == Outcome::Failed || now == previous) {
                    ASSERT_EQ(now, previous) << where;
                } else {
                    ASSERT_TRUE(testing::WholeLines(now)) << where;
                }
                refused += outcome == Outcome::Failed;
                written += now != previous;
                txtAge_LostFocus(record, answers);  // the focus checks take any text too
                txtLevel_LostFocus(record, answers);
            }
        }
    }
    fs::remove(sheet);
    EXPECT_GT(refused, 0);
    EXPECT_GT(written, 1000);
}

TEST(HostileInput, ControlCharactersPrintAsQuestionMarksAndTheRecordKeepsThem) {
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
