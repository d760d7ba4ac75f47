#include <gtest/gtest.h>

#include <set>
#include <span>

#include "generators/age_handedness.h"
#include "record/numbers.h"
#include "record/random_dice.h"
#include "sheet/sheet_file.h"
#include "test_support.h"
#include "ui/field_validation.h"
#include "ui/generation_modes.h"
#include "ui/generation_sequence.h"
#include "ui_test_support.h"

namespace dossier {
namespace {

using enum Field;

using testing::RecordingSink;
using Expected = std::pair<Field, const char*>;
using testing::RecordTest;
using testing::ScriptedDialogs;

class Sequence : public RecordTest {
  protected:
    void Roll(std::span<const ScriptedRoll> rolls) {
        for (const ScriptedRoll& roll : rolls) dice.Add(roll.sides, roll.result);
    }
    void ExpectFields(std::span<const Expected> expected) {
        for (const auto& [field, text] : expected) EXPECT_EQ(Text(field), text) << FieldName(field);
    }
    void SetAllCharacteristics() {
        const Expected fields[] = {{cboSex, "Male"},
                                   {cboHair, "Gray"},
                                   {cboHandedness, "Right"},
                                   {cboRace, "White"},
                                   {cboHeight, "5'10"},
                                   {cboWeight, "150"},
                                   {cboGlasses, "Glasses - no CLs"}};
        for (const auto& [field, text] : fields) Set(field, text);
    }
    // The rolls of one sheet: the loss, the languages with the first at 100 so every later
    // roll is kept, the education, and distinct areas.
    void ScriptSheet(int lossRoll, int languages, int areas) {
        dice.Add({{100, lossRoll}, {30, 30}});
        for (int i = 1; i < std::max(languages, 2); ++i) dice.Add(100, 50);
        dice.Add(100, 50);
        for (int slot = 1; slot <= areas; ++slot) dice.Add({{40, slot}, {100, 50}});
    }

