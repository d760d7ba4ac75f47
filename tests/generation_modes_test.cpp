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
    GenerationModes With(Dialogs& dialogs) { return GenerationModes(record, sink, dialogs); }

    SeededDice dice{2024};
    CharacterRecord record = StartupRecord(dice);
    RecordingSink sink;
};

TEST_F(Modes, SexAnswers) {
    struct Row {
        const char* answer;
        const char* sex;  // nullptr: refused, then "m" is given
    };
    const Row rows[] = {
        {"M", "Male"},   {"m", "Male"},    {"Male", "Male"}, {"male", "Male"},
        {"F", "Female"}, {"f", "Female"},  {"Female", "Female"}, {"female", "Female"},
        {"MALE", nullptr}, {"Male ", nullptr}, {" F", nullptr}, {"", nullptr}, {"Man", nullptr},
    };
    for (const Row& row : rows) {
        ScriptedDialogs dialogs = row.sex ? ScriptedDialogs{row.answer}
                                          : ScriptedDialogs{row.answer, std::string("m")};
        EXPECT_EQ(With(dialogs).cmdRandbySex_Click(), Outcome::Completed) << row.answer;
        EXPECT_EQ(record.Text(Field::cboSex), row.sex ? row.sex : "Male") << row.answer;
        const std::vector<std::string> expected =
            row.sex ? std::vector<std::string>{kSexPrompt}
                    : std::vector<std::string>{kSexPrompt, kInvalidSex, kSexPrompt};
        EXPECT_EQ(dialogs.log, expected) << row.answer;
    }
}

TEST_F(Modes, LevelAnswers) {
    const std::string prompt = "prompt|Please Enter a Level: |Level";
    for (const char* valid : {"1", "7", "20"}) {
        ScriptedDialogs dialogs{std::string(valid)};
        EXPECT_EQ(With(dialogs).cdmRandwL_Click(), Outcome::Completed);
        EXPECT_EQ(record.Text(Field::txtLevel), valid);
        EXPECT_EQ(dialogs.log, std::vector<std::string>{prompt});
    }
    for (const char* invalid : {"0", "21", "05", " 5", "5 ", "5.0", "+5", "", "five"}) {
        ScriptedDialogs dialogs{std::string(invalid), std::string("12")};
        EXPECT_EQ(With(dialogs).cdmRandwL_Click(), Outcome::Completed);
        EXPECT_EQ(dialogs.log, (std::vector<std::string>{prompt, kInvalidLevel, prompt})) << invalid;
        EXPECT_EQ(record.Text(Field::txtLevel), "12");
    }
}

TEST_F(Modes, RejectedLevelStaysInTheFieldUntilReplaced) {
    struct Watcher final : Dialogs {
        explicit Watcher(const CharacterRecord& r) : record(r) {}
        std::optional<std::string> Prompt(const std::string&, const std::string&) override {
            return ++prompts == 1 ? "99" : "3";
        }
        void Message(const std::string&, const std::string&) override {
            levelDuringMessage = record.Text(Field::txtLevel);
        }
        const CharacterRecord& record;
        int prompts = 0;
        std::string levelDuringMessage;
    } watcher(record);
    EXPECT_EQ(With(watcher).cdmRandwL_Click(), Outcome::Completed);
    EXPECT_EQ(watcher.levelDuringMessage, "99");
}

TEST_F(Modes, SexAndLevelRepeatsOnlyTheLevelPromptAndReleasesTheSex) {
    ScriptedDialogs dialogs{std::string("f"), std::string("0"), std::string("15")};
    EXPECT_EQ(With(dialogs).cmdrandbySandL_Click(), Outcome::Completed);
    const std::string levelPrompt = "prompt|Please Enter the Level: |Level";
    EXPECT_EQ(dialogs.log,
              (std::vector<std::string>{kSexPrompt, levelPrompt, kInvalidLevel, levelPrompt}));
    EXPECT_EQ(record.Text(Field::cboSex), "Female");
    EXPECT_EQ(record.Text(Field::txtLevel), "15");
    EXPECT_EQ(record.working.sexFixed, 0);
    EXPECT_EQ(sink.sheets.size(), 1U);
}

