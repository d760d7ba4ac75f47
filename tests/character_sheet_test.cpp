#include <gtest/gtest.h>


#include "record/numbers.h"
#include "sheet/character_sheet.h"
#include "sheet/sheet_sections.h"
#include "test_support.h"

namespace dossier {
namespace {

using enum Field;

using testing::RecordTest;

class Sheet : public RecordTest {
  protected:
    // A scripted character: every characteristic set, traits typed, classes T and L.
    void SetUpCharacter() {
        const std::pair<Field, const char*> fields[] = {{cboSex, "Female"},
                                                        {txtAge, "22"},
                                                        {txtLevel, "5"},
                                                        {cboHandedness, "Left"},
                                                        {cboHair, "Red/Auburn"},
                                                        {cboHeight, "5'10\""},
                                                        {cboWeight, "142"},
                                                        {cboRace, "Asian"},
                                                        {cboMilitary, "Seaman"},
                                                        {cboBranch, "Navy"},
                                                        {cboGlasses, "Glasses/CLs"},
                                                        {txtPS, "70"},
                                                        {txtCH, "81"},
                                                        {txtWP, "60"},
                                                        {txtCO, "75"},
                                                        {txtK, "52"},
                                                        {txtCD, "50"}};
        for (const auto& [field, text] : fields) Set(field, text);
        record.working.heightClass = "T";
        record.working.weightClass = "L";
    }

    void ScriptSheetRolls() {
        dice.Add(100, 25);  // coordination loss: 50 x 25 / 100 = 12.5 -> 12%
        // Languages: K 52 wants 3. First 70 + 5; 80 and 40 are thrown away.
        dice.Add({{30, 5}, {100, 80}, {100, 41}, {100, 40}, {100, 74}});
        dice.Add(100, 10);  // education: the roll between the tabled ranges
        // Areas: goal 5.2, so six. Slot 1 twice: the second draw takes no d100.
        const ScriptedRoll areas[] = {{40, 1},  {100, 20},  {40, 1},  {40, 40},  {100, 21},
                                      {40, 15}, {100, 100}, {40, 32}, {100, 50}, {40, 25},
                                      {100, 1}, {40, 14},   {100, 99}};
        for (const ScriptedRoll& roll : areas) dice.Add(roll.sides, roll.result);
    }
};

TEST_F(Sheet, ByteForByte) {
    SetUpCharacter();
    ScriptSheetRolls();
    const CharacterSheet sheet = ComposeCharacterSheet(record);

    const std::string expected =
        "\"                               Sex        Female\"\r\n"
        "\"Name  ____________________     Age        22\"\r\n"
        "\"Alias ____________________     Level      5\"\r\n"
        "\"                               Handedness Left\"\r\n"
        "\"                               Hair Color Red/Auburn\"\r\n"
        "\"                               Height     5'10\"\"\r\n"
        "\"                               Weight     142 lbs.\"\r\n"
        "\"                               Race       Asian\"\r\n"
        "\"--------------------------     Military Service: \",\"Seaman, Navy\"\r\n"
        "\"PRIMARY TRAITS                 Glasses:   Glasses/CLs\"\r\n"
        "\"--------------------------     Loss of Coordination: 12%\"\r\n"
        "\"Physical Strength         70\"\r\n"
        "\"Charm                     81\"\r\n"
        "\"Willpower                 60\"\r\n"
        "\"Courage                   75\"\r\n"
        "\"Knowledge                 52\"\r\n"
        "\"Coordination              50\"\r\n"
        "\"--------------------------\"\r\n"
        "\"SECONDARY TRAITS\"\r\n"
        "\"--------------------------\"\r\n"
        "\"Offense                   62\"\r\n"
        "\"Deception                 78\"\r\n"
        "\"Evasion           (+60)   66\"\r\n"
        "\"Deactivation              51\"\r\n"
        "\"Observation               56\"\r\n"
        "\"Shock Resistance          68\"\r\n"
        "\"Gambling Value            64\"\r\n"
        "\"Movement Value            180\"\r\n"
        "\"Life Level                13\"\r\n"
        "\"Balance                   55\"\r\n"
        "\"Wellness                  65\"\r\n"
        "\"--------------------------\"\r\n"
        "\"TERTIARY TRAITS           \"\r\n"
        "\"--------------------------\"\r\n"
        "\"Perception                53\"\r\n"
        "\"Hand to Hand Combat Value 136\"\r\n"
        "\"Surprise Value            144\"\r\n"
        "\r\n"
        "\r\n"
        "\"LANGUAGES   \"\r\n"
        "\"__________________________75\"\r\n"
        "\"__________________________41\"\r\n"
        "\"__________________________74\"\r\n"
        "\r\n"
        "\"EDUCATION LEVEL\"\r\n"
        "\"High School\"\r\n"
        "\r\n"
        "\"SUPERIOR AREAS OF KNOWLEDGE\"\r\n"
        "\"---------------------------------\"\r\n"
        "\"Animal Science                   70\"\r\n"
        "\"World History/Current Affairs    51\"\r\n"
        "\"Engineering, Electrical          130\"\r\n"
        "\"Philosphy                        80\"\r\n"
        "\"Linguistics                      51\"\r\n"
        "\"Engineering, Aeronautical        129\"\r\n";
    EXPECT_EQ(sheet.text, expected);
    EXPECT_EQ(Text(cboLoss), "12%") << "the sheet's loss roll stays in the record";
    EXPECT_EQ(Text(cboPhysique), "Ectomorphic");
}

TEST_F(Sheet, PhysiqueNotesFollowTheExactWordAndFractionsCountRoundedDown) {
    // Strength and classes, with "ectomorphic" typed beforehand in lower case (no note), and the
    // label the physique's line must carry: Endomorphic, Mesomorphic, Average, the typed word.
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"70", "T", "H", "Movement Value    (-60)   "},
        {"101", "", "", "Hand to Hand Combat (+60) "},
        {"70", "A", "A", "Evasion                   "},
        {"70", "", "", "Evasion                   "}};
    for (const auto& [strength, heightClass, weightClass, label] : rows) {
        SetUpCharacter();
        Set(txtPS, strength);
        Set(cboPhysique, "ectomorphic");
        record.working.heightClass = heightClass;
        record.working.weightClass = weightClass;
        ScriptSheetRolls();
        EXPECT_NE(ComposeCharacterSheet(record).text.find("\r\n\"" + std::string(label)),
                  std::string::npos)
            << strength;
    }
    SetUpCharacter();
    Set(txtPS, "80.7");
    ScriptSheetRolls();
    const std::string text = ComposeCharacterSheet(record).text;
    EXPECT_NE(text.find("\"Physical Strength         80.7\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"Movement Value            190\""), std::string::npos) << "80 + 60 + 50";
}

