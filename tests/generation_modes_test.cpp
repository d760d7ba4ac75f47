#include <gtest/gtest.h>

#include <set>

#include "generators/age_handedness.h"
#include "record/random_dice.h"
#include "sheet/sheet_file.h"
#include "ui/generation_modes.h"
#include "ui_test_support.h"

namespace dossier {
namespace {

using testing::RecordingSink;
using testing::ScriptedDialogs;

const std::string kSexPrompt = "prompt|Please Enter the Sex: |Sex";
const std::string kInvalidSex = "message|Enter Male (M) or Female (F) |Invalid Sex";
const std::string kInvalidLevel = "message|Enter an integer from 1 to 20.|Invalid Level";

// Modes roll many dice; seeded dice keep them reproducible while the tests pin the
// prompts, messages, flags and sheets.
class Modes : public ::testing::Test {
  protected:
    Outcome Press(Outcome (GenerationModes::*press)(),
                  std::vector<std::optional<std::string>> answers = {}) {
        dialogs = ScriptedDialogs();
        for (auto& answer : answers) dialogs.Queue(std::move(answer));
        const Outcome outcome = (GenerationModes(record, sink, dialogs).*press)();
        EXPECT_TRUE(dialogs.AllAnswered());
        return outcome;
    }

    SeededDice dice{2024};
    CharacterRecord record = StartupRecord(dice);
    RecordingSink sink;
    ScriptedDialogs dialogs;
};

TEST_F(Modes, SexAnswers) {
    for (const char* male : {"M", "m", "Male", "male"}) {
        EXPECT_EQ(Press(&GenerationModes::cmdRandbySex_Click, {male}), Outcome::Completed);
        EXPECT_EQ(record.Text(Field::cboSex), "Male");
        EXPECT_EQ(dialogs.log, std::vector<std::string>{kSexPrompt});
    }
    for (const char* female : {"F", "f", "Female", "female"}) {
        Press(&GenerationModes::cmdRandbySex_Click, {female});
        EXPECT_EQ(record.Text(Field::cboSex), "Female");
    }
    for (const char* refused : {"MALE", "Male ", " F", "", "Man"}) {
        EXPECT_EQ(Press(&GenerationModes::cmdRandbySex_Click, {refused, "m"}), Outcome::Completed);
        EXPECT_EQ(dialogs.log, (std::vector<std::string>{kSexPrompt, kInvalidSex, kSexPrompt}))
            << refused;
    }
}

TEST_F(Modes, LevelAnswers) {
    const std::string prompt = "prompt|Please Enter a Level: |Level";
    for (const char* valid : {"1", "20"}) {
        Press(&GenerationModes::cdmRandwL_Click, {valid});
        EXPECT_EQ(record.Text(Field::txtLevel), valid);
        EXPECT_EQ(dialogs.log, std::vector<std::string>{prompt});
    }
    for (const char* refused : {"0", "21", "05", " 5", "5.0", "+5", ""}) {
        Press(&GenerationModes::cdmRandwL_Click, {refused, "12"});
        EXPECT_EQ(dialogs.log, (std::vector<std::string>{prompt, kInvalidLevel, prompt}))
            << refused;
        EXPECT_EQ(record.Text(Field::txtLevel), "12");
    }
}

TEST_F(Modes, SexAndLevelRepeatsOnlyTheLevelPromptAndReleasesTheSex) {
    EXPECT_EQ(Press(&GenerationModes::cmdrandbySandL_Click, {"f", "0", "15"}), Outcome::Completed);
    const std::string levelPrompt = "prompt|Please Enter the Level: |Level";
    EXPECT_EQ(dialogs.log,
              (std::vector<std::string>{kSexPrompt, levelPrompt, kInvalidLevel, levelPrompt}));
    EXPECT_EQ(record.Text(Field::cboSex), "Female");
    EXPECT_EQ(record.working.sexFixed, 0);
    EXPECT_EQ(sink.sheets.size(), 1U);
}

TEST_F(Modes, TheFixedSexLastsUntilSexAndLevelCompletes) {
    Press(&GenerationModes::cmdRandbySex_Click, {"f"});
    std::set<std::string> levels;
    for (int i = 0; i < 100; ++i) {
        Press(&GenerationModes::cmdQuikGen_Click);
        ASSERT_EQ(record.Text(Field::cboSex), "Female");
        levels.emplace(record.Text(Field::txtLevel));
    }
    EXPECT_EQ(levels.size(), 10U) << "rolled levels run from 1 to 10";
    EXPECT_FALSE(levels.count("11") + levels.count("0"));
    Press(&GenerationModes::cmdClear_Click);
    EXPECT_EQ(record.working.sexFixed, 1) << "Clear Form keeps the flag";
    Press(&GenerationModes::cmdrandbySandL_Click, {"m", "4"});
    EXPECT_EQ(record.working.sexFixed, 0);
    std::set<std::string> sexes;
    for (int i = 0; i < 40; ++i) {
        Press(&GenerationModes::cmdQuikGen_Click);
        sexes.emplace(record.Text(Field::cboSex));
    }
    EXPECT_EQ(sexes.size(), 2U) << "with the flag released the sex is rolled again";
}

TEST_F(Modes, CancelEndsTheModeWithoutGenerating) {
    EXPECT_EQ(Press(&GenerationModes::cmdRandbySex_Click, {std::nullopt}), Outcome::Cancelled);
    EXPECT_EQ(record.working.sexFixed, 0);
    EXPECT_EQ(Press(&GenerationModes::cmdrandbySandL_Click, {"F", std::nullopt}),
              Outcome::Cancelled);
    EXPECT_EQ(record.Text(Field::cboSex), "Female") << "what the mode wrote stays";
    EXPECT_EQ(record.working.sexFixed, 0) << "but the sex is released";
    EXPECT_EQ(Press(&GenerationModes::cdmRandwL_Click, {"x", std::nullopt}), Outcome::Cancelled);
    EXPECT_EQ(record.Text(Field::txtLevel), "x");
    EXPECT_EQ(record.Text(Field::txtAge), "22") << "nothing was generated";
    EXPECT_TRUE(sink.sheets.empty());
}

TEST_F(Modes, QuickGenerationRerollsTheGlassesAfterTheSheet) {
    int differ = 0;
    for (int i = 0; i < 60; ++i) {
        Press(&GenerationModes::cmdQuikGen_Click);
        differ += sink.glassesAtSheet.back() != record.Text(Field::cboGlasses);
    }
    EXPECT_GT(differ, 0);
}

TEST_F(Modes, ClearFormResetsTheCharacteristicsOnly) {
    Press(&GenerationModes::cmdQuikGen_Click);
    const CharacterRecord before = record;
    Press(&GenerationModes::cmdClear_Click);
    for (const FieldInfo& info : AllFields()) {
        const bool reset =
            info.field != Field::txtAge && info.field != Field::txtLevel && info.startupText != "";
        EXPECT_EQ(record.Text(info.field),
                  reset ? std::string(info.startupText) : before.Text(info.field))
            << info.name;
    }
}

TEST_F(Modes, ValuesThatAreNotNumbersStopWithAMessageAndNoSheet) {
    const std::tuple<Field, const char*, Outcome (GenerationModes::*)(), std::string> rows[] = {
        {Field::txtLevel, "", &GenerationModes::cmdPrimary_Click, kInvalidLevel},
        {Field::txtCH, "abc", &GenerationModes::cmdUseParam_Click,
         "message|Charm must be a whole number, such as 75, but it holds \"abc\". Correct it "
         "and generate again.|Invalid Charm"},
        {Field::txtK, "99999", &GenerationModes::cmdTrandC_Click,
         "message|Knowledge must be a whole number from -32768 to 32767, but it holds \"99999\". "
         "Correct it and generate again.|Invalid Knowledge"}};
    for (const auto& [field, text, press, message] : rows) {
        for (Field trait : kPrimaryTraits) record.Write(trait, "70");
        record.Write(field, text);
        EXPECT_EQ(Press(press), Outcome::Failed) << FieldName(field);
        EXPECT_EQ(dialogs.log, std::vector<std::string>{message});
        EXPECT_TRUE(sink.sheets.empty());
        record.Write(Field::txtLevel, "5");
    }
}

TEST_F(Modes, ASheetThatCannotBeWrittenIsReported) {
    struct FailingSink final : SheetSink {
        void Deliver(const CharacterRecord& r, const CharacterSheet&) override {
            glasses = r.Text(Field::cboGlasses);
            throw SheetWriteError("/nowhere/char.txt", "No such file or directory");
        }
        std::string glasses;
    } failing;
    GenerationModes modes(record, failing, dialogs);
    EXPECT_EQ(modes.cmdQuikGen_Click(), Outcome::Failed);
    EXPECT_EQ(dialogs.log,
              std::vector<std::string>{
                  "message|The character sheet could not be written to /nowhere/char.txt: "
                  "No such file or directory.|Sheet Not Written"})
        << "no sheet stood there, so none is said to be unchanged";
    EXPECT_EQ(record.Text(Field::cboGlasses), failing.glasses) << "the mode stopped at the sheet";
}

}  // namespace
}  // namespace dossier
