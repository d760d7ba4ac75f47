#include <gtest/gtest.h>

#include "frontend/field_checks.h"
#include "support/frontend_fakes.h"
#include "support/test_support.h"

namespace dossier {
namespace {

using enum Field;

using FieldChecksTest = testing::RecordFixture;

TEST_F(FieldChecksTest, LeavingTheAgeOrLevelChecksTheExactText) {
    constexpr Field A = txtAge, L = txtLevel;
    const std::tuple<Field, const char*, bool> rows[] = {
        {A, "1", true},    {A, "100", true},   {A, "0", false},           {A, "101", false},
        {A, "022", false}, {A, "22.0", false}, {A, "-5", false},          {A, " 22", false},
        {A, "", false},    {A, "1e2", false},  {A, "99999999999", false}, {L, "20", true},
        {L, "21", false},  {L, "5 ", false},   {L, "+5", false}};
    for (const auto& [field, text, valid] : rows) {
        const bool age = field == A;
        Set(field, text);
        testing::ScriptedDialogs dialogs;
        EXPECT_EQ(age ? CheckAgeOnLeave(record, dialogs) : CheckLevelOnLeave(record, dialogs),
                  valid)
            << text;
        const std::string message = age ? "message|Enter an integer from 1 to 100.|Invalid Age"
                                        : "message|Enter an integer from 1 to 20.|Invalid Level";
        EXPECT_EQ(dialogs.log, std::vector<std::string>(valid ? 0 : 1, message)) << text;
        EXPECT_EQ(Text(field), valid ? text : "")
            << "a refused text is emptied, which rolls nothing";
    }
}

TEST_F(FieldChecksTest, LeavingTheWeightCaptionRollsAWeight) {
    Set(cboSex, "Male");
    dice.Add(100, 98);
    RollWeightOnLeave(record);
    RollWeightOnLeave(record);  // now set: nothing more is rolled
    EXPECT_EQ(Text(cboWeight), "210");
}

}  // namespace
}  // namespace dossier
