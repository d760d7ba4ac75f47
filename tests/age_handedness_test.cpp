#include <gtest/gtest.h>

#include "generators/age_handedness.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

TEST_F(RecordTest, AgeTable) {
    for (const auto& [roll, age] : {std::pair{1, "22"}, {9, "22"}, {10, "22"}, {11, "23"},
                                    {20, "32"}, {30, "42"}}) {
        Set(Field::txtAge, "");
        dice.Add(30, roll);
        Set(Field::txtAge, " ");  // the hook rolls
        EXPECT_EQ(Text(Field::txtAge), age) << "roll " << roll;
        EXPECT_EQ(record.working.lastRoll, roll);
        RollAge(record);  // the explicit call after the hook finds a number and rolls nothing
        EXPECT_EQ(Text(Field::txtAge), age);
    }
}

TEST_F(RecordTest, RollAgeRollsWhenTheHookDidNot) {
    ScriptedDice unhooked;
    CharacterRecord plain(unhooked);  // a record without the hook installed
    plain.Write(Field::txtAge, " ");
    EXPECT_EQ(plain.Text(Field::txtAge), " ");
    unhooked.Add(30, 11);
    RollAge(plain);
    EXPECT_EQ(plain.Text(Field::txtAge), "23");
}

TEST_F(RecordTest, HandednessTable) {
    for (const auto& [roll, hand] : {std::pair{1, "Right"}, {89, "Right"}, {90, "Left"},
                                     {98, "Left"}, {99, "Ambidextrous"}, {100, "Ambidextrous"}}) {
        Set(Field::cboHandedness, "Handedness");
        dice.Add(100, roll);
        RollHandedness(record);
        EXPECT_EQ(Text(Field::cboHandedness), hand) << "roll " << roll;
        EXPECT_EQ(record.working.lastRoll, roll);
    }
}

TEST_F(RecordTest, HandednessAlreadyChosenRollsNothing) {
    for (const char* text : {"Left", "handedness", "Handedness ", ""}) {
        Set(Field::cboHandedness, text);
        RollHandedness(record);
        EXPECT_EQ(Text(Field::cboHandedness), text);
    }
}

}  // namespace
}  // namespace dossier
