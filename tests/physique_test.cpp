#include <gtest/gtest.h>

#include "generators/physique.h"
#include "record/numbers.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

TEST_F(RecordTest, PhysiqueTable) {
    // Strength, height class, weight class, physique; "-" keeps the field as it was.
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"101", "", "", "Mesomorphic"},
        {"100", "S", "L", "Average"},
        {"100", "T", "A", "Mesomorphic"},
        {"76", "A", "A", "Mesomorphic"},
        {"76", "T", "H", "Average"},
        {"76", "S", "A", "Average"},
        {"76", "A", "x", "Average"},
        {"76", "", "A", "-"},
        {"76", "t", "A", "-"},
        {"75", "T", "A", "Average"},
        {"75.5", "T", "A", "Mesomorphic"},
        {"41", "T", "L", "Ectomorphic"},
        {"41", "T", "H", "Endomorphic"},
        {"41", "T", "", "-"},
        {"41", "A", "", "Average"},
        {"41", "S", "L", "Ectomorphic"},
        {"41", "S", "A", "Average"},
        {"41", "S", "H", "Endomorphic"},
        {"41", "S", "", "-"},
        {"40", "T", "L", "Ectomorphic"},
        {"40", "T", "A", "Ectomorphic"},
        {"40", "T", "", "Ectomorphic"},
        {"40", "A", "L", "Ectomorphic"},
        {"40", "A", "A", "Average"},
        {"40", "A", "H", "Endomorphic"},
        {"40", "A", "", "-"},
        {"40", "S", "L", "Average"},
        {"40", "S", "A", "Endomorphic"},
        {"40", "S", "", "Endomorphic"},
        {"-5", "S", "H", "Endomorphic"}};
    for (const auto& [strength, heightClass, weightClass, physique] : rows) {
        Set(Field::cboPhysique, "kept");
        Set(Field::txtPS, strength);
        record.working.heightClass = heightClass;
        record.working.weightClass = weightClass;
        RollPhysique(record);
        EXPECT_EQ(Text(Field::cboPhysique), std::string(physique) == "-" ? "kept" : physique)
            << "P " << strength << " classes '" << heightClass << "' '" << weightClass << "'";
    }
    Set(Field::txtPS, "strong");
    EXPECT_THROW(RollPhysique(record), FieldValueError);
}

}  // namespace
}  // namespace dossier
