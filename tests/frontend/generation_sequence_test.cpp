#include <gtest/gtest.h>

#include <span>

#include "core/record/numbers.h"
#include "frontend/generation_sequence.h"
#include "support/frontend_fakes.h"
#include "support/test_support.h"

namespace dossier {
namespace {

using enum Field;

using Expected = std::pair<Field, const char*>;

class GenerationSequenceTest : public testing::RecordFixture {
  protected:
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

    testing::RecordingSink sink;
    GenerationSequence sequence{record, sink};
};

// Each die is scripted for the generator that must roll it, so a change of order fails.
TEST_F(GenerationSequenceTest, RollingAllCharacteristicsResetsThemAndRollsInOrder) {
    Set(txtPS, "61");
    // The age hook when " " is written, hair Blonde, sex Female, handedness Left, race White (the
    // hair stays), height 5'5, weight 135, the term die for age 22, no service, glasses.
    dice.Add({{30, 10},
              {100, 80},
              {100, 51},
              {100, 90},
              {100, 60},
              {10, 4},
              {100, 50},
              {7, 2},
              {100, 100},
              {10, 1}});
    sequence.RollAllCharacteristics();
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
    EXPECT_TRUE(sink.saved.empty());
}

TEST_F(GenerationSequenceTest, RollingUnsetCharacteristicsTakesWeightBeforeHeight) {
    Set(cboHandedness, "Left");
    Set(cboRace, "Asian");
    // Hair, sex, weight, height, glasses.
    dice.Add({{100, 80}, {100, 10}, {100, 50}, {10, 8}, {10, 10}});
    sequence.RollUnsetCharacteristics();
    const Expected expected[] = {{cboWeight, "160"},
                                 {cboHeight, "6'0"},
                                 {cboMilitary, "Military Service"},
                                 {cboHandedness, "Left"}};
    ExpectFields(expected);
}

TEST_F(GenerationSequenceTest, RollingAllTraitsClassesTheCharacterAndWritesTheSheet) {
    SetAllCharacteristics();
    Set(txtCH, "typed");  // replaced
    Set(txtLevel, "1");
    // PS: 50 thrown back, 51 + 10 = 61; CH to CO; K: 10 thrown back, then 100; CD; then
    // RollHeight's die, the height already set, and the sequence's own coordination loss.
    dice.Add({{100, 50},
              {100, 51},
              {100, 60},
              {100, 70},
              {100, 71},
              {100, 90},
              {100, 10},
              {100, 100},
              {10, 3},
              {100, 50}});
    ScriptSheet(20, 4, 10);  // the loss again in the sheet; K 95
    sequence.RollAllTraits();
    // The typed trait replaced, the derived traits filled, the loss of the sheet's own roll,
    // the physique from the classes the sequence set, the height kept.
    const Expected expected[] = {{txtPS, "61"},
                                 {txtCH, "70"},
                                 {txtOF, "88"},
                                 {cboLoss, "20%"},
                                 {cboPhysique, "Average"},
                                 {cboHeight, "5'10"}};
    ExpectFields(expected);
    ASSERT_EQ(sink.saved.size(), 1U);
}

TEST_F(GenerationSequenceTest, RollingUnsetTraitsKeepsTypedOnesAndRollsEmptyOnesInOrder) {
    SetAllCharacteristics();
    Set(txtCH, "45");
    Set(txtK, "30");
    dice.Add({{100, 51}, {100, 52}, {100, 53}, {100, 54}});  // PS, WP, CO, CD
    ScriptSheet(100, 2, 3);                                  // K 30
    sequence.RollUnsetTraits();
    const Expected expected[] = {{txtPS, "72"}, {txtCH, "45"}, {txtCD, "75"}};
    ExpectFields(expected);
    EXPECT_EQ(sink.saved.size(), 1U);
}

TEST_F(GenerationSequenceTest, RollingUnsetTraitsKeepsABlankOneAndStopsOnItWithoutASheet) {
    SetAllCharacteristics();
    for (Field trait : kPrimaryTraits) Set(trait, "60");
    Set(txtWP, " ");
    EXPECT_THROW(sequence.RollUnsetTraits(), FieldValueError) << "a lone blank is not a number";
    EXPECT_EQ(Text(txtWP), " ");
    EXPECT_TRUE(sink.saved.empty());
}

}  // namespace
}  // namespace dossier
