#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/dice/random_dice.h"
#include "core/record/numbers.h"
#include "core/rules/glasses_coordination_loss.h"
#include "core/rules/height_weight.h"
#include "core/rules/military.h"
#include "core/rules/physique.h"
#include "core/rules/sex_race_hair.h"
#include "support/test_support.h"

namespace dossier {
namespace {

using enum Field;

using SexRaceHairTest = testing::RecordFixture;
using AgeHandednessTest = testing::RecordFixture;
using HeightWeightTest = testing::RecordFixture;
using GlassesCoordinationLossTest = testing::RecordFixture;
using PhysiqueTest = testing::RecordFixture;
using MilitaryTest = testing::RecordFixture;

// A generator fills its field only while the field holds exactly its unset caption.
TEST(CharacteristicsTest, OnlyTheExactUnsetCaptionIsFilled) {
    struct Row {
        Field field;
        const char* caption;
        void (*generator)(CharacterRecord&);
    };
    const Row rows[] = {{cboSex, "Sex", RollSex},
                        {cboRace, "Race", RollRace},
                        {cboHair, "Hair", RollHair},
                        {cboHandedness, "Handedness", RollHandedness},
                        {txtAge, " ", RollAge},
                        {cboHeight, "Height", RollHeight},
                        {cboWeight, "Weight", RollWeight},
                        {cboMilitary, "Military Service", RollMilitary},
                        {cboGlasses, "Glasses", RollGlasses}};
    SeededDice dice(3);
    for (const Row& row : rows) {
        const std::string caption = row.caption;
        std::string otherCase = caption;
        for (char& c : otherCase)
            c = static_cast<char>(std::islower(c) ? std::toupper(c) : std::tolower(c));
        for (const std::string& text : {caption, otherCase, caption + " ", std::string()}) {
            CharacterRecord record(dice);  // no age hook: the age generator is called below
            record.Write(cboSex, "Male");
            if (row.field != txtAge) record.Write(txtAge, "30");
            record.Write(row.field, text);
            row.generator(record);
            const bool filled = record.Text(row.field) != text;
            EXPECT_EQ(filled, text == caption) << FieldName(row.field) << " \"" << text << '"';
        }
    }
}

TEST_F(SexRaceHairTest, SexRaceAndHairTables) {
    using Rows = std::vector<std::pair<int, const char*>>;  // the d100 and the value
    const Rows sexes = {{50, "Male"}, {51, "Female"}};
    const Rows races = {{15, "Native American"}, {16, "Middle Eastern"}, {29, "Middle Eastern"},
                        {30, "Asian"},           {49, "Asian"},          {50, "White"},
                        {79, "White"},           {80, "Black"},          {100, "Black"}};
    const Rows hairs = {{24, "Black"},          {25, "Red/Auburn"},     {49, "Red/Auburn"},
                        {50, "Brown/Brunette"}, {74, "Brown/Brunette"}, {75, "Blonde"},
                        {100, "Blonde"}};
    const std::tuple<Field, const char*, void (*)(CharacterRecord&), const Rows&> tables[] = {
        {cboSex, "Sex", RollSex, sexes},
        {cboRace, "Race", RollRace, races},
        {cboHair, "Hair", RollHair, hairs}};
    for (const auto& [field, caption, generator, rows] : tables) {
        for (const auto& [roll, value] : rows) {
            Set(field, caption);
            if (field == cboRace) Set(cboHair, "Gray");  // no hair adjustment
            dice.Add(100, roll);
            generator(record);
            EXPECT_EQ(Text(field), value) << caption << ' ' << roll;
            EXPECT_EQ(record.working.lastRoll, roll);
        }
    }
}

TEST_F(SexRaceHairTest, RolledRaceSuitsTheHairExceptGray) {
    // The hair before, the race roll, the hair after: Asian, Gray survives, Native American even
    // over the caption, Middle Eastern, Black, White keeps it, White keeps the caption.
    const std::tuple<const char*, int, const char*> rows[] = {
        {"Blonde", 30, "Black"},     {"Gray", 30, "Gray"},   {"Hair", 1, "Black"},
        {"Red/Auburn", 16, "Brown"}, {"typed", 80, "Brown"}, {"Blonde", 50, "Blonde"},
        {"Hair", 79, "Hair"}};
    for (const auto& [before, roll, after] : rows) {
        Set(cboRace, "Race");
        Set(cboHair, before);
        dice.Add(100, roll);
        RollRace(record);
        EXPECT_EQ(Text(cboHair), after) << before << ", race roll " << roll;
    }
    Set(cboRace, "Asian");  // a chosen race adjusts nothing
    Set(cboHair, "Blonde");
    RollRace(record);
    EXPECT_EQ(Text(cboHair), "Blonde");
}

TEST_F(AgeHandednessTest, AgeRollsThroughTheHook) {
    for (const auto& [roll, age] : {std::pair{9, "22"}, {10, "22"}, {11, "23"}, {30, "42"}}) {
        Set(txtAge, "");
        dice.Add(30, roll);
        Set(txtAge, " ");
        EXPECT_EQ(Text(txtAge), age) << roll;
        EXPECT_EQ(record.working.lastRoll, roll);
        RollAge(record);  // the explicit call after the hook finds a number: no roll
    }
    ScriptedDice unhooked;
    CharacterRecord plain(unhooked);  // without the hook the explicit call rolls
    plain.Write(txtAge, " ");
    unhooked.Add(30, 11);
    RollAge(plain);
    EXPECT_EQ(plain.Text(txtAge), "23");
}

TEST_F(AgeHandednessTest, HandednessTable) {
    const std::pair<int, const char*> rows[] = {
        {89, "Right"}, {90, "Left"}, {98, "Left"}, {99, "Ambidextrous"}, {100, "Ambidextrous"}};
    for (const auto& [roll, hand] : rows) {
        Set(cboHandedness, "Handedness");
        dice.Add(100, roll);
        RollHandedness(record);
        EXPECT_EQ(Text(cboHandedness), hand) << roll;
    }
    Set(cboHandedness, "handedness");  // a typed value: no roll
    RollHandedness(record);
    EXPECT_EQ(Text(cboHandedness), "handedness");
}

TEST_F(HeightWeightTest, EveryRolledHeightAndItsClass) {
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
            Set(cboSex, female ? "Female" : "Male");
            Set(cboHeight, "Height");
            for (int roll : row.d10s) dice.Add(10, roll);
            RollHeight(record);
            EXPECT_EQ(Text(cboHeight), female ? row.female : row.male) << row.d10s.back();
            EXPECT_EQ(record.working.heightClass, female ? row.femaleClass : row.maleClass)
                << Text(cboHeight);
            EXPECT_EQ(record.working.lastRoll, row.d10s.back());
        }
    }
}