TEST_F(Modes, TheFixedSexLastsUntilSexAndLevelCompletes) {
    ScriptedDialogs bySex{std::string("f")};
    ASSERT_EQ(With(bySex).cmdRandbySex_Click(), Outcome::Completed);
    EXPECT_EQ(record.working.sexFixed, 1);
    ScriptedDialogs none;
    for (int i = 0; i < 30; ++i) {
        ASSERT_EQ(With(none).cmdQuikGen_Click(), Outcome::Completed);
        ASSERT_EQ(record.Text(Field::cboSex), "Female") << "run " << i;
    }
    ASSERT_EQ(With(none).cmdClear_Click(), Outcome::Completed);
    EXPECT_EQ(record.working.sexFixed, 1) << "Clear Form keeps the flag";
    ScriptedDialogs bySexAndLevel{std::string("m"), std::string("4")};
    ASSERT_EQ(With(bySexAndLevel).cmdrandbySandL_Click(), Outcome::Completed);
    EXPECT_EQ(record.working.sexFixed, 0);
    int males = 0;
    for (int i = 0; i < 40; ++i) {
        With(none).cmdQuikGen_Click();
        males += record.Text(Field::cboSex) == "Male";
    }
    EXPECT_GT(males, 0);
    EXPECT_LT(males, 40) << "with the flag released the sex is rolled again";
}

TEST_F(Modes, CancelEndsTheModeWithoutGenerating) {
    ScriptedDialogs cancelSex{std::nullopt};
    EXPECT_EQ(With(cancelSex).cmdRandbySex_Click(), Outcome::Cancelled);
    EXPECT_EQ(record.working.sexFixed, 0);
    EXPECT_EQ(record.Text(Field::cboSex), "Sex");

    ScriptedDialogs cancelLevel{std::string("F"), std::nullopt};
    EXPECT_EQ(With(cancelLevel).cmdrandbySandL_Click(), Outcome::Cancelled);
    EXPECT_EQ(record.Text(Field::cboSex), "Female") << "what the mode wrote stays";
    EXPECT_EQ(record.working.sexFixed, 0) << "but the sex is released";

    ScriptedDialogs cancelAfterRefusal{std::string("x"), std::nullopt};
    EXPECT_EQ(With(cancelAfterRefusal).cdmRandwL_Click(), Outcome::Cancelled);
    EXPECT_EQ(record.Text(Field::txtLevel), "x");
    EXPECT_EQ(record.Text(Field::txtAge), "22") << "nothing was generated";
    EXPECT_TRUE(sink.sheets.empty());
}

TEST_F(Modes, RolledLevelsNeverPassTen) {
    ScriptedDialogs none;
    std::set<std::string> levels;
    for (int i = 0; i < 300; ++i) {
        With(none).cmdQuikGen_Click();
        levels.insert(record.Text(Field::txtLevel));
    }
    EXPECT_EQ(levels, (std::set<std::string>{"1", "10", "2", "3", "4", "5", "6", "7", "8", "9"}));
}

TEST_F(Modes, QuickGenerationRerollsTheGlassesAfterTheSheet) {
    ScriptedDialogs none;
    int differ = 0;
    for (int i = 0; i < 60; ++i) {
        With(none).cmdQuikGen_Click();
        differ += sink.glassesAtSheet.back() != record.Text(Field::cboGlasses);
    }
    EXPECT_EQ(sink.sheets.size(), 60U);
    EXPECT_GT(differ, 0);
}