    RecordingSink sink;
    GenerationSequence sequence{record, sink};
};

// Each die is scripted for the generator that must roll it, so a change of order fails.
TEST_F(Sequence, GenCharsResetsAndRollsInOrder) {
    Set(txtPS, "61");
    // The age hook when " " is written, hair Blonde, sex Female, handedness Left, race White (the
    // hair stays), height 5'5, weight 135, the term die for age 22, no service, glasses.
    const ScriptedRoll rolls[] = {{30, 10}, {100, 80}, {100, 51}, {100, 90},  {100, 60},
                                  {10, 4},  {100, 50}, {7, 2},    {100, 100}, {10, 1}};
    Roll(rolls);
    sequence.cmdGenChars_Click();
    const Expected expected[] = {{cboHair, "Blonde"},
                                 {cboSex, "Female"},
                                 {cboHandedness, "Left"},
                                 {txtAge, "22"},
                                 {cboHeight, "5'5"},
                                 {cboWeight, "135"},
                                 {txtPS, "61"},
                                 {cboMilitary, "No Military Service"},
                                 {cboGlasses, "Glasses - no CLs"}};
    ExpectFields(expected);
    EXPECT_TRUE(sink.sheets.empty());
}

TEST_F(Sequence, UserCharsRollsOnlyUnsetFieldsWeightBeforeHeight) {
    Set(cboHandedness, "Left");
    Set(cboRace, "Asian");
    // Hair, sex, weight, height, glasses.
    const ScriptedRoll rolls[] = {{100, 80}, {100, 10}, {100, 50}, {10, 8}, {10, 10}};
    Roll(rolls);
    sequence.cmdUserChars_Click();
    const Expected expected[] = {{cboWeight, "160"},
                                 {cboHeight, "6'0"},
                                 {cboMilitary, "Military Service"},
                                 {cboHandedness, "Left"}};
    ExpectFields(expected);
}

TEST_F(Sequence, PrimaryRollsAllTraitsClassesTheCharacterAndWritesTheSheet) {
    SetAllCharacteristics();
    Set(txtCH, "typed");  // replaced
    Set(txtLevel, "1");
    // PS: 50 thrown back, 51 + 10 = 61; CH to CO; K: 10 thrown back, then 100; CD; then
    // RollHeight's die, the height already set, and the sequence's own coordination loss.
    const ScriptedRoll rolls[] = {{100, 50}, {100, 51}, {100, 60},  {100, 70}, {100, 71},
                                  {100, 90}, {100, 10}, {100, 100}, {10, 3},   {100, 50}};
    Roll(rolls);
    ScriptSheet(20, 4, 10);  // the loss again in the sheet; K 95
    sequence.cmdPrimary_Click();
    // The typed trait replaced, the derived traits filled, the loss of the sheet's own roll,
    // the physique from the classes the sequence set, the height kept.
    const Expected expected[] = {{txtPS, "61"},
                                 {txtCH, "70"},
                                 {txtOF, "88"},
                                 {cboLoss, "20%"},
                                 {cboPhysique, "Average"},
                                 {cboHeight, "5'10"}};
    ExpectFields(expected);
    ASSERT_EQ(sink.sheets.size(), 1U);
}

TEST_F(Sequence, UseParamKeepsTypedTraitsAndRollsEmptyOnesInOrder) {
    SetAllCharacteristics();
    Set(txtCH, "45");
    Set(txtK, "30");
    dice.Add({{100, 51}, {100, 52}, {100, 53}, {100, 54}});  // PS, WP, CO, CD
    ScriptSheet(100, 2, 3);                                  // K 30
    sequence.cmdUseParam_Click();
    const Expected expected[] = {{txtPS, "72"}, {txtCH, "45"}, {txtCD, "75"}};
    ExpectFields(expected);
    EXPECT_EQ(sink.sheets.size(), 1U);
}

TEST_F(Sequence, UseParamKeepsABlankTraitAndStopsOnItWithoutASheet) {
    SetAllCharacteristics();
    for (Field trait : kPrimaryTraits) Set(trait, "60");
    Set(txtWP, " ");
    EXPECT_THROW(sequence.cmdUseParam_Click(), FieldValueError) << "a lone blank is not a number";
    EXPECT_EQ(Text(txtWP), " ");
    EXPECT_TRUE(sink.sheets.empty());
}

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
    // The answer and the sex it gives; a refused one brings Invalid Sex and the prompt again.
    const std::pair<const char*, const char*> rows[] = {
        {"M", "Male"},     {"m", "Male"},      {"Male", "Male"},     {"male", "Male"},
        {"F", "Female"},   {"f", "Female"},    {"Female", "Female"}, {"female", "Female"},
        {"MALE", nullptr}, {"Male ", nullptr}, {" F", nullptr},      {"", nullptr},
        {"Man", nullptr}};
    for (const auto& [answer, sex] : rows) {
        std::vector<std::optional<std::string>> answers = {answer};
        if (sex == nullptr) answers.push_back("m");
        EXPECT_EQ(Press(&GenerationModes::cmdRandbySex_Click, answers), Outcome::Completed);
        EXPECT_EQ(record.Text(cboSex), sex ? sex : "Male") << answer;
        const std::vector<std::string> refused = {kSexPrompt, kInvalidSex, kSexPrompt};
        EXPECT_EQ(dialogs.log, sex ? std::vector<std::string>{kSexPrompt} : refused) << answer;
    }
}

// Which level texts pass is the validator's own table; here the prompt repeats until one does.
TEST_F(Modes, LevelAnswers) {
    const std::string prompt = "prompt|Please Enter a Level: |Level";
    Press(&GenerationModes::cdmRandwL_Click, {"05", "20"});
    EXPECT_EQ(dialogs.log, (std::vector<std::string>{prompt, kInvalidLevel, prompt}));
    EXPECT_EQ(record.Text(txtLevel), "20");
}

TEST_F(Modes, SexAndLevelRepeatsOnlyTheLevelPromptAndReleasesTheSex) {
    EXPECT_EQ(Press(&GenerationModes::cmdrandbySandL_Click, {"f", "0", "15"}), Outcome::Completed);
    const std::string levelPrompt = "prompt|Please Enter the Level: |Level";
    EXPECT_EQ(dialogs.log,
              (std::vector<std::string>{kSexPrompt, levelPrompt, kInvalidLevel, levelPrompt}));
    EXPECT_EQ(record.Text(cboSex), "Female");
    EXPECT_EQ(record.working.sexFixed, 0);
    EXPECT_EQ(sink.sheets.size(), 1U);
}

TEST_F(Modes, TheFixedSexLastsUntilSexAndLevelCompletes) {
    Press(&GenerationModes::cmdRandbySex_Click, {"f"});
    std::set<std::string> levels;
    for (int i = 0; i < 100; ++i) {
        Press(&GenerationModes::cmdQuikGen_Click);
        ASSERT_EQ(record.Text(cboSex), "Female");
        levels.emplace(record.Text(txtLevel));
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
        sexes.emplace(record.Text(cboSex));
    }
    EXPECT_EQ(sexes.size(), 2U) << "with the flag released the sex is rolled again";
}

TEST_F(Modes, CancelEndsTheModeWithoutGenerating) {
    EXPECT_EQ(Press(&GenerationModes::cmdRandbySex_Click, {std::nullopt}), Outcome::Cancelled);
    EXPECT_EQ(record.working.sexFixed, 0);
    EXPECT_EQ(Press(&GenerationModes::cmdrandbySandL_Click, {"F", std::nullopt}),
              Outcome::Cancelled);
    EXPECT_EQ(record.Text(cboSex), "Female") << "what the mode wrote stays";
    EXPECT_EQ(record.working.sexFixed, 0) << "but the sex is released";
    EXPECT_EQ(Press(&GenerationModes::cdmRandwL_Click, {"x", std::nullopt}), Outcome::Cancelled);
    EXPECT_EQ(record.Text(txtLevel), "x");
    EXPECT_EQ(record.Text(txtAge), "22") << "nothing was generated";
    EXPECT_TRUE(sink.sheets.empty());
}

TEST_F(Modes, QuickGenerationRerollsTheGlassesAfterTheSheet) {
    int differ = 0;
    for (int i = 0; i < 60; ++i) {
        Press(&GenerationModes::cmdQuikGen_Click);
        differ += sink.glassesAtSheet.back() != record.Text(cboGlasses);
    }
    EXPECT_GT(differ, 0);
}

TEST_F(Modes, ClearFormResetsTheCharacteristicsOnly) {
    Press(&GenerationModes::cmdQuikGen_Click);
    const CharacterRecord before = record;
    Press(&GenerationModes::cmdClear_Click);
    for (const FieldInfo& info : AllFields()) {
        const bool reset = info.field != txtAge && info.field != txtLevel && info.startupText != "";
        EXPECT_EQ(record.Text(info.field),
                  reset ? std::string(info.startupText) : before.Text(info.field))
            << info.name;
    }
}

TEST_F(Modes, ValuesThatAreNotNumbersStopWithAMessageAndNoSheet) {
    const std::tuple<Field, const char*, Outcome (GenerationModes::*)(), std::string> rows[] = {
        {txtLevel, "", &GenerationModes::cmdPrimary_Click, kInvalidLevel},
        {txtCH, "abc", &GenerationModes::cmdUseParam_Click,
         "message|Charm must be a whole number, such as 75, but it holds \"abc\". Correct it "
         "and generate again.|Invalid Charm"},
        {txtK, "99999", &GenerationModes::cmdTrandC_Click,
         "message|Knowledge must be a whole number from -32768 to 32767, but it holds \"99999\". "
         "Correct it and generate again.|Invalid Knowledge"}};
    for (const auto& [field, text, press, message] : rows) {
        for (Field trait : kPrimaryTraits) record.Write(trait, "70");
        record.Write(field, text);
        EXPECT_EQ(Press(press), Outcome::Failed) << FieldName(field);
        EXPECT_EQ(dialogs.log, std::vector<std::string>{message});
        EXPECT_TRUE(sink.sheets.empty());
        record.Write(txtLevel, "5");
    }
}

TEST_F(Modes, ASheetThatCannotBeWrittenIsReported) {
    struct FailingSink final : SheetSink {
        void Deliver(const CharacterRecord& r, const CharacterSheet&) override {
            glasses = r.Text(cboGlasses);
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
    EXPECT_EQ(record.Text(cboGlasses), failing.glasses) << "the mode stopped at the sheet";
}

TEST_F(RecordTest, LeavingTheAgeOrLevelChecksTheExactText) {
    constexpr Field A = txtAge, L = txtLevel;
    const std::tuple<Field, const char*, bool> rows[] = {
        {A, "1", true},    {A, "100", true},   {A, "0", false},           {A, "101", false},
        {A, "022", false}, {A, "22.0", false}, {A, "-5", false},          {A, " 22", false},
        {A, "", false},    {A, "1e2", false},  {A, "99999999999", false}, {L, "20", true},
        {L, "21", false},  {L, "5 ", false},   {L, "+5", false}};
    for (const auto& [field, text, valid] : rows) {
        const bool age = field == A;
        Set(field, text);
        testing::ScriptedDialogs dialogs;
        EXPECT_EQ(age ? txtAge_LostFocus(record, dialogs) : txtLevel_LostFocus(record, dialogs),
                  valid)
            << text;
        const std::string message = age ? "message|Enter an integer from 1 to 100.|Invalid Age"
                                        : "message|Enter an integer from 1 to 20.|Invalid Level";
        EXPECT_EQ(dialogs.log, std::vector<std::string>(valid ? 0 : 1, message)) << text;
        EXPECT_EQ(Text(field), valid ? text : "")
            << "a refused text is emptied, which rolls nothing";
    }
}

TEST_F(RecordTest, LeavingTheWeightCaptionRollsAWeight) {
    Set(cboSex, "Male");
    dice.Add(100, 98);
    cboWeight_LostFocus(record);
    cboWeight_LostFocus(record);  // now set: nothing more is rolled
    EXPECT_EQ(Text(cboWeight), "210");
}

}  // namespace
}  // namespace dossier
