#include <gtest/gtest.h>

#include "generators/glasses_coordination_loss.h"
#include "record/numbers.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

TEST_F(RecordTest, GlassesTable) {
    const std::tuple<int, const char*, const char*> rows[] = {
        {1, "Glasses - no CLs", "kept"},   {2, "Glasses/CLs", "kept"},
        {3, "Glasses/CLs", "kept"},        {4, "Not Needed/CLs Okay", "N/A"},
        {9, "Not Needed/CLs Okay", "N/A"}, {10, "Not Needed/no CLs", "N/A"}};
    for (const auto& [roll, glasses, loss] : rows) {
        Set(Field::cboGlasses, "Glasses");
        Set(Field::cboLoss, "kept");
        dice.Add(10, roll);
        RollGlasses(record);
        EXPECT_EQ(Text(Field::cboGlasses), glasses);
        EXPECT_EQ(Text(Field::cboLoss), loss) << roll;
    }
    Set(Field::cboGlasses, "Glasses ");  // not the caption: no die is rolled
    RollGlasses(record);
    EXPECT_EQ(Text(Field::cboGlasses), "Glasses ");
}

TEST_F(RecordTest, CoordinationLoss) {
    const std::tuple<const char*, const char*, int, const char*> rows[] = {
        {"Glasses/CLs", "50", 25, "12%"},  // 12.5 rounds to the even 12
        {"Glasses/CLs", "50", 27, "14%"},  // 13.5 rounds to 14
        {"Glasses - no CLs", "50", 1, "0%"}, {"Glasses/CLs", "30", 5, "2%"},  // 1.5 rounds to 2
        {"Glasses/CLs", "90", 50, "35%"},                                     // 45 is capped
        {"Glasses/CLs", "71", 50, "35%"},    // 35.5 rounds to 36, then the cap
        {"Glasses/CLs", "80.7", 10, "8%"},   // the text is not rounded down first
        {"N/A", "not a number", 60, "N/A"},  // no glasses: no loss, but the die is rolled
        {"glasses/cls", "50", 60, "N/A"}};
    for (const auto& [glasses, coordination, roll, loss] : rows) {
        Set(Field::cboGlasses, glasses);
        Set(Field::txtCD, coordination);
        dice.Add(100, roll);
        RollCoordinationLoss(record);
        EXPECT_EQ(Text(Field::cboLoss), loss) << coordination << " x " << roll;
        EXPECT_EQ(record.working.lastRoll, roll);
    }
}

TEST_F(RecordTest, CoordinationThatIsNotANumberWritesNoLoss) {
    Set(Field::cboGlasses, "Glasses - no CLs");
    Set(Field::cboLoss, "12%");
    Set(Field::txtCD, "");
    dice.Add(100, 60);
    EXPECT_THROW(RollCoordinationLoss(record), FieldValueError);
    EXPECT_EQ(Text(Field::cboLoss), "12%");
}

}  // namespace
}  // namespace dossier
