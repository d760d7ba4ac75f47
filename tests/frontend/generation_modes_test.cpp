#include <gtest/gtest.h>

#include <set>

#include "core/dice/random_dice.h"
#include "frontend/generation_modes.h"
#include "platform/replacing_file.h"
#include "support/frontend_fakes.h"
#include "support/test_support.h"

namespace dossier {
namespace {

using enum Field;

using testing::ScriptedDialogs;

const std::string kSexPrompt = "prompt|Please Enter the Sex: |Sex";
const std::string kInvalidSex = "message|Enter Male (M) or Female (F) |Invalid Sex";
const std::string kInvalidLevel = "message|Enter an integer from 1 to 20.|Invalid Level";

// Modes roll many dice; seeded dice keep them reproducible while the tests pin the
// prompts, messages, flags and sheets.
class GenerationModesTest : public ::testing::Test {
  protected:
    Outcome Press(Mode mode, std::vector<std::optional<std::string>> answers = {}) {
        dialogs = ScriptedDialogs();
        for (auto& answer : answers) dialogs.Queue(std::move(answer));
        const Outcome outcome = GenerationModes(record, sink, dialogs).Press(mode);
        EXPECT_TRUE(dialogs.AllAnswered());
        return outcome;
    }

    SeededDice dice{2024};
    CharacterRecord record = StartupRecord(dice);
    testing::RecordingSink sink;
    ScriptedDialogs dialogs;
};

TEST_F(GenerationModesTest, SexAnswers) {
    // The answer and the sex it gives; a refused one brings Invalid Sex and the prompt again.
    const std::pair<const char*, const char*> rows[] = {
        {"M", "Male"},     {"m", "Male"},      {"Male", "Male"},     {"male", "Male"},
        {"F", "Female"},   {"f", "Female"},    {"Female", "Female"}, {"female", "Female"},
        {"MALE", nullptr}, {"Male ", nullptr}, {" F", nullptr},      {"", nullptr},
        {"Man", nullptr}};
    for (const auto& [answer, sex] : rows) {
        std::vector<std::optional<std::string>> answers = {answer};
        if (sex == nullptr) answers.push_back("m");
        EXPECT_EQ(Press(Mode::BySex, answers), Outcome::Completed);
        EXPECT_EQ(record.Text(cboSex), sex ? sex : "Male") << answer;
        const std::vector<std::string> refused = {kSexPrompt, kInvalidSex, kSexPrompt};
        EXPECT_EQ(dialogs.log, sex ? std::vector<std::string>{kSexPrompt} : refused) << answer;
    }
}

// Which level texts pass is the validator's own table; here the prompt repeats until one does.
TEST_F(GenerationModesTest, LevelAnswers) {
    const std::string prompt = "prompt|Please Enter a Level: |Level";
    Press(Mode::ByLevel, {"05", "20"});
    EXPECT_EQ(dialogs.log, (std::vector<std::string>{prompt, kInvalidLevel, prompt}));
    EXPECT_EQ(record.Text(txtLevel), "20");
}

TEST_F(GenerationModesTest, SexAndLevelRepeatsOnlyTheLevelPromptAndReleasesTheSex) {
    EXPECT_EQ(Press(Mode::BySexAndLevel, {"f", "0", "15"}), Outcome::Completed);
    const std::string levelPrompt = "prompt|Please Enter the Level: |Level";
    EXPECT_EQ(dialogs.log,
              (std::vector<std::string>{kSexPrompt, levelPrompt, kInvalidLevel, levelPrompt}));
    EXPECT_EQ(record.Text(cboSex), "Female");
    EXPECT_EQ(record.working.sexFixed, 0);
    EXPECT_EQ(sink.saved.size(), 1U);
}

TEST_F(GenerationModesTest, TheFixedSexLastsUntilSexAndLevelCompletes) {
    Press(Mode::BySex, {"f"});
    std::set<std::string> levels;
    for (int i = 0; i < 100; ++i) {
        Press(Mode::QuickRandom);
        ASSERT_EQ(record.Text(cboSex), "Female");
        levels.emplace(record.Text(txtLevel));
    }
    EXPECT_EQ(levels.size(), 10U) << "rolled levels run from 1 to 10";
    EXPECT_FALSE(levels.count("11") + levels.count("0"));
    Press(Mode::ClearForm);
    EXPECT_EQ(record.working.sexFixed, 1) << "Clear Form keeps the flag";
    Press(Mode::BySexAndLevel, {"m", "4"});
    EXPECT_EQ(record.working.sexFixed, 0);
    std::set<std::string> sexes;
    for (int i = 0; i < 40; ++i) {
        Press(Mode::QuickRandom);
        sexes.emplace(record.Text(cboSex));
    }
    EXPECT_EQ(sexes.size(), 2U) << "with the flag released the sex is rolled again";
}

TEST_F(GenerationModesTest, CancelEndsTheModeWithoutGenerating) {
    EXPECT_EQ(Press(Mode::BySex, {std::nullopt}), Outcome::Cancelled);
    EXPECT_EQ(record.working.sexFixed, 0);
    EXPECT_EQ(Press(Mode::BySexAndLevel, {"F", std::nullopt}), Outcome::Cancelled);
    EXPECT_EQ(record.Text(cboSex), "Female") << "what the mode wrote stays";
    EXPECT_EQ(record.working.sexFixed, 0) << "but the sex is released";
    EXPECT_EQ(Press(Mode::ByLevel, {"x", std::nullopt}), Outcome::Cancelled);
    EXPECT_EQ(record.Text(txtLevel), "x");
    EXPECT_EQ(record.Text(txtAge), "22") << "nothing was generated";
    EXPECT_TRUE(sink.saved.empty());
}

TEST_F(GenerationModesTest, QuickGenerationRerollsTheGlassesAfterTheSheet) {
    int differ = 0;
    for (int i = 0; i < 60; ++i) {
        Press(Mode::QuickRandom);
        differ += sink.saved.back().moment.glasses != record.Text(cboGlasses);
    }
    EXPECT_GT(differ, 0);
}

TEST_F(GenerationModesTest, ClearFormResetsTheCharacteristicsOnly) {
    Press(Mode::QuickRandom);
    const CharacterRecord before = record;
    Press(Mode::ClearForm);
    for (const FieldInfo& info : kFields) {
        const bool reset = info.field != txtAge && info.field != txtLevel && info.startupText != "";
        EXPECT_EQ(record.Text(info.field),
                  reset ? std::string(info.startupText) : before.Text(info.field))
            << info.name;
    }
}

TEST_F(GenerationModesTest, ValuesThatAreNotNumbersStopWithAMessageAndNoSheet) {
    const std::tuple<Field, const char*, Mode, std::string> rows[] = {
        {txtLevel, "", Mode::RollTraits, kInvalidLevel},
        {txtCH, "abc", Mode::KeepTraits,
         "message|Charm must be a whole number, such as 75, but it holds \"abc\". Correct it "
         "and generate again.|Invalid Charm"},
        {txtK, "99999", Mode::KeepTraitsRollCharacteristics,
         "message|Knowledge must be a whole number from -32768 to 32767, but it holds \"99999\". "
         "Correct it and generate again.|Invalid Knowledge"}};
    for (const auto& [field, text, press, message] : rows) {
        for (Field trait : kPrimaryTraits) record.Write(trait, "70");
        record.Write(field, text);
        EXPECT_EQ(Press(press), Outcome::Failed) << FieldName(field);
        EXPECT_EQ(dialogs.log, std::vector<std::string>{message});
        EXPECT_TRUE(sink.saved.empty());
        record.Write(txtLevel, "5");
    }
}

TEST_F(GenerationModesTest, ASheetThatCannotBeWrittenIsReported) {
    struct FailingSink final : SheetSink {
        void Deliver(const CharacterRecord& r, const CharacterSheet&) override {
            glasses = r.Text(cboGlasses);
            throw WriteError("/nowhere/char.txt", "No such file or directory");
        }
        std::string glasses;
    } failing;
    GenerationModes modes(record, failing, dialogs);
    EXPECT_EQ(modes.Press(Mode::QuickRandom), Outcome::Failed);
    EXPECT_EQ(dialogs.log,
              std::vector<std::string>{
                  "message|The character sheet could not be written to /nowhere/char.txt: "
                  "No such file or directory.|Sheet Not Written"})
        << "no sheet stood there, so none is said to be unchanged";
    EXPECT_EQ(record.Text(cboGlasses), failing.glasses) << "the mode stopped at the sheet";
}

}  // namespace
}  // namespace dossier
