#include <gtest/gtest.h>

#include "generators/derived_traits.h"
#include "record/numbers.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

class DerivedTraits : public RecordTest {
protected:
    void Primary(const char* ps, const char* ch, const char* wp, const char* co, const char* k,
                 const char* cd) {
        const char* texts[] = {ps, ch, wp, co, k, cd};
        for (std::size_t i = 0; i < kPrimaryTraits.size(); ++i) Set(kPrimaryTraits[i], texts[i]);
    }
};

TEST_F(DerivedTraits, AllSixtyOne) {
    Primary("61", "61", "61", "61", "61", "61");
    ComputeDerivedTraits(record);
    const std::pair<Field, const char*> expected[] = {
        {Field::txtOF, "61"},  {Field::txtDP, "61"},   {Field::txtEV, "61"}, {Field::txtDA, "61"},
        {Field::txtOB, "61"},  {Field::txtSR, "61"},   {Field::txtGV, "61"}, {Field::txtMV, "183"},
        {Field::txtLL, "12"},  {Field::txtWell, "61"}, {Field::txtBA, "61"}, {Field::txtPR, "61"},
        {Field::txtHTH, "122"}, {Field::txtSV, "122"},
    };
    for (const auto& [field, text] : expected) EXPECT_EQ(Text(field), text) << FieldName(field);
}

TEST_F(DerivedTraits, EachFormulaOnDistinctInputs) {
    // PS 70, CH 81, WP 60, CO 75, K 52, CD 50: every input differs so a swapped operand shows.
    Primary("70", "81", "60", "75", "52", "50");
    ComputeDerivedTraits(record);
    const std::pair<Field, const char*> expected[] = {
        {Field::txtOF, "62"},   // 62.5 -> 62
        {Field::txtDP, "78"},   // 78
        {Field::txtEV, "66"},   // 65.5 -> 66
        {Field::txtDA, "51"},   // 51
        {Field::txtOB, "56"},   // 56
        {Field::txtSR, "68"},   // 67.5 -> 68
        {Field::txtGV, "64"},   // 318 / 5 = 63.6
        {Field::txtMV, "180"},  // 70 + 60 + 50
        {Field::txtLL, "13"},   // 13
        {Field::txtWell, "55"}, // (WP + CD) / 2
        {Field::txtBA, "65"},   // (PS + WP) / 2
        {Field::txtPR, "53"},   // (56 + 50) / 2
        {Field::txtHTH, "136"}, // 70 + 66
        {Field::txtSV, "144"},  // 78 + 66
    };
    for (const auto& [field, text] : expected) EXPECT_EQ(Text(field), text) << FieldName(field);
}

TEST(DeriveTraits, RoundingCases) {
    struct Row {
        const char* name;
        PrimaryTraitValues in;
        long long DerivedTraitValues::*member;
        long long expected;
    };
    const Row rows[] = {
        {"75.5 rounds to 76", {0, 0, 0, 75, 0, 76}, &DerivedTraitValues::OF, 76},
        {"76.5 rounds to 76", {0, 0, 0, 76, 0, 77}, &DerivedTraitValues::OF, 76},
        {"PS + WP 125 gives 12", {65, 0, 60, 0, 0, 0}, &DerivedTraitValues::LL, 12},
        {"PS + WP 135 gives 14", {75, 0, 60, 0, 0, 0}, &DerivedTraitValues::LL, 14},
        {"inner half not rounded", {0, 0, 60, 0, 60, 61}, &DerivedTraitValues::PR, 60},
        {"perception rounds the quarter", {0, 0, 61, 0, 60, 61}, &DerivedTraitValues::PR, 61},
        {"negative halves", {0, -3, 0, 0, 0, -4}, &DerivedTraitValues::EV, -4},
        {"large sums do not overflow", {32767, 0, 32767, 0, 0, 32767}, &DerivedTraitValues::MV,
         98301},
    };
    for (const Row& row : rows) EXPECT_EQ(DeriveTraits(row.in).*row.member, row.expected) << row.name;
}

TEST_F(DerivedTraits, TypedFractionsCountRoundedDownAndStayAsTyped) {
    Primary("80.7", "61", "61", "61", "61", "-3.5");
    ComputeDerivedTraits(record);
    EXPECT_EQ(Text(Field::txtPS), "80.7");
    EXPECT_EQ(Text(Field::txtMV), "137");  // 80 + 61 - 4
}

TEST_F(DerivedTraits, ANonNumberLeavesEveryDerivedFieldAsItWas) {
    Primary("61", "61", "61", "61", "61", "61");
    ComputeDerivedTraits(record);
    Primary("70", "70", "70", "70", "70", "seventy");
    try {
        ComputeDerivedTraits(record);
        ADD_FAILURE() << "no error for a word in Coordination";
    } catch (const FieldValueError& error) {
        EXPECT_EQ(error.field(), Field::txtCD);
    }
    EXPECT_EQ(Text(Field::txtOF), "61");
    EXPECT_EQ(Text(Field::txtSV), "122");
}

}  // namespace
}  // namespace dossier
