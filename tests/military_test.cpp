#include <gtest/gtest.h>

#include "generators/military.h"
#include "record/numbers.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

// Each row scripts one call: the age, its dice in order, and the two fields it leaves.
struct Call {
    const char* name;
    const char* age;
    std::vector<ScriptedRoll> rolls;
    const char* rank;
    const char* branch;
};

TEST_F(RecordTest, MilitaryService) {
    // clang-format off
    const Call calls[] = {
        {"service roll above age - 6", "22", {{7, 3}, {100, 17}}, "No Military Service", "N/A"},
        {"service roll of age - 6", "22", {{7, 1}, {100, 16}, {4, 3}, {100, 5}}, "Private", "Marines"},
        {"age 6 never serves", "6", {{-9, 1}, {100, 1}}, "No Military Service", "N/A"},
        {"age 7: only the lowest band", "7", {{-8, 1}, {100, 1}, {4, 4}, {100, 11}, {100, 100}, {100, 10}}, "Sea. Recruit", "Navy"},
        {"d = 5 halves to T = 2", "22", {{7, 5}, {100, 16}, {4, 1}, {100, 65}, {100, 60}}, "Private 1st Class", "Army"},
        {"d = 7 halves to T = 4", "22", {{7, 7}, {100, 16}, {4, 2}, {100, 76}, {100, 75}}, "Staff Sgt.", "Air Force"},
        {"T = 8 takes band 89-90, not 91", "40", {{25, 16}, {100, 1}, {4, 4}, {100, 91}, {100, 90}}, "Master Chief Petty Officer", "Navy"},
        {"T = 12 throws back 100 and 99", "40", {{25, 25}, {100, 1}, {4, 1}, {100, 100}, {100, 99}, {100, 96}}, "Captain", "Army"}};
    // clang-format on
    for (const Call& call : calls) {
        Set(Field::cboMilitary, "Military Service");
        Set(Field::txtAge, call.age);
        for (const ScriptedRoll& roll : call.rolls) dice.Add(roll.sides, roll.result);
        RollMilitary(record);
        EXPECT_EQ(Text(Field::cboMilitary), call.rank) << call.name;
        EXPECT_EQ(Text(Field::cboBranch), call.branch) << call.name;
        EXPECT_EQ(record.working.lastRoll, call.rolls.back().result) << call.name;
    }
}

// Each band at both edges in every branch, served at its least term and, one year short of
// it, thrown back for a roll of 1. An age of 60 rolls a 45-sided term die; a die of 2T gives
// the term T.
TEST_F(RecordTest, EveryRankBandAtItsEdgesAndItsLeastTerm) {
    using Ranks = std::array<const char*, 4>;  // Army, Air Force, Marines, Navy
    const Ranks lowest = {"Private", "Airman/Basic", "Private", "Sea. Recruit"};
    // clang-format off
    const std::tuple<int, int, Ranks> rows[] = {
        {1, 0, lowest},
        {10, 0, lowest},
        {11, 1, {"Private", "Airman", "Private 1st Class", "Sea. Appr."}},
        {30, 1, {"Private", "Airman", "Private 1st Class", "Sea. Appr."}},
        {31, 2, {"Private 1st Class", "Airman 1st Class", "Lance Corporal", "Seaman"}},
        {60, 2, {"Private 1st Class", "Airman 1st Class", "Lance Corporal", "Seaman"}},
        {61, 3, {"Corporal", "Sergeant", "Corporal", "Petty Officer 3rd Class"}},
        {69, 3, {"Corporal", "Sergeant", "Corporal", "Petty Officer 3rd Class"}},
        {70, 4, {"Sergeant", "Staff Sgt.", "Sergeant", "Petty Officer 2nd Class"}},
        {75, 4, {"Sergeant", "Staff Sgt.", "Sergeant", "Petty Officer 2nd Class"}},
        {76, 5, {"Staff Sgt.", "Tech. Sgt.", "Staff Sgt.", "Petty Officer 1"}},
        {81, 5, {"Staff Sgt.", "Tech. Sgt.", "Staff Sgt.", "Petty Officer 1"}},
        {82, 6, {"Sgt. 1st Class", "Master Sgt.", "Gunnery Sgt.", "Chief Petty Officer"}},
        {85, 6, {"Sgt. 1st Class", "Master Sgt.", "Gunnery Sgt.", "Chief Petty Officer"}},
        {86, 7, {"Master Sgt.", "Senior Master Sgt.", "Master Sgt.", "Senior Chief Petty Officer"}},
        {88, 7, {"Master Sgt.", "Senior Master Sgt.", "Master Sgt.", "Senior Chief Petty Officer"}},
        {89, 8, {"Command Sgt. Major", "Chief Master Sgt.", "Master Gunnery Sgt.", "Master Chief Petty Officer"}},
        {90, 8, {"Command Sgt. Major", "Chief Master Sgt.", "Master Gunnery Sgt.", "Master Chief Petty Officer"}},
        {91, 9, {"Second Lt.", "Second Lt.", "Second Lt.", "Ensign"}},
        {92, 9, {"Second Lt.", "Second Lt.", "Second Lt.", "Ensign"}},
        {93, 10, {"First Lt.", "First Lt.", "First Lt.", "Lt. j.g."}},
        {95, 10, {"First Lt.", "First Lt.", "First Lt.", "Lt. j.g."}},
        {96, 11, {"Captain", "Captain", "Captain", "Lieutenant"}},
        {97, 12, {"Major", "Major", "Major", "Lt. Commander"}},
        {98, 13, {"Lt. Col.", "Lt. Col.", "Lt. Col.", "Commander"}},
        {99, 14, {"Colonel", "Colonel", "Colonel", "Captain"}},
        {100, 15, {"General", "General", "General", "Admiral"}}};
    // clang-format on
    const char* branches[] = {"Army", "Air Force", "Marines", "Navy"};
    for (const auto& [roll, least, ranks] : rows) {
        for (const int term : {least, least - 1}) {
            for (int d4 = 1; d4 <= 4 && term >= 0; ++d4) {
                Set(Field::cboMilitary, "Military Service");
                Set(Field::txtAge, "60");
                dice.Add({{45, term == 0 ? 1 : 2 * term}, {100, 1}, {4, d4}, {100, roll}});
                if (term < least) dice.Add(100, 1);  // thrown back: the band needs a longer term
                RollMilitary(record);
                const auto b = static_cast<std::size_t>(d4 - 1);
                EXPECT_EQ(Text(Field::cboMilitary), term < least ? lowest[b] : ranks[b])
                    << "roll " << roll << ", term " << term << ", d4 " << d4;
                EXPECT_EQ(Text(Field::cboBranch), branches[b]);
            }
        }
    }
}

TEST_F(RecordTest, SetRankKeepsBothFieldsButRollsTheTermDie) {
    for (const char* rank : {"Captain", "No Military Service", "military service"}) {
        Set(Field::cboMilitary, rank);
        Set(Field::cboBranch, "Navy");
        dice.Add(7, 4);
        RollMilitary(record);
        EXPECT_EQ(Text(Field::cboMilitary), rank);
        EXPECT_EQ(Text(Field::cboBranch), "Navy");
    }
}

TEST_F(RecordTest, AgeThatIsNotANumberStopsBeforeAnyRoll) {
    for (const char* age : {"", "old", "-32768"}) {  // the last would overflow the die size
        Set(Field::txtAge, age);
        EXPECT_THROW(RollMilitary(record), FieldValueError) << age;
        EXPECT_EQ(Text(Field::cboMilitary), "Military Service");
    }
}

}  // namespace
}  // namespace dossier
