#include <gtest/gtest.h>

#include "core/rules/sheet_sections.h"
#include "support/test_support.h"

namespace dossier {
namespace {

using SheetSectionsTest = testing::RecordFixture;

TEST_F(SheetSectionsTest, LanguageCountFollowsKnowledge) {
    // With the first language at 100 every later roll of 41 to 99 is kept, so the number
    // of languages shows n; one roll of step 3 always follows the first language.
    std::vector<int> scores{1, 2, 3, 4, 5, 6};  // a list from before is replaced
    const std::pair<int, std::size_t> rows[] = {{0, 2},  {1, 2},  {24, 2}, {25, 2},  {50, 2},
                                                {51, 3}, {74, 3}, {75, 4}, {100, 4}, {101, 5}};
    for (const auto& [knowledge, languages] : rows) {
        dice.Add(30, 30);
        for (std::size_t i = 1; i < std::max<std::size_t>(languages, 2); ++i) dice.Add(100, 50);
        RollLanguages(record, knowledge, scores);
        EXPECT_EQ(scores.size(), languages) << "K " << knowledge;
    }
}

TEST_F(SheetSectionsTest, LanguageWithNOfOneMayStayAlone) {
    dice.Add({{30, 1}, {100, 71}});  // first 71; a 71 is not below it
    std::vector<int> scores;
    RollLanguages(record, 10, scores);
    EXPECT_EQ(scores, (std::vector<int>{71}));
}

TEST_F(SheetSectionsTest, LaterLanguagesScoreBetweenFortyOneAndTheFirst) {
    dice.Add({{30, 1}, {100, 40}, {100, 41}, {100, 70}, {100, 71}, {100, 100}, {100, 55}});
    std::vector<int> scores;
    RollLanguages(record, 75, scores);
    EXPECT_EQ(scores, (std::vector<int>{71, 41, 70, 55}));
}

TEST_F(SheetSectionsTest, EducationTable) {
    const std::pair<int, const char*> rows[] = {
        {1, "High School"},        {9, "High School"},        {10, "High School"},
        {11, "Bachelor's Degree"}, {71, "Bachelor's Degree"}, {72, "Master's Degree"},
        {96, "Master's Degree"},   {97, "Doctorate"},         {100, "Doctorate"}};
    for (const auto& [roll, level] : rows) {
        dice.Add(100, roll);
        EXPECT_EQ(RollEducation(record), level) << roll;
    }
}

TEST_F(SheetSectionsTest, AreaScores) {
    // Knowledge, the d100, the score. Rolls of 20 or less add 50, others 30; above Knowledge 102
    // half of it is the least score, rounded half to even (74.5 to 74, 75.5 to 76).
    const std::tuple<double, int, int> rows[] = {{0, 20, 70},  {0, 21, 51},   {0, 100, 130},
                                                 {0, 1, 51},   {150, 30, 75}, {150, 45, 75},
                                                 {149, 1, 74}, {151, 1, 76},  {102, 1, 51}};
    Set(Field::txtK, "0");
    LoadKnowledgeAreas(record);
    std::vector<KnowledgeArea> areas;
    for (const auto& [knowledge, roll, score] : rows) {
        dice.Add({{40, 7}, {100, roll}});
        RollAreas(record, 0, knowledge, areas);
        ASSERT_EQ(areas.size(), 1U);
        EXPECT_EQ(areas[0].name, record.working.knowledgeAreas[7]);
        EXPECT_EQ(areas[0].score, score) << "Kt " << knowledge << " roll " << roll;
    }
}

TEST_F(SheetSectionsTest, AreaCountIsTheGoalRoundedUp) {
    std::vector<KnowledgeArea> areas;
    for (const auto& [goal, count] : {std::pair{7.5, 8}, {7.0, 7}, {0.0, 1}, {0.1, 1}}) {
        for (int slot = 1; slot <= count; ++slot) dice.Add({{40, slot}, {100, 50}});
        RollAreas(record, goal, goal * 10, areas);
        EXPECT_EQ(areas.size(), static_cast<std::size_t>(count));
    }
}

TEST_F(SheetSectionsTest, AreasStopAtFortyWhateverTheGoal) {
    // Knowledge 32767 wants 3277 areas; a repeated draw takes no d100.
    for (int slot = 1; slot < 40; ++slot) dice.Add({{40, slot}, {100, 50}, {40, slot}});
    dice.Add({{40, 40}, {100, 50}});
    std::vector<KnowledgeArea> areas;
    EXPECT_NO_THROW(RollAreas(record, 3276.7, 32767, areas));
    EXPECT_EQ(areas.size(), 40U);
}

}  // namespace
}  // namespace dossier
