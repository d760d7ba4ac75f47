#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

#include "core/dice/random_dice.h"
#include "support/scripted_dice.h"

namespace dossier {
namespace {

TEST(DiceTest, RollFromADrawAtItsBoundaries) {
    const float top = std::nextafter(1.0F, 0.0F);
    // 0.1F is a hair above 0.1; in single precision 32767 * top rounds up and would give 32768.
    const std::tuple<float, std::int16_t, int> rows[] = {
        {0.0F, 100, 1}, {top, 100, 100},     {top, 1, 1},          {0.5F, 0, 1},
        {top, 0, 1},    {0.0F, -5, 1},       {top, -5, -4},        {0.55F, 10, 6},
        {0.1F, 10, 2},  {top, 32767, 32767}, {top, -32768, -32767}};
    for (const auto& [r, sides, expected] : rows)
        EXPECT_EQ(DieRollFromDraw(r, sides), expected) << r << " x d" << sides;
}

TEST(DiceTest, RollFromBitsEqualsTheRollFromTheDrawForEverySize) {
    const std::uint32_t bits[] = {0, 1, 2, 0x7FFFFF, 0x800000, 0xA3D70A, 0xFFFFFE, 0xFFFFFF};
    for (int sides = -32768; sides <= 32767; ++sides) {
        for (std::uint32_t draw : bits) {
            const auto die = static_cast<std::int16_t>(sides);
            const float r = static_cast<float>(draw) / 16777216.0F;
            ASSERT_EQ(DieRollFromBits(draw, die), DieRollFromDraw(r, die))
                << draw << " x d" << sides;
        }
    }
}

// Every face shows up about equally often, and nothing else does.
void ExpectFair(Dice& dice, std::int16_t sides, int rolls) {
    std::map<int, int> counts;
    for (int i = 0; i < rolls; ++i) ++counts[dice.DieRoll(sides)];
    ASSERT_EQ(counts.size(), static_cast<std::size_t>(sides));
    EXPECT_EQ(counts.begin()->first, 1);
    EXPECT_EQ(counts.rbegin()->first, sides);
    const double expected = static_cast<double>(rolls) / sides;
    for (const auto& [face, count] : counts)
        EXPECT_NEAR(count, expected, 6 * std::sqrt(expected)) << face;
}

TEST(RandomDiceTest, ClockDiceAreFairOnTheRealClockAndWithinOneTick) {
    ClockDice live;
    ExpectFair(live, 10, 50000);

    ClockDice frozen([] { return std::uint64_t{123456789}; });  // the clock stands still
    ExpectFair(frozen, 10, 50000);
    // Two runs started within one tick of the clock still roll their own characters.
    ClockDice twin([] { return std::uint64_t{123456789}; });
    ClockDice other([] { return std::uint64_t{123456789}; });
    std::vector<int> fromTwin, fromOther;
    for (int i = 0; i < 20; ++i) {
        fromTwin.push_back(twin.DieRoll(100));
        fromOther.push_back(other.DieRoll(100));
    }
    EXPECT_NE(fromTwin, fromOther);
}

TEST(ScriptedDiceTest, RejectsOtherDiceAndRollsPastTheEnd) {
    ScriptedDice dice{{10, 3}, {100, 77}};
    EXPECT_EQ(dice.DieRoll(10), 3);
    EXPECT_THROW(dice.DieRoll(10), ScriptMismatch);
    EXPECT_EQ(dice.DieRoll(100), 77);
    EXPECT_THROW(dice.DieRoll(100), ScriptMismatch);
}

}  // namespace
}  // namespace dossier