TEST_F(Modes, ClearFormResetsTheCharacteristicsOnly) {
    ScriptedDialogs none;
    With(none).cmdQuikGen_Click();
    const std::string age = record.Text(Field::txtAge), level = record.Text(Field::txtLevel);
    const std::string strength = record.Text(Field::txtPS), offense = record.Text(Field::txtOF);
    EXPECT_EQ(With(none).cmdClear_Click(), Outcome::Completed);
    for (const auto& [field, caption] :
         {std::pair{Field::cboSex, "Sex"}, {Field::cboHair, "Hair"}, {Field::cboHandedness, "Handedness"},
          {Field::cboRace, "Race"}, {Field::cboHeight, "Height"}, {Field::cboWeight, "Weight"},
          {Field::cboMilitary, "Military Service"}, {Field::cboBranch, "Branch"},
          {Field::cboGlasses, "Glasses"}, {Field::cboPhysique, "Physique"},
          {Field::cboLoss, "% Loss of CD"}}) {
        EXPECT_EQ(record.Text(field), caption);
    }
    EXPECT_EQ(record.Text(Field::txtAge), age);
    EXPECT_EQ(record.Text(Field::txtLevel), level);
    EXPECT_EQ(record.Text(Field::txtPS), strength);
    EXPECT_EQ(record.Text(Field::txtOF), offense);
}

TEST_F(Modes, TraitsThenCharacteristicsWritesTheSheetBeforeRerolling) {
    ScriptedDialogs none;
    record.Write(Field::cboRace, "Asian");
    EXPECT_EQ(With(none).cmdTrandC_Click(), Outcome::Completed);
    ASSERT_EQ(sink.sheets.size(), 1U);
    EXPECT_NE(sink.sheets[0].text.find("Race       Asian"), std::string::npos);
    EXPECT_NE(record.Text(Field::cboMilitary), "Military Service") << "the characteristics were rolled";
}

TEST_F(Modes, ValuesThatAreNotNumbersStopWithAMessageAndNoSheet) {
    struct Row {
        Field field;
        const char* text;
        Outcome (GenerationModes::*press)();
        const char* expectedLog;
    };
    const Row rows[] = {
        {Field::txtLevel, "", &GenerationModes::cmdPrimary_Click, kInvalidLevel.c_str()},
        {Field::txtCH, "abc", &GenerationModes::cmdUseParam_Click,
         "message|Charm must be a number from -32768 to 32767, but it holds \"abc\". Correct it "
         "and generate again.|Invalid Charm"},
        {Field::txtK, "99999", &GenerationModes::cmdTrandC_Click,
         "message|Knowledge must be a number from -32768 to 32767, but it holds \"99999\". "
         "Correct it and generate again.|Invalid Knowledge"},
    };
    for (const Row& row : rows) {
        CharacterRecord fresh = StartupRecord(dice);
        for (Field trait : kPrimaryTraits) fresh.Write(trait, "70");
        fresh.Write(row.field, row.text);
        RecordingSink sheets;
        ScriptedDialogs dialogs;
        GenerationModes modes(fresh, sheets, dialogs);
        EXPECT_EQ((modes.*row.press)(), Outcome::Failed) << FieldName(row.field);
        EXPECT_EQ(dialogs.log, std::vector<std::string>{row.expectedLog});
        EXPECT_TRUE(sheets.sheets.empty());
    }
}

TEST_F(Modes, ASheetThatCannotBeWrittenIsReported) {
    struct FailingSink final : SheetSink {
        void Deliver(const CharacterRecord& r, CharacterSheet) override {
            glasses = r.Text(Field::cboGlasses);
            throw SheetWriteError("/nowhere/char.txt", "No such file or directory");
        }
        std::string glasses;
    } failing;
    ScriptedDialogs dialogs;
    GenerationModes modes(record, failing, dialogs);
    EXPECT_EQ(modes.cmdQuikGen_Click(), Outcome::Failed);
    EXPECT_EQ(dialogs.log, std::vector<std::string>{
                               "message|The character sheet could not be written to "
                               "/nowhere/char.txt: No such file or directory. The previous sheet "
                               "is unchanged.|Sheet Not Written"});
    EXPECT_EQ(record.Text(Field::cboGlasses), failing.glasses)
        << "the mode stopped at the sheet: no glasses re-roll after it";
}

TEST_F(Modes, ExitAsksTheFrontEndToEnd) {
    ScriptedDialogs none;
    EXPECT_EQ(With(none).cmdExit_Click(), Outcome::ExitRequested);
}

}  // namespace
}  // namespace dossier
