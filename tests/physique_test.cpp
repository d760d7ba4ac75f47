#include <gtest/gtest.h>

#include "generators/physique.h"
#include "record/numbers.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

struct Row {
    const char* strength;
    const char* heightClass;
    const char* weightClass;
    const char* physique;  // "-" where the field keeps its text
};

// Every cell of the three bands, the band edges, and the unconditional top band.
const Row kRows[] = {
    {"101", "", "", "Mesomorphic"},      {"300", "S", "L", "Mesomorphic"},
    {"100", "S", "L", "Average"},        {"100", "T", "A", "Mesomorphic"},
    {"76", "T", "L", "Average"},         {"76", "T", "A", "Mesomorphic"},
    {"76", "T", "H", "Average"},         {"76", "T", "", "Average"},
    {"76", "A", "L", "Average"},         {"76", "A", "A", "Mesomorphic"},
    {"76", "A", "H", "Average"},         {"76", "A", "x", "Average"},
    {"76", "S", "L", "Average"},         {"76", "S", "A", "Average"},
    {"76", "S", "H", "Average"},         {"76", "S", "", "Average"},
    {"76", "", "A", "-"},                {"76", "t", "A", "-"},
    {"75", "T", "A", "Average"},         {"75", "T", "L", "Ectomorphic"},
    {"41", "T", "L", "Ectomorphic"},     {"41", "T", "A", "Average"},
    {"41", "T", "H", "Endomorphic"},     {"41", "T", "", "-"},
    {"41", "A", "L", "Average"},         {"41", "A", "A", "Average"},
    {"41", "A", "H", "Average"},         {"41", "A", "", "Average"},
    {"41", "S", "L", "Ectomorphic"},     {"41", "S", "A", "Average"},
    {"41", "S", "H", "Endomorphic"},     {"41", "S", "", "-"},
    {"41", "", "L", "-"},                {"40", "T", "L", "Ectomorphic"},
    {"40", "T", "A", "Ectomorphic"},     {"40", "T", "H", "Endomorphic"},
    {"40", "T", "", "Ectomorphic"},      {"40", "A", "L", "Ectomorphic"},
    {"40", "A", "A", "Average"},         {"40", "A", "H", "Endomorphic"},
    {"40", "A", "", "-"},                {"40", "S", "L", "Average"},
    {"40", "S", "A", "Endomorphic"},     {"40", "S", "H", "Endomorphic"},
    {"40", "S", "", "Endomorphic"},      {"40", "", "", "-"},
    {"-5", "S", "H", "Endomorphic"},     {"100.5", "", "", "Mesomorphic"},
    {"75.5", "T", "A", "Mesomorphic"},   {"40.5", "T", "L", "Ectomorphic"},
};

TEST_F(RecordTest, PhysiqueTable) {
    for (const Row& row : kRows) {
        Set(Field::cboPhysique, "kept");
        Set(Field::txtPS, row.strength);
        record.working.heightClass = row.heightClass;
        record.working.weightClass = row.weightClass;
        RollPhysique(record);
        const std::string expected = std::string(row.physique) == "-" ? "kept" : row.physique;
        EXPECT_EQ(Text(Field::cboPhysique), expected)
            << "P " << row.strength << " classes '" << row.heightClass << "' '" << row.weightClass
            << "'";
        RollPhysique(record);
        EXPECT_EQ(Text(Field::cboPhysique), expected) << "a second run changes nothing";
    }
}

TEST_F(RecordTest, PhysiqueNeedsANumericStrength) {
    Set(Field::txtPS, "strong");
    EXPECT_THROW(RollPhysique(record), FieldValueError);
    EXPECT_EQ(Text(Field::cboPhysique), "Physique");
}

}  // namespace
}  // namespace dossier
