#include <gtest/gtest.h>

#include "generators/military.h"
#include "record/numbers.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

class Military : public RecordTest {
protected:
    void Age(const char* age) { Set(Field::txtAge, age); }
    void Expect(const char* rank, const char* branch) {
        EXPECT_EQ(Text(Field::cboMilitary), rank);
        EXPECT_EQ(Text(Field::cboBranch), branch);
    }
};

TEST_F(Military, NoServiceWhenTheServiceRollExceedsAgeLessSix) {
    Age("22");
    dice.Add({{7, 3}, {100, 17}});
    RollMilitary(record);
    Expect("No Military Service", "N/A");
    EXPECT_EQ(record.working.lastRoll, 17);
}

TEST_F(Military, AgeSixNeverServes) {
    Age("6");
    dice.Add({{-9, 1}, {100, 1}});  // round(6 - 15) = -9 sides
    RollMilitary(record);
    Expect("No Military Service", "N/A");
}

TEST_F(Military, AgeSevenServesOnlyFromTheLowestBand) {
    Age("7");
    // T comes out 0 or less, so every band above 1 to 10 is thrown back.
    dice.Add({{-8, 1}, {100, 1}, {4, 4}, {100, 11}, {100, 100}, {100, 50}, {100, 10}});
    RollMilitary(record);
    Expect("Sea. Recruit", "Navy");
    EXPECT_EQ(record.working.lastRoll, 10);
}

TEST_F(Military, TermRoundsHalvesToEven) {
    // Age 22: a d7 for the term; d = 5 gives T = round(2.5) = 2, so band 61-69 (term 3) is
    // thrown back and band 31-60 (term 2) stands. d = 7 gives T = round(3.5) = 4.
    Age("22");
    dice.Add({{7, 5}, {100, 16}, {4, 1}, {100, 65}, {100, 60}});
    RollMilitary(record);
    Expect("Private 1st Class", "Army");

    Set(Field::cboMilitary, "Military Service");
    dice.Add({{7, 7}, {100, 16}, {4, 2}, {100, 76}, {100, 75}});
    RollMilitary(record);
    Expect("Staff Sgt.", "Air Force");
}

TEST_F(Military, EveryBandForEveryBranch) {
    struct Row {
        int rankRoll;
        const char* ranks[4];
    };
    const Row rows[] = {
        {1, {"Private", "Airman/Basic", "Private", "Sea. Recruit"}},
        {10, {"Private", "Airman/Basic", "Private", "Sea. Recruit"}},
        {11, {"Private", "Airman", "Private 1st Class", "Sea. Appr."}},
        {30, {"Private", "Airman", "Private 1st Class", "Sea. Appr."}},
        {31, {"Private 1st Class", "Airman 1st Class", "Lance Corporal", "Seaman"}},
        {60, {"Private 1st Class", "Airman 1st Class", "Lance Corporal", "Seaman"}},
        {61, {"Corporal", "Sergeant", "Corporal", "Petty Officer 3rd Class"}},
        {69, {"Corporal", "Sergeant", "Corporal", "Petty Officer 3rd Class"}},
        {70, {"Sergeant", "Staff Sgt.", "Sergeant", "Petty Officer 2nd Class"}},
        {75, {"Sergeant", "Staff Sgt.", "Sergeant", "Petty Officer 2nd Class"}},
        {76, {"Staff Sgt.", "Tech. Sgt.", "Staff Sgt.", "Petty Officer 1"}},
        {81, {"Staff Sgt.", "Tech. Sgt.", "Staff Sgt.", "Petty Officer 1"}},
        {82, {"Sgt. 1st Class", "Master Sgt.", "Gunnery Sgt.", "Chief Petty Officer"}},
        {85, {"Sgt. 1st Class", "Master Sgt.", "Gunnery Sgt.", "Chief Petty Officer"}},
        {86, {"Master Sgt.", "Senior Master Sgt.", "Master Sgt.", "Senior Chief Petty Officer"}},
        {88, {"Master Sgt.", "Senior Master Sgt.", "Master Sgt.", "Senior Chief Petty Officer"}},
        {89, {"Command Sgt. Major", "Chief Master Sgt.", "Master Gunnery Sgt.",
              "Master Chief Petty Officer"}},
        {90, {"Command Sgt. Major", "Chief Master Sgt.", "Master Gunnery Sgt.",
              "Master Chief Petty Officer"}},
        {91, {"Second Lt.", "Second Lt.", "Second Lt.", "Ensign"}},
        {92, {"Second Lt.", "Second Lt.", "Second Lt.", "Ensign"}},
        {93, {"First Lt.", "First Lt.", "First Lt.", "Lt. j.g."}},
        {95, {"First Lt.", "First Lt.", "First Lt.", "Lt. j.g."}},
        {96, {"Captain", "Captain", "Captain", "Lieutenant"}},
        {97, {"Major", "Major", "Major", "Lt. Commander"}},
        {98, {"Lt. Col.", "Lt. Col.", "Lt. Col.", "Commander"}},
        {99, {"Colonel", "Colonel", "Colonel", "Captain"}},
        {100, {"General", "General", "General", "Admiral"}},
    };
    const char* branches[] = {"Army", "Air Force", "Marines", "Navy"};
    Age("60");  // a d45 term; 30 halves to T = 15, enough for every band
    for (const Row& row : rows) {
        for (int b = 1; b <= 4; ++b) {
            Set(Field::cboMilitary, "Military Service");
            dice.Add({{45, 30}, {100, 54}, {4, b}, {100, row.rankRoll}});
            RollMilitary(record);
            Expect(row.ranks[b - 1], branches[b - 1]);
        }
    }
}

TEST_F(Military, LeastTermBoundaries) {
    // With T = 8 a roll of 90 (term 8) stands and 91 (term 9) is thrown back.
    Age("40");
    dice.Add({{25, 16}, {100, 1}, {4, 4}, {100, 91}, {100, 90}});
    RollMilitary(record);
    Expect("Master Chief Petty Officer", "Navy");
    // T = 14 is one short of General.
    Set(Field::cboMilitary, "Military Service");
    dice.Add({{25, 25}, {100, 1}, {4, 1}, {100, 100}, {100, 99}, {100, 96}});  // T = round(12.5) = 12
    RollMilitary(record);
    Expect("Captain", "Army");  // bands 100 and 99 need 15 and 14, more than T = 12
}

TEST_F(Military, ServiceBoundaryIsAgeLessSix) {
    for (const auto& [serviceRoll, serves] : {std::pair{16, true}, {17, false}}) {
        Set(Field::cboMilitary, "Military Service");
        Age("22");
        dice.Add({{7, 1}, {100, serviceRoll}});
        if (serves) dice.Add({{4, 3}, {100, 5}});
        RollMilitary(record);
        EXPECT_EQ(Text(Field::cboMilitary), serves ? "Private" : "No Military Service");
    }
}

TEST_F(Military, SetRankKeepsBothFieldsButRollsTheTermDie) {
    for (const char* rank : {"Captain", "No Military Service", "military service"}) {
        Set(Field::cboMilitary, rank);
        Set(Field::cboBranch, "Navy");
        Age("30");
        dice.Add(15, 4);
        RollMilitary(record);
        Expect(rank, "Navy");
    }
}

TEST_F(Military, AgeThatIsNotANumberStopsBeforeAnyRoll) {
    for (const char* age : {"", "old", "-32768"}) {
        Age(age);
        EXPECT_THROW(RollMilitary(record), FieldValueError) << age;
        Expect("Military Service", "Branch");
    }
}

}  // namespace
}  // namespace dossier
