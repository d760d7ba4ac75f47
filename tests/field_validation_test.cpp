#include <gtest/gtest.h>

#include "test_support.h"
#include "ui/field_validation.h"
#include "ui_test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

TEST_F(RecordTest, LeavingTheAgeOrLevelChecksTheExactText) {
    const std::tuple<Field, const char*, bool> rows[] = {{Field::txtAge, "1", true},
                                                         {Field::txtAge, "100", true},
                                                         {Field::txtAge, "0", false},
                                                         {Field::txtAge, "101", false},
                                                         {Field::txtAge, "022", false},
                                                         {Field::txtAge, "22.0", false},
                                                         {Field::txtAge, "-5", false},
                                                         {Field::txtAge, " 22", false},
                                                         {Field::txtAge, "", false},
                                                         {Field::txtAge, "1e2", false},
                                                         {Field::txtAge, "99999999999", false},
                                                         {Field::txtLevel, "20", true},
                                                         {Field::txtLevel, "21", false},
                                                         {Field::txtLevel, "5 ", false},
                                                         {Field::txtLevel, "+5", false}};
    for (const auto& [field, text, valid] : rows) {
        Set(field, text);
        testing::ScriptedDialogs dialogs;
        const bool age = field == Field::txtAge;
        EXPECT_EQ(age ? txtAge_LostFocus(record, dialogs) : txtLevel_LostFocus(record, dialogs),
                  valid)
            << text;
        const std::string message = age ? "message|Enter an integer from 1 to 100.|Invalid Age"
                                        : "message|Enter an integer from 1 to 20.|Invalid Level";
        EXPECT_EQ(dialogs.log,
                  valid ? std::vector<std::string>{} : std::vector<std::string>{message})
            << text;
        EXPECT_EQ(Text(field), valid ? text : "")
            << "a refused text is emptied, which rolls nothing";
    }
}

TEST_F(RecordTest, LeavingTheWeightCaptionRollsAWeight) {
    Set(Field::cboSex, "Male");
    dice.Add(100, 98);
    cboWeight_LostFocus(record);
    cboWeight_LostFocus(record);  // now set: nothing more is rolled
    EXPECT_EQ(Text(Field::cboWeight), "210");
}

}  // namespace
}  // namespace dossier