TEST_F(Sheet, TraitThatIsNotANumberStopsBeforeAnySectionIsRolled) {
    SetUpCharacter();
    Set(txtCO, " ");
    dice.Add(100, 25);  // only the coordination loss is rolled
    EXPECT_THROW(ComposeCharacterSheet(record), FieldValueError);
}

TEST_F(RecordTest, LanguageCountFollowsKnowledge) {
    // With the first language at 100 every later roll of 41 to 99 is kept, so the number
    // of languages shows n; one roll of step 3 always follows the first language.
    std::vector<int> scores{1, 2, 3, 4, 5, 6};  // a list from before is replaced
    const std::pair<int, std::size_t> rows[] = {{0, 2},  {1, 2},  {24, 2}, {25, 2},  {50, 2},
                                                {51, 3}, {74, 3}, {75, 4}, {100, 4}, {101, 5}};
    for (const auto& [knowledge, languages] : rows) {
        dice.Add(30, 30);
        for (std::size_t i = 1; i < std::max<std::size_t>(languages, 2); ++i) dice.Add(100, 50);
        RollLanguages(record, knowledge, scores);
        EXPECT_EQ(scores.size(), languages) << "K " << knowledge;
    }
}

TEST_F(RecordTest, LanguageWithNOfOneMayStayAlone) {
    dice.Add({{30, 1}, {100, 71}});  // first 71; a 71 is not below it
    std::vector<int> scores;
    RollLanguages(record, 10, scores);
    EXPECT_EQ(scores, (std::vector<int>{71}));
}

TEST_F(RecordTest, LaterLanguagesScoreBetweenFortyOneAndTheFirst) {
    dice.Add({{30, 1}, {100, 40}, {100, 41}, {100, 70}, {100, 71}, {100, 100}, {100, 55}});
    std::vector<int> scores;
    RollLanguages(record, 75, scores);
    EXPECT_EQ(scores, (std::vector<int>{71, 41, 70, 55}));
}

TEST_F(RecordTest, EducationTable) {
    const std::pair<int, const char*> rows[] = {
        {1, "High School"},        {9, "High School"},        {10, "High School"},
        {11, "Bachelor's Degree"}, {71, "Bachelor's Degree"}, {72, "Master's Degree"},
        {96, "Master's Degree"},   {97, "Doctorate"},         {100, "Doctorate"}};
    for (const auto& [roll, level] : rows) {
        dice.Add(100, roll);
        EXPECT_EQ(RollEducation(record), level) << roll;
    }
}

TEST_F(RecordTest, AreaScores) {
    // Knowledge, the d100, the score. Rolls of 20 or less add 50, others 30; above Knowledge 102
    // half of it is the least score, rounded half to even (74.5 to 74, 75.5 to 76).
    const std::tuple<double, int, int> rows[] = {{0, 20, 70},  {0, 21, 51},   {0, 100, 130},
                                                 {0, 1, 51},   {150, 30, 75}, {150, 45, 75},
                                                 {149, 1, 74}, {151, 1, 76},  {102, 1, 51}};
    Set(txtK, "0");
    LoadKnowledgeAreas(record);
    std::vector<KnowledgeArea> areas;
    for (const auto& [knowledge, roll, score] : rows) {
        dice.Add({{40, 7}, {100, roll}});
        RollAreas(record, 0, knowledge, areas);
        ASSERT_EQ(areas.size(), 1U);
        EXPECT_EQ(areas[0].name, record.working.knowledgeAreas[7]);
        EXPECT_EQ(areas[0].score, score) << "Kt " << knowledge << " roll " << roll;
    }
}

TEST_F(RecordTest, AreaCountIsTheGoalRoundedUp) {
    std::vector<KnowledgeArea> areas;
    for (const auto& [goal, count] : {std::pair{7.5, 8}, {7.0, 7}, {0.0, 1}, {0.1, 1}}) {
        for (int slot = 1; slot <= count; ++slot) dice.Add({{40, slot}, {100, 50}});
        RollAreas(record, goal, goal * 10, areas);
        EXPECT_EQ(areas.size(), static_cast<std::size_t>(count));
    }
}

TEST_F(RecordTest, AreasStopAtFortyWhateverTheGoal) {
    // Knowledge 32767 wants 3277 areas; a repeated draw takes no d100.
    for (int slot = 1; slot < 40; ++slot) dice.Add({{40, slot}, {100, 50}, {40, slot}});
    dice.Add({{40, 40}, {100, 50}});
    std::vector<KnowledgeArea> areas;
    EXPECT_NO_THROW(RollAreas(record, 3276.7, 32767, areas));
    EXPECT_EQ(areas.size(), 40U);
}

}  // namespace
}  // namespace dossier
