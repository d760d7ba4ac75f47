#include <gtest/gtest.h>

#include "test_support.h"
#include "ui/field_validation.h"
#include "ui_test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;
using testing::ScriptedDialogs;

TEST(WholeNumberText, AgesAndLevels) {
    for (const char* valid : {"1", "22", "99", "100"}) EXPECT_TRUE(IsValidAge(valid)) << valid;
    for (const char* invalid : {"0", "101", "022", "22.0", "-5", " 22", "22 ", "", "1e2", "+22",
                                "100000", "99999999999999999999"}) {
        EXPECT_FALSE(IsValidAge(invalid)) << '"' << invalid << '"';
    }
    for (const char* valid : {"1", "9", "10", "20"}) EXPECT_TRUE(IsValidLevel(valid)) << valid;
    for (const char* invalid : {"0", "21", "5 ", "05", "5.0", "+5", "", "x"}) {
        EXPECT_FALSE(IsValidLevel(invalid)) << '"' << invalid << '"';
    }
}

TEST_F(RecordTest, InvalidAgeIsReportedAndEmptied) {
    for (const char* invalid : {"0", "101", "022", "22.0", "-5", " 22", ""}) {
        Set(Field::txtAge, invalid);
        ScriptedDialogs dialogs;
        EXPECT_FALSE(txtAge_LostFocus(record, dialogs)) << invalid;
        EXPECT_EQ(dialogs.log,
                  std::vector<std::string>{"message|Enter an integer from 1 to 100.|Invalid Age"});
        EXPECT_EQ(Text(Field::txtAge), "") << "emptied, and the empty text rolls nothing";
    }
    for (const char* valid : {"1", "22", "100"}) {
        Set(Field::txtAge, valid);
        ScriptedDialogs dialogs;
        EXPECT_TRUE(txtAge_LostFocus(record, dialogs));
        EXPECT_TRUE(dialogs.log.empty());
        EXPECT_EQ(Text(Field::txtAge), valid);
    }
}

TEST_F(RecordTest, InvalidLevelIsReportedAndEmptied) {
    for (const char* invalid : {"0", "21", "5 ", ""}) {
        Set(Field::txtLevel, invalid);
        ScriptedDialogs dialogs;
        EXPECT_FALSE(txtLevel_LostFocus(record, dialogs));
        EXPECT_EQ(dialogs.log,
                  std::vector<std::string>{"message|Enter an integer from 1 to 20.|Invalid Level"});
        EXPECT_EQ(Text(Field::txtLevel), "");
    }
}

TEST_F(RecordTest, TypingIntoAnEmptiedAge) {
    Set(Field::txtAge, "");
    dice.Add(30, 25);
    Set(Field::txtAge, " ");  // a blank typed into the empty field rolls at once
    ScriptedDialogs dialogs;
    EXPECT_TRUE(txtAge_LostFocus(record, dialogs));
    EXPECT_EQ(Text(Field::txtAge), "37");
    Set(Field::txtAge, "");
    Set(Field::txtAge, "3");
    Set(Field::txtAge, "35");  // each keystroke runs the hook, which rolls nothing
    EXPECT_EQ(Text(Field::txtAge), "35");
}

TEST_F(RecordTest, LeavingTheWeightFieldRollsOnlyItsCaption) {
    Set(Field::cboSex, "Male");
    dice.Add(100, 98);
    cboWeight_LostFocus(record);
    EXPECT_EQ(Text(Field::cboWeight), "210");
    EXPECT_EQ(record.working.weightClass, "H");
    cboWeight_LostFocus(record);  // now set: nothing more is rolled
    EXPECT_EQ(Text(Field::cboWeight), "210");
}

}  // namespace
}  // namespace dossier
