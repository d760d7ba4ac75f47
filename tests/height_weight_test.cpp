#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "generators/height_weight.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

// Every offset of the height table with the dice that give it: the first d10, then the
// shorty or tall d10 where the first is 1 or 10.
struct OffsetDice {
    int offset;
    std::vector<int> rolls;
};

const OffsetDice kOffsets[] = {
    {-8, {1, 1}}, {-7, {1, 2}}, {-6, {1, 3}}, {-5, {1, 4}}, {-4, {1, 5}}, {-4, {1, 6}},
    {-3, {1, 7}}, {-3, {1, 8}}, {-2, {1, 9}}, {-2, {1, 10}}, {-1, {2}},   {-1, {3}},
    {0, {4}},     {0, {5}},     {1, {6}},     {1, {7}},      {2, {8}},    {2, {9}},
    {3, {10, 1}}, {3, {10, 3}}, {4, {10, 4}}, {4, {10, 6}},  {5, {10, 7}}, {5, {10, 8}},
    {6, {10, 9}}, {7, {10, 10}},
};

struct HeightRow {
    const char* female;
    const char* femaleClass;
    const char* male;
    const char* maleClass;
};

HeightRow ExpectedFor(int offset) {
    static const std::map<int, HeightRow> table = {
        {-8, {"4'9", "S", "5'2", "S"}},  {-7, {"4'10", "S", "5'3", "S"}},
        {-6, {"4'11", "S", "5'4", "S"}}, {-5, {"5'0", "S", "5'5", "S"}},
        {-4, {"5'1", "S", "5'6", "S"}},  {-3, {"5'2", "S", "5'7", "S"}},
        {-2, {"5'3", "A", "5'8", "A"}},  {-1, {"5'4", "A", "5'9", "A"}},
        {0, {"5'5", "A", "5'10", "A"}},  {1, {"5'6", "A", "5'11", "A"}},
        {2, {"5'7", "A", "6'0", "T"}},   {3, {"5'8", "T", "6'1", "T"}},
        {4, {"5'9", "T", "6'2", "T"}},   {5, {"5'10", "T", "6'3", "T"}},
        {6, {"5'11", "T", "6'4", "T"}},  {7, {"6'0", "T", "6'5", "T"}},
    };
    return table.at(offset);
}

TEST_F(RecordTest, EveryRolledHeightAndItsClass) {
    for (const OffsetDice& row : kOffsets) {
        const HeightRow expected = ExpectedFor(row.offset);
        for (const char* sex : {"Female", "Male"}) {
            const bool female = std::string(sex) == "Female";
            Set(Field::cboSex, sex);
            Set(Field::cboHeight, "Height");
            for (int roll : row.rolls) dice.Add(10, roll);
            RollHeight(record);
            EXPECT_EQ(Text(Field::cboHeight), female ? expected.female : expected.male)
                << sex << " offset " << row.offset;
            EXPECT_EQ(record.working.heightClass, female ? expected.femaleClass : expected.maleClass)
                << sex << " offset " << row.offset;
            EXPECT_EQ(record.working.lastRoll, row.rolls.back());
        }
    }
}

TEST_F(RecordTest, HeightClassOfHeightsAlreadyPresent) {
    struct Row {
        const char* sex;
        const char* height;
        const char* heightClass;
    };
    const Row rows[] = {
        {"Female", "5'2", "S"},     {"Female", "5'3", "A"},    {"Female", "5'7", "A"},
        {"Female", "5'8", "T"},     {"Female", "4'11", "S"},   {"Female", "6'0", "T"},
        {"Male", "5'7", "S"},       {"Male", "5'8", "A"},      {"Male", "5'11", "A"},
        {"Male", "6'0", "T"},       {"Male", "4'9", "S"},      {"Male", "5'10\"", "A"},
        {"Female", "5'10\"", "T"},  {"Male", "3'11", "S"},     {"Female", "7'1", "T"},
        {"Other", "5'8", "A"},      {"Other", "5'7", "S"},     {"Other", "6'2\"", "T"},
    };
    for (const Row& row : rows) {
        record.working.heightClass = "?";
        Set(Field::cboSex, row.sex);
        Set(Field::cboHeight, row.height);
        dice.Add(10, 5);  // rolled before the field is looked at, and not used
        RollHeight(record);
        EXPECT_EQ(Text(Field::cboHeight), row.height) << "a present height is not rolled again";
        EXPECT_EQ(record.working.heightClass, row.heightClass) << row.sex << ' ' << row.height;
    }
}

