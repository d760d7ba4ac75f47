#include <gtest/gtest.h>

#include "record/field.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

TEST_F(RecordTest, StartupStateAndNames) {
    for (const FieldInfo& info : AllFields()) {
        EXPECT_EQ(FieldByName(info.name), info.field);
        EXPECT_EQ(Text(info.field), info.startupText);
    }
    EXPECT_EQ(Text(Field::txtAge), "22");
    EXPECT_EQ(Text(Field::cboLoss), "% Loss of CD");
    EXPECT_EQ(Text(Field::txtPS), "");
    EXPECT_FALSE(FieldByName("cbosex").has_value());
    EXPECT_EQ(record.working.lastRoll, 0);
    EXPECT_EQ(record.working.sexFixed, 0);
    EXPECT_EQ(record.working.heightClass, "");
}

TEST_F(RecordTest, OnlyTheAgeHasAHook) {
    dice.Add(30, 3);  // 15 is written, then the hook's own nested write of 22
    Set(Field::txtAge, " ");
    EXPECT_EQ(Text(Field::txtAge), "22");
    for (const char* text : {"", "  ", "x", " 5"}) {  // nothing else rolls
        Set(Field::txtAge, text);
        EXPECT_EQ(Text(Field::txtAge), text);
    }
    Set(Field::cboSex, " ");
    Set(Field::txtLevel, " ");
    EXPECT_EQ(Text(Field::txtLevel), " ");
}

}  // namespace
}  // namespace dossier
