#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

#include "record/dice.h"
#include "record/random_dice.h"
#include "record/scripted_dice.h"

namespace dossier {
namespace {

const float kJustBelowOne = std::nextafter(1.0F, 0.0F);

TEST(DieRollFromDraw, Boundaries) {
    struct Row {
        const char* name;
        float r;
        std::int16_t sides;
        int expected;
    };
    const Row rows[] = {
        {"zero draw gives one", 0.0F, 100, 1},
        {"top draw gives the largest face", kJustBelowOne, 100, 100},
        {"one side always one", kJustBelowOne, 1, 1},
        {"zero sides gives one", 0.5F, 0, 1},
        {"zero sides at the top", kJustBelowOne, 0, 1},
        {"negative sides at zero", 0.0F, -5, 1},
        {"negative sides at the top", kJustBelowOne, -5, -4},
        {"exact tenth", 0.1F, 10, 2},  // 0.1F is a hair above 0.1, so 10 * r just exceeds 1
        {"middle of a d10", 0.55F, 10, 6},
        // In single precision 32767 * r would round up to 32767 and give 32768.
        {"product is not rounded to single precision", kJustBelowOne, 32767, 32767},
        {"largest negative die", kJustBelowOne, -32768, -32767},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DieRollFromDraw(row.r, row.sides), row.expected) << row.name;
    }
}

// Rolls a die many times and checks every face shows up, roughly evenly, and nothing else.
void ExpectFairCoverage(Dice& dice, std::int16_t sides, int rolls) {
    std::map<int, int> counts;
    for (int i = 0; i < rolls; ++i) ++counts[dice.DieRoll(sides)];
    ASSERT_EQ(counts.size(), static_cast<std::size_t>(sides));
    EXPECT_EQ(counts.begin()->first, 1);
    EXPECT_EQ(counts.rbegin()->first, sides);
    const double expected = static_cast<double>(rolls) / sides;
    for (const auto& [face, count] : counts) {
        EXPECT_NEAR(count, expected, 6 * std::sqrt(expected)) << "face " << face;
    }
}

TEST(ClockDice, CoversEveryFaceOnTheRealClock) {
    ClockDice dice;
    ExpectFairCoverage(dice, 10, 50000);
    ExpectFairCoverage(dice, 100, 100000);
}

TEST(ClockDice, RollsWithinOneClockTickStayIndependent) {
    ClockDice dice([] { return std::uint64_t{123456789}; });  // the clock stands still
    ExpectFairCoverage(dice, 10, 50000);

    // Consecutive rolls repeat about one time in ten, as independent d10s do.
    int repeats = 0;
    int previous = dice.DieRoll(10);
    for (int i = 0; i < 20000; ++i) {
        const int roll = dice.DieRoll(10);
        repeats += roll == previous;
        previous = roll;
    }
    EXPECT_NEAR(repeats, 2000, 200);
}

TEST(ClockDice, SmallAndOddDiceStayInRange) {
    ClockDice dice;
    for (int i = 0; i < 2000; ++i) {
        EXPECT_EQ(dice.DieRoll(1), 1);
        EXPECT_EQ(dice.DieRoll(0), 1);
        const int negative = dice.DieRoll(-5);
        EXPECT_GE(negative, -4);
        EXPECT_LE(negative, 1);
    }
}

TEST(SeededDice, SameSeedSameRollsOtherSeedOtherRolls) {
    SeededDice a(42), b(42), c(43);
    std::vector<int> fromA, fromB, fromC;
    for (int i = 0; i < 200; ++i) {
        fromA.push_back(a.DieRoll(100));
        fromB.push_back(b.DieRoll(100));
        fromC.push_back(c.DieRoll(100));
    }
    EXPECT_EQ(fromA, fromB);
    EXPECT_NE(fromA, fromC);
    SeededDice d(7);
    ExpectFairCoverage(d, 30, 60000);
}

TEST(ScriptedDice, HandsBackTheScriptAndRejectsOtherDice) {
    ScriptedDice dice{{10, 3}, {100, 77}};
    EXPECT_EQ(dice.DieRoll(10), 3);
    EXPECT_THROW(dice.DieRoll(10), ScriptMismatch) << "the second roll must be a d100";
    EXPECT_EQ(dice.DieRoll(100), 77);
    EXPECT_THROW(dice.DieRoll(100), ScriptMismatch) << "the script is used up";
    EXPECT_EQ(dice.Remaining(), 0U);
}

}  // namespace
}  // namespace dossier