TEST_F(HeightWeightTest, PresentHeightsAreClassedNotRolled) {
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
        Set(cboSex, sex);
        Set(cboHeight, height);
        dice.Add(10, 5);  // rolled before the field is looked at, and not used
        RollHeight(record);
        EXPECT_EQ(Text(cboHeight), height);
        EXPECT_EQ(record.working.heightClass, heightClass) << sex << ' ' << height;
    }
}

TEST_F(HeightWeightTest, NoHeightWithoutASex) {
    record.working.heightClass = "T";
    dice.Add(10, 10);  // no tall roll follows
    RollHeight(record);
    EXPECT_EQ(Text(cboHeight), "Height");
    EXPECT_EQ(record.working.heightClass, "T");
    RollWeight(record);
    EXPECT_EQ(Text(cboWeight), "Weight");
}

TEST_F(HeightWeightTest, WeightTableBoundaries) {
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
            Set(cboSex, isFemale ? "Female" : "Male");
            Set(cboWeight, "Weight");
            dice.Add(100, roll);
            RollWeight(record);
            EXPECT_EQ(Text(cboWeight), std::to_string(isFemale ? female : male));
            EXPECT_EQ(record.working.weightClass, weightClass) << "roll " << roll;
        }
    }
}

TEST_F(HeightWeightTest, PresentWeightsAreClassedNotRolled) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"Female", "155", "A"}, {"Female", "156", "H"}, {"Female", "120", "A"},
        {"Female", "119", "L"}, {"Male", "180", "A"},   {"Male", "181", "H"},
        {"Male", "140", "A"},   {"Male", "139", "L"},   {"Male", "180.5", "H"},
        {"Male", "heavy", "?"}, {"Male", "", "?"},      {"Other", "150", "?"}};
    for (const auto& [sex, weight, weightClass] : rows) {
        record.working.weightClass = "?";
        Set(cboSex, sex);
        Set(cboWeight, weight);
        RollWeight(record);
        EXPECT_EQ(Text(cboWeight), weight);
        EXPECT_EQ(record.working.weightClass, weightClass) << sex << ' ' << weight;
    }
}

