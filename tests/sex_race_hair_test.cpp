#include <gtest/gtest.h>

#include "generators/sex_race_hair.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

struct RollCase {
    int roll;
    const char* expected;
};

class SexRaceHair : public RecordTest {
protected:
    // Runs one generator on a fresh unset field for each roll of a boundary table.
    void ExpectTable(void (*generator)(CharacterRecord&), Field field, const char* caption,
                     std::initializer_list<RollCase> rows) {
        for (const RollCase& row : rows) {
            Set(field, caption);
            Set(Field::cboHair, "Gray");  // keeps the race adjustment out of the way
            dice.Add(100, row.roll);
            generator(record);
            EXPECT_EQ(Text(field), row.expected) << "roll " << row.roll;
            EXPECT_EQ(record.working.lastRoll, row.roll);
        }
    }
};

TEST_F(SexRaceHair, SexTable) {
    ExpectTable(RollSex, Field::cboSex, "Sex",
                {{1, "Male"}, {50, "Male"}, {51, "Female"}, {100, "Female"}});
}

TEST_F(SexRaceHair, RaceTable) {
    ExpectTable(RollRace, Field::cboRace, "Race",
                {{1, "Native American"}, {15, "Native American"}, {16, "Middle Eastern"},
                 {29, "Middle Eastern"}, {30, "Asian"}, {49, "Asian"}, {50, "White"},
                 {79, "White"}, {80, "Black"}, {100, "Black"}});
}

TEST_F(SexRaceHair, HairTable) {
    for (const RollCase& row : {RollCase{1, "Black"}, {24, "Black"}, {25, "Red/Auburn"},
                                {49, "Red/Auburn"}, {50, "Brown/Brunette"}, {74, "Brown/Brunette"},
                                {75, "Blonde"}, {100, "Blonde"}}) {
        Set(Field::cboHair, "Hair");
        dice.Add(100, row.roll);
        RollHair(record);
        EXPECT_EQ(Text(Field::cboHair), row.expected) << "roll " << row.roll;
    }
}

TEST_F(SexRaceHair, OnlyTheExactCaptionIsUnset) {
    // No die is scripted: any roll would fail the test.
    const std::pair<Field, const char*> values[] = {
        {Field::cboSex, "sex"},   {Field::cboSex, "Sex "}, {Field::cboSex, ""},
        {Field::cboRace, "race"}, {Field::cboRace, "Race "}, {Field::cboRace, ""},
        {Field::cboHair, "HAIR"}, {Field::cboHair, " Hair"}, {Field::cboHair, ""},
    };
    for (Field field : {Field::cboSex, Field::cboRace, Field::cboHair}) Set(field, "set");
    for (const auto& [field, text] : values) {
        Set(field, text);
        RollSex(record);
        RollRace(record);
        RollHair(record);
        EXPECT_EQ(Text(field), text);
        Set(field, "set");
    }
}

TEST_F(SexRaceHair, RaceSuitsTheHairColour) {
    struct Row {
        const char* hairBefore;
        int raceRoll;
        const char* race;
        const char* hairAfter;
    };
    const Row rows[] = {
        {"Blonde", 30, "Asian", "Black"},
        {"Gray", 30, "Asian", "Gray"},
        {"Hair", 1, "Native American", "Black"},
        {"Red/Auburn", 16, "Middle Eastern", "Brown"},
        {"Blonde", 80, "Black", "Brown"},
        {"Gray", 100, "Black", "Gray"},
        {"Blonde", 50, "White", "Blonde"},
        {"Hair", 79, "White", "Hair"},
        {"anything typed", 90, "Black", "Brown"},
    };
    for (const Row& row : rows) {
        Set(Field::cboRace, "Race");
        Set(Field::cboHair, row.hairBefore);
        dice.Add(100, row.raceRoll);
        RollRace(record);
        EXPECT_EQ(Text(Field::cboRace), row.race);
        EXPECT_EQ(Text(Field::cboHair), row.hairAfter) << row.hairBefore << " / " << row.race;
    }
}

TEST_F(SexRaceHair, ChosenRaceLeavesAnyHair) {
    Set(Field::cboRace, "Asian");
    Set(Field::cboHair, "Blonde");
    RollRace(record);
    EXPECT_EQ(Text(Field::cboHair), "Blonde");
}

TEST_F(SexRaceHair, HairBeforeRaceKeepsTheAdjustment) {
    dice.Add({{100, 80}, {100, 35}});  // hair Blonde, then race Asian
    RollHair(record);
    RollRace(record);
    EXPECT_EQ(Text(Field::cboHair), "Black");
}

}  // namespace
}  // namespace dossier
