#include <gtest/gtest.h>

#include "core/record/numbers.h"
#include "core/sheet/character_sheet.h"
#include "support/test_support.h"

namespace dossier {
namespace {

using enum Field;

// The scripted character's sheet.
const std::string kSheet =
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

class CharacterSheetTest : public testing::RecordFixture {
  protected:
    // A scripted character: every characteristic set, traits typed, classes T and L.
    void SetUpCharacter() {
        // clang-format off
        const std::pair<Field, const char*> fields[] = {
            {cboSex, "Female"}, {txtAge, "22"}, {txtLevel, "5"}, {cboHandedness, "Left"},
            {cboHair, "Red/Auburn"}, {cboHeight, "5'10\""}, {cboWeight, "142"}, {cboRace, "Asian"},
            {cboMilitary, "Seaman"}, {cboBranch, "Navy"}, {cboGlasses, "Glasses/CLs"},
            {txtPS, "70"}, {txtCH, "81"}, {txtWP, "60"}, {txtCO, "75"}, {txtK, "52"}, {txtCD, "50"}};
        // clang-format on
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

TEST_F(CharacterSheetTest, ByteForByte) {
    SetUpCharacter();
    ScriptSheetRolls();
    const CharacterSheet sheet = ComposeCharacterSheet(record);

    EXPECT_EQ(sheet.text, kSheet);
    EXPECT_EQ(Text(cboLoss), "12%") << "the sheet's loss roll stays in the record";
    EXPECT_EQ(Text(cboPhysique), "Ectomorphic");
}

TEST_F(CharacterSheetTest, AProfileFollowsTheLastSectionAndNothingAboveChanges) {
    SetUpCharacter();
    ScriptSheetRolls();
    CharacterSheet sheet;
    sheet.profile = {"Safe-House Keeper",
                     "Money",
                     "Owes a bank",
                     "Forged papers",
                     "Steady",
                     "Hums and haws",
                     {"Zo\xC3\xAB Roy", "Baker", "Solid"}};
    ComposeCharacterSheet(record, sheet);
    EXPECT_EQ(sheet.text, kSheet +
                              "\r\n"
                              "\"PROFILE\"\r\n"
                              "\"---------------------------------\"\r\n"
                              "\"Role                      Safe-House Keeper\"\r\n"
                              "\"Loyalty                   Steady\"\r\n"
                              "\"Motive                    Money\"\r\n"
                              "\"                          Owes a bank\"\r\n"
                              "\"Leverage                  Forged papers\"\r\n"
                              "\"Mannerism                 Hums and haws\"\r\n"
                              "\"Cover Name                Zo\xC3\xAB Roy\"\r\n"
                              "\"Cover Occupation          Baker\"\r\n"
                              "\"Cover Status              Solid\"\r\n");
}

TEST_F(CharacterSheetTest, PhysiqueNotesFollowTheExactWordAndFractionsCountRoundedDown) {
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

TEST_F(CharacterSheetTest, TraitThatIsNotANumberStopsBeforeAnySectionIsRolled) {
    SetUpCharacter();
    Set(txtCO, " ");
    dice.Add(100, 25);  // only the coordination loss is rolled
    EXPECT_THROW(ComposeCharacterSheet(record), FieldValueError);
}

}  // namespace
}  // namespace dossier