TEST_F(GlassesCoordinationLossTest, GlassesTable) {
    const std::tuple<int, const char*, const char*> rows[] = {
        {1, "Glasses - no CLs", "kept"},   {2, "Glasses/CLs", "kept"},
        {3, "Glasses/CLs", "kept"},        {4, "Not Needed/CLs Okay", "N/A"},
        {9, "Not Needed/CLs Okay", "N/A"}, {10, "Not Needed/no CLs", "N/A"}};
    for (const auto& [roll, glasses, loss] : rows) {
        Set(cboGlasses, "Glasses");
        Set(cboLoss, "kept");
        dice.Add(10, roll);
        RollGlasses(record);
        EXPECT_EQ(Text(cboGlasses), glasses);
        EXPECT_EQ(Text(cboLoss), loss) << roll;
    }
    Set(cboGlasses, "Glasses ");  // not the caption: no die is rolled
    RollGlasses(record);
    EXPECT_EQ(Text(cboGlasses), "Glasses ");
}

TEST_F(GlassesCoordinationLossTest, CoordinationLoss) {
    // 12.5 rounds to the even 12, 13.5 to 14, 1.5 to 2; 45 is capped at 35, and 35.5 rounds to 36
    // before the cap; 80.7 is not rounded down first; without glasses there is no loss, but the
    // die is still rolled.
    const std::tuple<const char*, const char*, int, const char*> rows[] = {
        {"Glasses/CLs", "50", 25, "12%"},    {"Glasses/CLs", "50", 27, "14%"},
        {"Glasses - no CLs", "50", 1, "0%"}, {"Glasses/CLs", "30", 5, "2%"},
        {"Glasses/CLs", "90", 50, "35%"},    {"Glasses/CLs", "71", 50, "35%"},
        {"Glasses/CLs", "80.7", 10, "8%"},   {"N/A", "not a number", 60, "N/A"},
        {"glasses/cls", "50", 60, "N/A"}};
    for (const auto& [glasses, coordination, roll, loss] : rows) {
        Set(cboGlasses, glasses);
        Set(txtCD, coordination);
        dice.Add(100, roll);
        RollCoordinationLoss(record);
        EXPECT_EQ(Text(cboLoss), loss) << coordination << " x " << roll;
        EXPECT_EQ(record.working.lastRoll, roll);
    }
}

TEST_F(GlassesCoordinationLossTest, CoordinationThatIsNotANumberWritesNoLoss) {
    Set(cboGlasses, "Glasses - no CLs");
    Set(cboLoss, "12%");
    Set(txtCD, "");
    dice.Add(100, 60);
    EXPECT_THROW(RollCoordinationLoss(record), FieldValueError);
    EXPECT_EQ(Text(cboLoss), "12%");
}

TEST_F(PhysiqueTest, PhysiqueTable) {
    // Strength, height class, weight class, physique; Kept keeps the field as it was.
    const char *Avg = "Average", *Meso = "Mesomorphic", *Ecto = "Ectomorphic",
               *Endo = "Endomorphic", *Kept = "kept";
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"101", "", "", Meso},  {"100", "S", "L", Avg},   {"100", "T", "A", Meso},
        {"76", "A", "A", Meso}, {"76", "T", "H", Avg},    {"76", "S", "A", Avg},
        {"76", "A", "x", Avg},  {"76", "", "A", Kept},    {"76", "t", "A", Kept},
        {"75", "T", "A", Avg},  {"75.5", "T", "A", Meso}, {"41", "T", "L", Ecto},
        {"41", "T", "H", Endo}, {"41", "T", "", Kept},    {"41", "A", "", Avg},
        {"41", "S", "L", Ecto}, {"41", "S", "A", Avg},    {"41", "S", "H", Endo},
        {"41", "S", "", Kept},  {"40", "T", "L", Ecto},   {"40", "T", "A", Ecto},
        {"40", "T", "", Ecto},  {"40", "A", "L", Ecto},   {"40", "A", "A", Avg},
        {"40", "A", "H", Endo}, {"40", "A", "", Kept},    {"40", "S", "L", Avg},
        {"40", "S", "A", Endo}, {"40", "S", "", Endo},    {"-5", "S", "H", Endo}};
    for (const auto& [strength, heightClass, weightClass, physique] : rows) {
        Set(cboPhysique, "kept");
        Set(txtPS, strength);
        record.working.heightClass = heightClass;
        record.working.weightClass = weightClass;
        RollPhysique(record);
        EXPECT_EQ(Text(cboPhysique), physique)
            << "P " << strength << " classes '" << heightClass << "' '" << weightClass << "'";
    }
    Set(txtPS, "strong");
    EXPECT_THROW(RollPhysique(record), FieldValueError);
}

// Each row scripts one call: the age, its dice in order, and the two fields it leaves.
struct Call {
    const char* name;
    const char* age;
    std::vector<ScriptedRoll> rolls;
    const char* rank;
    const char* branch;
};

