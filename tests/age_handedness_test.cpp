#include <gtest/gtest.h>

#include "generators/age_handedness.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

TEST_F(RecordTest, AgeRollsThroughTheHook) {
    for (const auto& [roll, age] : {std::pair{9, "22"}, {10, "22"}, {11, "23"}, {30, "42"}}) {
        Set(Field::txtAge, "");
        dice.Add(30, roll);
        Set(Field::txtAge, " ");
        EXPECT_EQ(Text(Field::txtAge), age) << roll;
        EXPECT_EQ(record.working.lastRoll, roll);
        RollAge(record);  // the explicit call after the hook finds a number: no roll
    }
    ScriptedDice unhooked;
    CharacterRecord plain(unhooked);  // without the hook the explicit call rolls
    plain.Write(Field::txtAge, " ");
    unhooked.Add(30, 11);
    RollAge(plain);
    EXPECT_EQ(plain.Text(Field::txtAge), "23");
}

TEST_F(RecordTest, HandednessTable) {
    for (const auto& [roll, hand] : {std::pair{89, "Right"},
                                     {90, "Left"},
                                     {98, "Left"},
                                     {99, "Ambidextrous"},
                                     {100, "Ambidextrous"}}) {
        Set(Field::cboHandedness, "Handedness");
        dice.Add(100, roll);
        RollHandedness(record);
        EXPECT_EQ(Text(Field::cboHandedness), hand) << roll;
    }
    Set(Field::cboHandedness, "handedness");  // a typed value: no roll
    RollHandedness(record);
    EXPECT_EQ(Text(Field::cboHandedness), "handedness");
}

}  // namespace
}  // namespace dossier
