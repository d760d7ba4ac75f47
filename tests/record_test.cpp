#include <gtest/gtest.h>

#include "record/field.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

TEST(FieldTable, NamesRoundTripAndStartupTextsMatchTheWindow) {
    for (const FieldInfo& info : AllFields()) {
        EXPECT_EQ(FieldByName(info.name), info.field) << info.name;
    }
    EXPECT_FALSE(FieldByName("cbosex").has_value());
    EXPECT_FALSE(FieldByName("").has_value());
    EXPECT_EQ(kFieldCount, 33U);
}

TEST_F(RecordTest, StartupState) {
    const std::pair<Field, const char*> expected[] = {
        {Field::cboSex, "Sex"},           {Field::cboRace, "Race"},
        {Field::cboHair, "Hair"},         {Field::cboHandedness, "Handedness"},
        {Field::txtAge, "22"},            {Field::cboHeight, "Height"},
        {Field::cboWeight, "Weight"},     {Field::cboMilitary, "Military Service"},
        {Field::cboBranch, "Branch"},     {Field::cboGlasses, "Glasses"},
        {Field::cboLoss, "% Loss of CD"}, {Field::cboPhysique, "Physique"},
        {Field::txtLevel, "5"},           {Field::txtPS, ""},
        {Field::txtSV, ""},               {Field::txtWell, ""},
    };
    for (const auto& [field, text] : expected) EXPECT_EQ(Text(field), text) << FieldName(field);
    EXPECT_EQ(record.working.lastRoll, 0);
    EXPECT_EQ(record.working.sexFixed, 0);
    EXPECT_EQ(record.working.heightClass, "");
    EXPECT_EQ(record.working.weightClass, "");
    for (std::string_view slot : record.working.knowledgeAreas) EXPECT_EQ(slot, "");
}

TEST_F(RecordTest, WritingTheUnsetAgeRollsAnAgeBeforeTheWriteReturns) {
    dice.Add(30, 15);
    Set(Field::txtAge, " ");
    EXPECT_EQ(Text(Field::txtAge), "27");
    EXPECT_EQ(record.working.lastRoll, 15);
}

TEST_F(RecordTest, NestedAgeWritesEndWithTheClampedAge) {
    dice.Add(30, 3);  // 15 is written first, then the hook's own write of 22
    Set(Field::txtAge, " ");
    EXPECT_EQ(Text(Field::txtAge), "22");
}

TEST_F(RecordTest, AgeTextsOtherThanOneBlankRollNothing) {
    for (const char* text : {"", "  ", "22", "x", " 5"}) {
        Set(Field::txtAge, text);
        EXPECT_EQ(Text(Field::txtAge), text);
    }
}

TEST_F(RecordTest, OtherFieldsHaveNoHook) {
    Set(Field::cboSex, " ");
    Set(Field::txtLevel, " ");
    EXPECT_EQ(Text(Field::cboSex), " ");
    EXPECT_EQ(Text(Field::txtLevel), " ");
}

TEST_F(RecordTest, RollAndKeepStoresTheLastRoll) {
    dice.Add({{10, 7}, {100, 99}});
    EXPECT_EQ(record.RollAndKeep(10), 7);
    EXPECT_EQ(record.working.lastRoll, 7);
    EXPECT_EQ(record.DieRoll(100), 99);
    EXPECT_EQ(record.working.lastRoll, 7) << "a plain roll does not touch the last roll";
}

}  // namespace
}  // namespace dossier