TEST_F(RecordTest, UnreadableHeightsKeepTheClass) {
    for (const char* height : {"height", "tall", "", "5'", "'5", "5'12", "5'-1", "5.10",
                               "5'10\"\"", "-5'3", "99999'1", " 5'4"}) {
        record.working.heightClass = "A";
        Set(Field::cboSex, "Female");
        Set(Field::cboHeight, height);
        dice.Add(10, 4);
        RollHeight(record);
        EXPECT_EQ(Text(Field::cboHeight), height);
        EXPECT_EQ(record.working.heightClass, "A") << height;
    }
}

TEST_F(RecordTest, NoHeightForOtherSexes) {
    Set(Field::cboSex, "Sex");
    record.working.heightClass = "T";
    dice.Add(10, 10);  // the d10 is rolled even so; no tall roll follows
    RollHeight(record);
    EXPECT_EQ(Text(Field::cboHeight), "Height");
    EXPECT_EQ(record.working.heightClass, "T");
}

TEST_F(RecordTest, WeightTable) {
    struct Row {
        int roll;
        int female;
        int male;
        const char* weightClass;
    };
    const Row rows[] = {
        {1, 100, 125, "L"},  {3, 100, 125, "L"},  {4, 107, 132, "L"},  {9, 107, 132, "L"},
        {10, 114, 139, "L"}, {17, 114, 139, "L"}, {18, 121, 146, "A"}, {28, 121, 146, "A"},
        {29, 128, 153, "A"}, {42, 128, 153, "A"}, {43, 135, 160, "A"}, {58, 135, 160, "A"},
        {59, 145, 170, "A"}, {72, 145, 170, "A"}, {73, 155, 180, "A"}, {83, 155, 180, "A"},
        {84, 165, 190, "H"}, {91, 165, 190, "H"}, {92, 175, 200, "H"}, {97, 175, 200, "H"},
        {98, 185, 210, "H"}, {100, 185, 210, "H"},
    };
    for (const Row& row : rows) {
        for (const char* sex : {"Female", "Male"}) {
            const bool female = std::string(sex) == "Female";
            Set(Field::cboSex, sex);
            Set(Field::cboWeight, "Weight");
            dice.Add(100, row.roll);
            RollWeight(record);
            EXPECT_EQ(Text(Field::cboWeight), std::to_string(female ? row.female : row.male));
            EXPECT_EQ(record.working.weightClass, row.weightClass) << sex << " roll " << row.roll;
            EXPECT_EQ(record.working.lastRoll, row.roll);
        }
    }
}

TEST_F(RecordTest, WeightClassOfWeightsAlreadyPresent) {
    struct Row {
        const char* sex;
        const char* weight;
        const char* weightClass;
    };
    const Row rows[] = {
        {"Female", "155", "A"}, {"Female", "156", "H"}, {"Female", "120", "A"},
        {"Female", "119", "L"}, {"Male", "180", "A"},   {"Male", "181", "H"},
        {"Male", "140", "A"},   {"Male", "139", "L"},   {"Male", "99", "L"},
        {"Male", "1000", "H"},  {"Male", "180.5", "H"}, {"Female", " 130 ", "A"},
        // Not a number, or no sex to class by: the class stays as it was.
        {"Male", "heavy", "?"}, {"Male", "", "?"},      {"Other", "150", "?"},
    };
    for (const Row& row : rows) {
        record.working.weightClass = "?";
        Set(Field::cboSex, row.sex);
        Set(Field::cboWeight, row.weight);
        RollWeight(record);
        EXPECT_EQ(Text(Field::cboWeight), row.weight);
        EXPECT_EQ(record.working.weightClass, row.weightClass) << row.sex << ' ' << row.weight;
    }
}

TEST_F(RecordTest, UnsetWeightWithoutASexStaysUnset) {
    Set(Field::cboSex, "Sex");
    RollWeight(record);
    EXPECT_EQ(Text(Field::cboWeight), "Weight");
}

TEST_F(RecordTest, RunningBothTwiceKeepsTheFirstResults) {
    Set(Field::cboSex, "Male");
    dice.Add({{10, 6}, {100, 90}, {10, 2}});
    RollHeight(record);
    RollWeight(record);
    const std::string height = Text(Field::cboHeight), weight = Text(Field::cboWeight);
    const std::string heightClass = record.working.heightClass;
    const std::string weightClass = record.working.weightClass;
    RollHeight(record);
    RollWeight(record);
    EXPECT_EQ(Text(Field::cboHeight), height);
    EXPECT_EQ(Text(Field::cboWeight), weight);
    EXPECT_EQ(record.working.heightClass, heightClass);
    EXPECT_EQ(record.working.weightClass, weightClass);
    EXPECT_EQ(height, "5'11");
    EXPECT_EQ(weight, "190");
}

}  // namespace
}  // namespace dossier
