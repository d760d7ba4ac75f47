#include <gtest/gtest.h>

#include "generators/sex_race_hair.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

TEST_F(RecordTest, SexRaceAndHairTables) {
    struct Row {
        void (*generator)(CharacterRecord&);
        Field field;
        const char* caption;
        int roll;
        const char* value;
    };
    const Row rows[] = {{RollSex, Field::cboSex, "Sex", 50, "Male"},
                        {RollSex, Field::cboSex, "Sex", 51, "Female"},
                        {RollRace, Field::cboRace, "Race", 15, "Native American"},
                        {RollRace, Field::cboRace, "Race", 16, "Middle Eastern"},
                        {RollRace, Field::cboRace, "Race", 29, "Middle Eastern"},
                        {RollRace, Field::cboRace, "Race", 30, "Asian"},
                        {RollRace, Field::cboRace, "Race", 49, "Asian"},
                        {RollRace, Field::cboRace, "Race", 50, "White"},
                        {RollRace, Field::cboRace, "Race", 79, "White"},
                        {RollRace, Field::cboRace, "Race", 80, "Black"},
                        {RollRace, Field::cboRace, "Race", 100, "Black"},
                        {RollHair, Field::cboHair, "Hair", 24, "Black"},
                        {RollHair, Field::cboHair, "Hair", 25, "Red/Auburn"},
                        {RollHair, Field::cboHair, "Hair", 49, "Red/Auburn"},
                        {RollHair, Field::cboHair, "Hair", 50, "Brown/Brunette"},
                        {RollHair, Field::cboHair, "Hair", 74, "Brown/Brunette"},
                        {RollHair, Field::cboHair, "Hair", 75, "Blonde"},
                        {RollHair, Field::cboHair, "Hair", 100, "Blonde"}};
    for (const Row& row : rows) {
        Set(row.field, row.caption);
        if (row.field == Field::cboRace) Set(Field::cboHair, "Gray");  // no hair adjustment
        dice.Add(100, row.roll);
        row.generator(record);
        EXPECT_EQ(Text(row.field), row.value) << row.caption << ' ' << row.roll;
        EXPECT_EQ(record.working.lastRoll, row.roll);
    }
}

TEST_F(RecordTest, RolledRaceSuitsTheHairExceptGray) {
    const std::tuple<const char*, int, const char*> rows[] = {
        {"Blonde", 30, "Black"},      // Asian
        {"Gray", 30, "Gray"},         // Gray survives
        {"Hair", 1, "Black"},         // Native American, even over the caption
        {"Red/Auburn", 16, "Brown"},  // Middle Eastern
        {"typed", 80, "Brown"},       // Black
        {"Blonde", 50, "Blonde"},     // White keeps it
        {"Hair", 79, "Hair"}};
    for (const auto& [before, roll, after] : rows) {
        Set(Field::cboRace, "Race");
        Set(Field::cboHair, before);
        dice.Add(100, roll);
        RollRace(record);
        EXPECT_EQ(Text(Field::cboHair), after) << before << ", race roll " << roll;
    }
    Set(Field::cboRace, "Asian");  // a chosen race adjusts nothing
    Set(Field::cboHair, "Blonde");
    RollRace(record);
    EXPECT_EQ(Text(Field::cboHair), "Blonde");
}

}  // namespace
}  // namespace dossier
