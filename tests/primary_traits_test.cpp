#include <gtest/gtest.h>

#include "generators/primary_traits.h"
#include "record/numbers.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

TEST(LevelBonus, TableAndFormula) {
    const std::pair<double, int> rows[] = {
        {1, 0},    {2, 2},    {3, 5},     {4, 7},     {5, 11},     {6, 13},   {7, 19},
        {8, 23},   {9, 28},   {10, 33},   {11, 50},   {12, 66},    {13, 83},  {14, 100},
        {15, 116}, {16, 133}, {17, 150},  {18, 166},  {19, 183},   {20, 200}, {0, 0},
        {-3, 0},   {21, 0},   {10.9, 33}, {11.5, 66}, {20.9, 216},  // above 10 the unrounded level
                                                                    // enters the formula
    };
    for (const auto& [level, bonus] : rows) EXPECT_EQ(LevelBonus(level), bonus) << level;
}

TEST_F(RecordTest, TraitRollsThrowBackFiftyAndAdjustForBandAndLevel) {
    dice.Add({{100, 50}, {100, 1}, {100, 51}});
    EXPECT_EQ(RollPrimaryTrait(record), 72);  // level 5: 51 + 10 + 11
    for (const auto& [roll, value] :
         {std::pair{70, 91}, {71, 87}, {90, 106}, {91, 102}, {100, 111}}) {
        EXPECT_EQ(AdjustPrimaryTrait(record, roll), value) << roll;
    }
    Set(Field::txtLevel, "20");  // the level is read on every call
    EXPECT_EQ(AdjustPrimaryTrait(record, 100), 300);
    Set(Field::txtLevel, "");
    EXPECT_THROW(AdjustPrimaryTrait(record, 51), FieldValueError);
}

}  // namespace
}  // namespace dossier
