#include <gtest/gtest.h>

#include "generators/glasses_coordination_loss.h"
#include "record/numbers.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

TEST_F(RecordTest, GlassesTable) {
    struct Row {
        int roll;
        const char* glasses;
        const char* loss;
    };
    const Row rows[] = {
        {1, "Glasses - no CLs", "kept"},        {2, "Glasses/CLs", "kept"},
        {3, "Glasses/CLs", "kept"},             {4, "Not Needed/CLs Okay", "N/A"},
        {9, "Not Needed/CLs Okay", "N/A"},      {10, "Not Needed/no CLs", "N/A"},
    };
    for (const Row& row : rows) {
        Set(Field::cboGlasses, "Glasses");
        Set(Field::cboLoss, "kept");
        dice.Add(10, row.roll);
        RollGlasses(record);
        EXPECT_EQ(Text(Field::cboGlasses), row.glasses) << "roll " << row.roll;
        EXPECT_EQ(Text(Field::cboLoss), row.loss) << "roll " << row.roll;
        EXPECT_EQ(record.working.lastRoll, row.roll);
    }
}

TEST_F(RecordTest, GlassesAlreadyChosenRollNothing) {
    for (const char* text : {"N/A", "glasses", "Glasses ", ""}) {
        Set(Field::cboGlasses, text);
        RollGlasses(record);
        EXPECT_EQ(Text(Field::cboGlasses), text);
    }
}

TEST_F(RecordTest, CoordinationLossRounding) {
    struct Row {
        const char* coordination;
        int roll;
        const char* loss;
    };
    const Row rows[] = {
        {"50", 25, "12%"},  // 12.5 rounds to the even 12
        {"50", 27, "14%"},  // 13.5 rounds to 14
        {"50", 1, "0%"},    {"30", 5, "2%"},  // 1.5 rounds to 2
        {"90", 50, "35%"},  // 45 is capped
        {"70", 50, "35%"},  {"71", 50, "35%"},  // 35.5 rounds to 36, then the cap
        {"100", 35, "35%"}, {"100", 34, "34%"}, {"80.7", 10, "8%"},  // the text is not rounded down
        {"-20", 50, "-10%"},
    };
    for (const Row& row : rows) {
        Set(Field::cboGlasses, "Glasses/CLs");
        Set(Field::txtCD, row.coordination);
        dice.Add(100, row.roll);
        RollCoordinationLoss(record);
        EXPECT_EQ(Text(Field::cboLoss), row.loss) << row.coordination << " x " << row.roll;
        EXPECT_EQ(record.working.lastRoll, row.roll);
    }
}

TEST_F(RecordTest, NoGlassesMeansNoLossButTheDieIsStillRolled) {
    for (const char* glasses : {"N/A", "Not Needed/CLs Okay", "Glasses", "glasses/cls", ""}) {
        Set(Field::cboGlasses, glasses);
        Set(Field::cboLoss, "12%");
        Set(Field::txtCD, "not a number either");
        dice.Add(100, 60);
        RollCoordinationLoss(record);
        EXPECT_EQ(Text(Field::cboLoss), "N/A") << glasses;
    }
}

TEST_F(RecordTest, CoordinationThatIsNotANumberWritesNothing) {
    Set(Field::cboGlasses, "Glasses - no CLs");
    Set(Field::cboLoss, "12%");
    Set(Field::txtCD, "");
    dice.Add(100, 60);
    EXPECT_THROW(RollCoordinationLoss(record), FieldValueError);
    EXPECT_EQ(Text(Field::cboLoss), "12%");
}

}  // namespace
}  // namespace dossier
