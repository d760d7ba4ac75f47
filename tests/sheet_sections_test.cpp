#include <gtest/gtest.h>

#include "sheet/sheet_sections.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

TEST_F(RecordTest, LanguageCountFollowsKnowledge) {
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

TEST_F(RecordTest, LanguageWithNOfOneMayStayAlone) {
    dice.Add({{30, 1}, {100, 71}});  // first 71; a 71 is not below it
    std::vector<int> scores;
    RollLanguages(record, 10, scores);
    EXPECT_EQ(scores, (std::vector<int>{71}));
}

TEST_F(RecordTest, LaterLanguagesScoreBetweenFortyOneAndTheFirst) {
    dice.Add({{30, 1}, {100, 40}, {100, 41}, {100, 70}, {100, 71}, {100, 100}, {100, 55}});
    std::vector<int> scores;
    RollLanguages(record, 75, scores);
    EXPECT_EQ(scores, (std::vector<int>{71, 41, 70, 55}));
}

TEST_F(RecordTest, EducationTable) {
    const std::pair<int, const char*> rows[] = {
        {1, "High School"},        {9, "High School"},        {10, "High School"},
        {11, "Bachelor's Degree"}, {71, "Bachelor's Degree"}, {72, "Master's Degree"},
        {96, "Master's Degree"},   {97, "Doctorate"},         {100, "Doctorate"}};
    for (const auto& [roll, level] : rows) {
        dice.Add(100, roll);
        EXPECT_EQ(RollEducation(record), level) << roll;
    }
}

TEST_F(RecordTest, KnowledgeAreaTableIsPaddedAndReturnsTheGoal) {
    Set(Field::txtK, "75");
    EXPECT_DOUBLE_EQ(LoadKnowledgeAreas(record), 7.5);
    const auto& table = record.working.knowledgeAreas;
    EXPECT_EQ(table[0], "Agriculture                      ");
    EXPECT_EQ(table[1], "Animal Science                   ");
    EXPECT_EQ(table[14], "Engineering, Aeronautical        ");
    EXPECT_EQ(table[15], "Engineering, Electrical          ");
    EXPECT_EQ(table[32], "Philosphy                        ");
    EXPECT_EQ(table[40], "World History/Current Affairs    ");
    for (std::string_view name : table) EXPECT_EQ(name.size(), kAreaNameWidth);
}

TEST_F(RecordTest, AreaScores) {
    struct Row {
        double knowledge;
        int roll;
        int score;
    };
    const Row rows[] = {
        {0, 20, 70},   {0, 21, 51},   {0, 100, 130},
        {0, 1, 51},    {150, 30, 75},  // 60 raised to the floor of 75
        {150, 45, 75},                 // 75 stays
        {149, 1, 74},                  // floor 74.5 rounds to 74
        {151, 1, 76},                  // floor 75.5 rounds to 76
        {102, 1, 51},                  // the floor matters only above 102
    };
    Set(Field::txtK, "0");
    LoadKnowledgeAreas(record);
    std::vector<KnowledgeArea> areas;
    for (const Row& row : rows) {
        dice.Add({{40, 7}, {100, row.roll}});
        RollAreas(record, 0, row.knowledge, areas);
        ASSERT_EQ(areas.size(), 1U);
        EXPECT_EQ(areas[0].name, record.working.knowledgeAreas[7]);
        EXPECT_EQ(areas[0].score, row.score) << "Kt " << row.knowledge << " roll " << row.roll;
    }
}

TEST_F(RecordTest, AreaCountIsTheGoalRoundedUp) {
    std::vector<KnowledgeArea> areas;
    for (const auto& [goal, count] : {std::pair{7.5, 8}, {7.0, 7}, {0.0, 1}, {0.1, 1}}) {
        for (int slot = 1; slot <= count; ++slot) dice.Add({{40, slot}, {100, 50}});
        RollAreas(record, goal, goal * 10, areas);
        EXPECT_EQ(areas.size(), static_cast<std::size_t>(count));
    }
}

TEST_F(RecordTest, AreasStopAtFortyWhateverTheGoal) {
    // Knowledge 32767 wants 3277 areas; a repeated draw takes no d100.
    for (int slot = 1; slot < 40; ++slot) dice.Add({{40, slot}, {100, 50}, {40, slot}});
    dice.Add({{40, 40}, {100, 50}});
    std::vector<KnowledgeArea> areas;
    EXPECT_NO_THROW(RollAreas(record, 3276.7, 32767, areas));
    EXPECT_EQ(areas.size(), 40U);
}

}  // namespace
}  // namespace dossier
