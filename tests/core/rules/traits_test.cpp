#include <gtest/gtest.h>

#include "core/record/numbers.h"
#include "core/rules/derived_traits.h"
#include "core/rules/primary_traits.h"
#include "support/test_support.h"

namespace dossier {
namespace {

using enum Field;

using PrimaryTraitsTest = testing::RecordFixture;
using DerivedTraitsTest = testing::RecordFixture;

TEST_F(PrimaryTraitsTest, LevelBonusTableAndFormula) {
    const std::pair<double, int> rows[] = {
        {1, 0},    {2, 2},    {3, 5},     {4, 7},     {5, 11},     {6, 13},   {7, 19},
        {8, 23},   {9, 28},   {10, 33},   {11, 50},   {12, 66},    {13, 83},  {14, 100},
        {15, 116}, {16, 133}, {17, 150},  {18, 166},  {19, 183},   {20, 200}, {0, 0},
        {-3, 0},   {21, 0},   {10.9, 33}, {11.5, 66}, {20.9, 216},  // above 10 the unrounded level
                                                                    // enters the formula
    };
    for (const auto& [level, bonus] : rows) EXPECT_EQ(LevelBonus(level), bonus) << level;
}

TEST_F(PrimaryTraitsTest, RollsThrowBackFiftyAndAdjustForBandAndLevel) {
    dice.Add({{100, 50}, {100, 1}, {100, 51}});
    EXPECT_EQ(RollPrimaryTrait(record), 72);  // level 5: 51 + 10 + 11
    for (const auto& [roll, value] :
         {std::pair{70, 91}, {71, 87}, {90, 106}, {91, 102}, {100, 111}}) {
        EXPECT_EQ(AdjustPrimaryTrait(record, roll), value) << roll;
    }
    Set(txtLevel, "20");  // the level is read on every call
    EXPECT_EQ(AdjustPrimaryTrait(record, 100), 300);
    Set(txtLevel, "");
    EXPECT_THROW(AdjustPrimaryTrait(record, 51), FieldValueError);
}

void SetPrimary(CharacterRecord& record, std::array<const char*, 6> texts) {
    for (std::size_t i = 0; i < kPrimaryTraits.size(); ++i)
        record.Write(kPrimaryTraits[i], texts[i]);
}

TEST_F(DerivedTraitsTest, FieldsFromDistinctTraits) {
    // PS 70, CH 81, WP 60, CO 75, K 52, CD 50: each input differs, so a swapped operand shows.
    SetPrimary(record, {"70", "81", "60", "75", "52", "50"});
    ComputeDerivedTraits(record);
    const std::pair<Field, const char*> expected[] = {
        {txtOF, "62"}, {txtDP, "78"}, {txtEV, "66"},   {txtDA, "51"}, {txtOB, "56"},
        {txtSR, "68"}, {txtGV, "64"}, {txtMV, "180"},  {txtLL, "13"}, {txtWell, "55"},
        {txtBA, "65"}, {txtPR, "53"}, {txtHTH, "136"}, {txtSV, "144"}};
    for (const auto& [field, text] : expected) EXPECT_EQ(Text(field), text) << FieldName(field);
}

// Together with the row above, every two-trait formula meets an odd sum, so a half rounded
// too early (each trait halved first) or the wrong way shows.
TEST_F(DerivedTraitsTest, OddSums) {
    const std::pair<PrimaryTraitValues, std::array<long long, 14>> rows[] = {
        {{71, 81, 61, 74, 53, 50}, {62, 78, 66, 52, 57, 68, 64, 182, 13, 56, 66, 54, 137, 144}},
        {{70, 80, 63, 75, 52, 51}, {63, 78, 66, 52, 58, 69, 64, 184, 13, 57, 66, 54, 136, 144}}};
    for (const auto& [traits, expected] : rows) {
        const DerivedTraitValues d = DeriveTraits(traits);
        EXPECT_EQ((std::array<long long, 14>{d.OF, d.DP, d.EV, d.DA, d.OB, d.SR, d.GV, d.MV, d.LL,
                                             d.Well, d.BA, d.PR, d.HTH, d.SV}),
                  expected)
            << traits.PS;
    }
}

TEST_F(DerivedTraitsTest, RoundingCases) {
    using D = DerivedTraitValues;
    const std::tuple<const char*, PrimaryTraitValues, long long D::*, long long> rows[] = {
        {"all 61: Life Level 12.2", {61, 61, 61, 61, 61, 61}, &D::LL, 12},
        {"all 61: Surprise Value", {61, 61, 61, 61, 61, 61}, &D::SV, 122},
        {"75.5 rounds to 76", {0, 0, 0, 75, 0, 76}, &D::OF, 76},
        {"76.5 rounds to 76", {0, 0, 0, 76, 0, 77}, &D::OF, 76},
        {"PS + WP 135 gives 14", {75, 0, 60, 0, 0, 0}, &D::LL, 14},
        {"inner half not rounded", {0, 0, 60, 0, 61, 61}, &D::PR, 61},
        {"negative halves", {0, -3, 0, 0, 0, -4}, &D::EV, -4},
        {"no 16-bit overflow", {32767, 0, 32767, 0, 0, 32767}, &D::MV, 98301}};
    for (const auto& [name, in, member, value] : rows)
        EXPECT_EQ(DeriveTraits(in).*member, value) << name;
}

TEST_F(DerivedTraitsTest, TypedFractionsCountRoundedDown) {
    SetPrimary(record, {"80.7", "61", "61", "61", "61", "-3.5"});
    ComputeDerivedTraits(record);
    EXPECT_EQ(Text(txtMV), "137");  // 80 + 61 - 4
    EXPECT_EQ(Text(txtPS), "80.7");
}

TEST_F(DerivedTraitsTest, ANonNumberLeavesEveryDerivedFieldAsItWas) {
    SetPrimary(record, {"70", "70", "70", "70", "70", "seventy"});
    Set(txtOF, "61");
    try {
        ComputeDerivedTraits(record);
        ADD_FAILURE() << "no error for a word in Coordination";
    } catch (const FieldValueError& error) {
        EXPECT_EQ(error.field(), txtCD);
    }
    EXPECT_EQ(Text(txtOF), "61");
}

}  // namespace
}  // namespace dossier