TEST_F(MilitaryTest, MilitaryService) {
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
        Set(cboMilitary, "Military Service");
        Set(txtAge, call.age);
        for (const ScriptedRoll& roll : call.rolls) dice.Add(roll.sides, roll.result);
        RollMilitary(record);
        EXPECT_EQ(Text(cboMilitary), call.rank) << call.name;
        EXPECT_EQ(Text(cboBranch), call.branch) << call.name;
        EXPECT_EQ(record.working.lastRoll, call.rolls.back().result) << call.name;
    }
}

// Each band at both edges in every branch, served at its least term and, one year short of
// it, thrown back for a roll of 1. An age of 60 rolls a 45-sided term die; a die of 2T gives
// the term T.
TEST_F(MilitaryTest, EveryRankBandAtItsEdgesAndItsLeastTerm) {
    using Ranks = std::array<const char*, 4>;  // Army, Air Force, Marines, Navy
    const Ranks lowest = {"Private", "Airman/Basic", "Private", "Sea. Recruit"};
    // clang-format off
    const std::tuple<int, int, int, Ranks> bands[] = {  // first roll, last roll, least term
        {1, 10, 0, lowest},
        {11, 30, 1, {"Private", "Airman", "Private 1st Class", "Sea. Appr."}},
        {31, 60, 2, {"Private 1st Class", "Airman 1st Class", "Lance Corporal", "Seaman"}},
        {61, 69, 3, {"Corporal", "Sergeant", "Corporal", "Petty Officer 3rd Class"}},
        {70, 75, 4, {"Sergeant", "Staff Sgt.", "Sergeant", "Petty Officer 2nd Class"}},
        {76, 81, 5, {"Staff Sgt.", "Tech. Sgt.", "Staff Sgt.", "Petty Officer 1"}},
        {82, 85, 6, {"Sgt. 1st Class", "Master Sgt.", "Gunnery Sgt.", "Chief Petty Officer"}},
        {86, 88, 7, {"Master Sgt.", "Senior Master Sgt.", "Master Sgt.", "Senior Chief Petty Officer"}},
        {89, 90, 8, {"Command Sgt. Major", "Chief Master Sgt.", "Master Gunnery Sgt.", "Master Chief Petty Officer"}},
        {91, 92, 9, {"Second Lt.", "Second Lt.", "Second Lt.", "Ensign"}},
        {93, 95, 10, {"First Lt.", "First Lt.", "First Lt.", "Lt. j.g."}},
        {96, 96, 11, {"Captain", "Captain", "Captain", "Lieutenant"}},
        {97, 97, 12, {"Major", "Major", "Major", "Lt. Commander"}},
        {98, 98, 13, {"Lt. Col.", "Lt. Col.", "Lt. Col.", "Commander"}},
        {99, 99, 14, {"Colonel", "Colonel", "Colonel", "Captain"}},
        {100, 100, 15, {"General", "General", "General", "Admiral"}}};
    // clang-format on
    const char* branches[] = {"Army", "Air Force", "Marines", "Navy"};
    for (const auto& [first, last, least, ranks] : bands) {
        for (const auto& [roll, term] :
             {std::pair{first, least}, {last, least}, {first, least - 1}, {last, least - 1}}) {
            for (int d4 = 1; d4 <= 4 && term >= 0; ++d4) {
                Set(cboMilitary, "Military Service");
                Set(txtAge, "60");
                dice.Add({{45, term == 0 ? 1 : 2 * term}, {100, 1}, {4, d4}, {100, roll}});
                if (term < least) dice.Add(100, 1);  // thrown back: the band needs a longer term
                RollMilitary(record);
                const auto b = static_cast<std::size_t>(d4 - 1);
                EXPECT_EQ(Text(cboMilitary), term < least ? lowest[b] : ranks[b])
                    << "roll " << roll << ", term " << term << ", d4 " << d4;
                EXPECT_EQ(Text(cboBranch), branches[b]);
            }
        }
    }
}

TEST_F(MilitaryTest, SetRankKeepsBothFieldsButRollsTheTermDie) {
    for (const char* rank : {"Captain", "No Military Service", "military service"}) {
        Set(cboMilitary, rank);
        Set(cboBranch, "Navy");
        dice.Add(7, 4);
        RollMilitary(record);
        EXPECT_EQ(Text(cboMilitary), rank);
        EXPECT_EQ(Text(cboBranch), "Navy");
    }
}

TEST_F(MilitaryTest, AgeThatIsNotANumberStopsBeforeAnyRoll) {
    for (const char* age : {"", "old", "-32768"}) {  // the last would overflow the die size
        Set(txtAge, age);
        EXPECT_THROW(RollMilitary(record), FieldValueError) << age;
        EXPECT_EQ(Text(cboMilitary), "Military Service");
    }
}

}  // namespace
}  // namespace dossier
