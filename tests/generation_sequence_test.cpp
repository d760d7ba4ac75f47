#include <gtest/gtest.h>

#include "record/numbers.h"
#include "test_support.h"
#include "ui/generation_sequence.h"
#include "ui_test_support.h"

namespace dossier {
namespace {

using testing::RecordingSink;
using testing::RecordTest;

class Sequence : public RecordTest {
  protected:
    void ExpectFields(std::initializer_list<std::pair<Field, const char*>> expected) {
        for (const auto& [field, text] : expected) EXPECT_EQ(Text(field), text) << FieldName(field);
    }
    void SetAllCharacteristics() {
        for (const auto& [field, text] : {std::pair{Field::cboSex, "Male"},
                                          {Field::cboHair, "Gray"},
                                          {Field::cboHandedness, "Right"},
                                          {Field::cboRace, "White"},
                                          {Field::cboHeight, "5'10"},
                                          {Field::cboWeight, "150"},
                                          {Field::cboGlasses, "Glasses - no CLs"}}) {
            Set(field, text);
        }
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
    Set(Field::txtPS, "61");
    dice.Add({{30, 10},    // the age hook, when " " is written
              {100, 80},   // hair Blonde
              {100, 51},   // sex Female
              {100, 90},   // handedness Left
              {100, 60},   // race White: the hair stays
              {10, 4},     // height 5'5
              {100, 50},   // weight 135
              {7, 2},      // military term die for age 22
              {100, 100},  // no service
              {10, 1}});   // glasses
    sequence.cmdGenChars_Click();
    ExpectFields({{Field::cboHair, "Blonde"},
                  {Field::cboSex, "Female"},
                  {Field::cboHandedness, "Left"},
                  {Field::txtAge, "22"},
                  {Field::cboHeight, "5'5"},
                  {Field::cboWeight, "135"},
                  {Field::txtPS, "61"},
                  {Field::cboMilitary, "No Military Service"},
                  {Field::cboGlasses, "Glasses - no CLs"}});
    EXPECT_TRUE(sink.sheets.empty());
}

TEST_F(Sequence, UserCharsRollsOnlyUnsetFieldsWeightBeforeHeight) {
    Set(Field::cboHandedness, "Left");
    Set(Field::cboRace, "Asian");
    dice.Add({{100, 80},
              {100, 10},
              {100, 50},
              {10, 8},
              {10, 10}});  // hair, sex, weight, height, glasses
    sequence.cmdUserChars_Click();
    ExpectFields({{Field::cboWeight, "160"},
                  {Field::cboHeight, "6'0"},
                  {Field::cboMilitary, "Military Service"},
                  {Field::cboHandedness, "Left"}});
}

TEST_F(Sequence, PrimaryRollsAllTraitsClassesTheCharacterAndWritesTheSheet) {
    SetAllCharacteristics();
    Set(Field::txtCH, "typed");  // replaced
    Set(Field::txtLevel, "1");
    dice.Add({{100, 50},
              {100, 51},  // PS: 50 thrown back, 51 + 10 = 61
              {100, 60},
              {100, 70},
              {100, 71},
              {100, 90},
              {100, 10},
              {100, 100}});  // K: 10 thrown back, then 100
    dice.Add(10, 3);         // RollHeight's die, the height already set
    dice.Add(100, 50);       // RollCoordinationLoss in the sequence
    ScriptSheet(20, 4, 10);  // and again in the sheet; K 95
    sequence.cmdPrimary_Click();
    // The typed trait replaced, the derived traits filled, the loss of the sheet's own roll,
    // the physique from the classes the sequence set, the height kept.
    ExpectFields({{Field::txtPS, "61"},
                  {Field::txtCH, "70"},
                  {Field::txtOF, "88"},
                  {Field::cboLoss, "20%"},
                  {Field::cboPhysique, "Average"},
                  {Field::cboHeight, "5'10"}});
    ASSERT_EQ(sink.sheets.size(), 1U);
}

TEST_F(Sequence, UseParamKeepsTypedTraitsAndRollsEmptyOnesInOrder) {
    SetAllCharacteristics();
    Set(Field::txtCH, "45");
    Set(Field::txtK, "30");
    dice.Add({{100, 51}, {100, 52}, {100, 53}, {100, 54}});  // PS, WP, CO, CD
    ScriptSheet(100, 2, 3);                                  // K 30
    sequence.cmdUseParam_Click();
    ExpectFields({{Field::txtPS, "72"}, {Field::txtCH, "45"}, {Field::txtCD, "75"}});
    EXPECT_EQ(sink.sheets.size(), 1U);
}

TEST_F(Sequence, UseParamKeepsABlankTraitAndStopsOnItWithoutASheet) {
    SetAllCharacteristics();
    for (Field trait : kPrimaryTraits) Set(trait, "60");
    Set(Field::txtWP, " ");
    try {
        sequence.cmdUseParam_Click();
        ADD_FAILURE() << "a lone blank is not a number";
    } catch (const FieldValueError& error) {
        EXPECT_EQ(error.field(), Field::txtWP);
    }
    EXPECT_EQ(Text(Field::txtWP), " ");
    EXPECT_TRUE(sink.sheets.empty());
}

}  // namespace
}  // namespace dossier
