#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "generators/height_weight.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

TEST_F(RecordTest, EveryRolledHeightAndItsClass) {
    struct Row {
        std::vector<int> d10s;  // the height die, then shorty's or tall's where it is 1 or 10
        const char *female, *femaleClass, *male, *maleClass;
    };
    const Row rows[] = {{{1, 1}, "4'9", "S", "5'2", "S"},   {{1, 2}, "4'10", "S", "5'3", "S"},
                        {{1, 3}, "4'11", "S", "5'4", "S"},  {{1, 4}, "5'0", "S", "5'5", "S"},
                        {{1, 5}, "5'1", "S", "5'6", "S"},   {{1, 6}, "5'1", "S", "5'6", "S"},
                        {{1, 7}, "5'2", "S", "5'7", "S"},   {{1, 8}, "5'2", "S", "5'7", "S"},
                        {{1, 9}, "5'3", "A", "5'8", "A"},   {{1, 10}, "5'3", "A", "5'8", "A"},
                        {{2}, "5'4", "A", "5'9", "A"},      {{3}, "5'4", "A", "5'9", "A"},
                        {{4}, "5'5", "A", "5'10", "A"},     {{5}, "5'5", "A", "5'10", "A"},
                        {{6}, "5'6", "A", "5'11", "A"},     {{7}, "5'6", "A", "5'11", "A"},
                        {{8}, "5'7", "A", "6'0", "T"},      {{9}, "5'7", "A", "6'0", "T"},
                        {{10, 1}, "5'8", "T", "6'1", "T"},  {{10, 3}, "5'8", "T", "6'1", "T"},
                        {{10, 4}, "5'9", "T", "6'2", "T"},  {{10, 6}, "5'9", "T", "6'2", "T"},
                        {{10, 7}, "5'10", "T", "6'3", "T"}, {{10, 8}, "5'10", "T", "6'3", "T"},
                        {{10, 9}, "5'11", "T", "6'4", "T"}, {{10, 10}, "6'0", "T", "6'5", "T"}};
    for (const Row& row : rows) {
        for (bool female : {true, false}) {
            Set(Field::cboSex, female ? "Female" : "Male");
            Set(Field::cboHeight, "Height");
            for (int roll : row.d10s) dice.Add(10, roll);
            RollHeight(record);
            EXPECT_EQ(Text(Field::cboHeight), female ? row.female : row.male) << row.d10s.back();
            EXPECT_EQ(record.working.heightClass, female ? row.femaleClass : row.maleClass)
                << Text(Field::cboHeight);
            EXPECT_EQ(record.working.lastRoll, row.d10s.back());
        }
    }
}

TEST_F(RecordTest, PresentHeightsAreClassedNotRolled) {
    // "?" where the text is no height: the class stays as it was.
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"Female", "5'2", "S"},  {"Female", "5'3", "A"},    {"Female", "5'7", "A"},
        {"Female", "5'8", "T"},  {"Male", "5'7", "S"},      {"Male", "5'8", "A"},
        {"Male", "5'11", "A"},   {"Male", "6'0", "T"},      {"Male", "5'10\"", "A"},
        {"Male", "3'11", "S"},   {"Female", "7'1", "T"},    {"Other", "5'8", "A"},
        {"Female", "5'12", "?"}, {"Male", "5'10\"\"", "?"}, {"Male", " 5'4", "?"},
        {"Male", "-5'3", "?"},   {"Male", "5.10", "?"},     {"Male", "tall", "?"}};
    for (const auto& [sex, height, heightClass] : rows) {
        record.working.heightClass = "?";
        Set(Field::cboSex, sex);
        Set(Field::cboHeight, height);
        dice.Add(10, 5);  // rolled before the field is looked at, and not used
        RollHeight(record);
        EXPECT_EQ(Text(Field::cboHeight), height);
        EXPECT_EQ(record.working.heightClass, heightClass) << sex << ' ' << height;
    }
}

TEST_F(RecordTest, NoHeightWithoutASex) {
    record.working.heightClass = "T";
    dice.Add(10, 10);  // no tall roll follows
    RollHeight(record);
    EXPECT_EQ(Text(Field::cboHeight), "Height");
    EXPECT_EQ(record.working.heightClass, "T");
    RollWeight(record);
    EXPECT_EQ(Text(Field::cboWeight), "Weight");
}

TEST_F(RecordTest, WeightTableBoundaries) {
    // Both sides of every band's edge.
    const std::tuple<int, int, int, const char*> rows[] = {
        {1, 100, 125, "L"},  {3, 100, 125, "L"},  {4, 107, 132, "L"},  {9, 107, 132, "L"},
        {10, 114, 139, "L"}, {17, 114, 139, "L"}, {18, 121, 146, "A"}, {28, 121, 146, "A"},
        {29, 128, 153, "A"}, {42, 128, 153, "A"}, {43, 135, 160, "A"}, {58, 135, 160, "A"},
        {59, 145, 170, "A"}, {72, 145, 170, "A"}, {73, 155, 180, "A"}, {83, 155, 180, "A"},
        {84, 165, 190, "H"}, {91, 165, 190, "H"}, {92, 175, 200, "H"}, {97, 175, 200, "H"},
        {98, 185, 210, "H"}, {100, 185, 210, "H"}};
    for (const auto& [roll, female, male, weightClass] : rows) {
        for (bool isFemale : {true, false}) {
            Set(Field::cboSex, isFemale ? "Female" : "Male");
            Set(Field::cboWeight, "Weight");
            dice.Add(100, roll);
            RollWeight(record);
            EXPECT_EQ(Text(Field::cboWeight), std::to_string(isFemale ? female : male));
            EXPECT_EQ(record.working.weightClass, weightClass) << "roll " << roll;
        }
    }
}

TEST_F(RecordTest, PresentWeightsAreClassedNotRolled) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"Female", "155", "A"}, {"Female", "156", "H"}, {"Female", "120", "A"},
        {"Female", "119", "L"}, {"Male", "180", "A"},   {"Male", "181", "H"},
        {"Male", "140", "A"},   {"Male", "139", "L"},   {"Male", "180.5", "H"},
        {"Male", "heavy", "?"}, {"Male", "", "?"},      {"Other", "150", "?"}};
    for (const auto& [sex, weight, weightClass] : rows) {
        record.working.weightClass = "?";
        Set(Field::cboSex, sex);
        Set(Field::cboWeight, weight);
        RollWeight(record);
        EXPECT_EQ(Text(Field::cboWeight), weight);
        EXPECT_EQ(record.working.weightClass, weightClass) << sex << ' ' << weight;
    }
}

}  // namespace
}  // namespace dossier
