#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

#include "record/numbers.h"
#include "record/random_dice.h"
#include "record/scripted_dice.h"
#include "record/whole_number_text.h"
#include "test_support.h"

namespace dossier {
namespace {

using enum Field;

using testing::RecordTest;

TEST_F(RecordTest, TextsOfEveryLengthAndWrittenNumbersReadBack) {
    // Every size either side of where the copy changes its moves, and far beyond the inline space.
    for (std::size_t size : {0, 1, 2, 3, 4, 7, 8, 15, 16, 31, 32, 33, 300}) {
        std::string text;
        for (std::size_t i = 0; i < size; ++i) text += static_cast<char>('a' + i % 26);
        Set(cboRace, text);
        EXPECT_EQ(Text(cboRace), text);
        record.Write(cboRace, Text(cboRace));  // its own text written back
        EXPECT_EQ(Text(cboRace), text);
        record.Write(cboRace, Text(cboRace).substr(size > 0 ? 1 : 0));  // its tail
        EXPECT_EQ(Text(cboRace), text.substr(size > 0 ? 1 : 0));
    }
    // A number the program wrote reads back without parsing; a text written over it is read.
    record.WriteNumber(txtK, -417);
    EXPECT_EQ(Text(txtK), "-417");
    EXPECT_EQ(ReadNumber(record, txtK), -417);
    Set(txtK, "61.5");
    EXPECT_EQ(ReadNumber(record, txtK), 61.5);
    record.WriteNumber(txtK, 40000);  // written, yet still outside the 16-bit range
    EXPECT_THROW(ReadNumber(record, txtK), FieldValueError);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> rows[] = {
        {60.5, 60}, {61.5, 62}, {0.5, 0},   {2.5, 2},   {-0.5, 0},
        {-1.5, -2}, {-2.5, -2}, {12.7, 13}, {-3.7, -4}, {0.49999999999999994, 0}};
    for (const auto& [value, expected] : rows) EXPECT_EQ(RoundHalfEven(value), expected) << value;
}

TEST(WriteWhole, PlainDecimalOnEitherSideOfEachLength) {
    const std::pair<long long, const char*> rows[] = {{0, "0"},
                                                      {9, "9"},
                                                      {10, "10"},
                                                      {99, "99"},
                                                      {100, "100"},
                                                      {999, "999"},
                                                      {1000, "1000"},
                                                      {-1, "-1"},
                                                      {-32768, "-32768"},
                                                      {LLONG_MIN, "-9223372036854775808"},
                                                      {LLONG_MAX, "9223372036854775807"}};
    for (const auto& [value, text] : rows) {
        std::array<char, kMostWholeBytes> room{};
        const char* end = WriteWhole(room.data(), value);
        EXPECT_EQ(std::string_view(room.data(), static_cast<std::size_t>(end - room.data())), text);
    }
}

TEST(ParseNumber, AcceptsTypedDecimalsOnly) {
    const std::pair<const char*, std::optional<double>> rows[] = {
        {"7", 7},      {"80.7", 80.7}, {"-3.5", -3.5}, {"  55  ", 55}, {"+5", 5},
        {".5", 0.5},   {"1e2", 100},   {"-0", 0},      {"", {}},       {" ", {}},
        {"5a", {}},    {"0x10", {}},   {"1,5", {}},    {"inf", {}},    {"nan", {}},
        {"1e309", {}}, {"5 5", {}},    {"-", {}},      {"e5", {}},     {"++5", {}}};
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(ParseNumber(text), expected) << '"' << text << '"';
}

TEST(ReadNumber, RefusesTextsThatAreNotSixteenBitNumbers) {
    ScriptedDice dice;
    CharacterRecord record(dice);
    for (const char* bad : {"", "abc", "32768", "-32769"}) {
        record.Write(txtK, bad);
        EXPECT_THROW(ReadNumber(record, txtK), FieldValueError) << bad;
    }
    for (const auto& [text, floor] :
         {std::pair{"32767", 32767}, {"-32768", -32768}, {"-3.5", -4}}) {
        record.Write(txtK, text);
        EXPECT_EQ(ReadFloor(record, txtK), floor) << text;
    }
}

TEST(DieRollFromDraw, Boundaries) {
    const float top = std::nextafter(1.0F, 0.0F);
    // 0.1F is a hair above 0.1; in single precision 32767 * top rounds up and would give 32768.
    const std::tuple<float, std::int16_t, int> rows[] = {
        {0.0F, 100, 1}, {top, 100, 100},     {top, 1, 1},          {0.5F, 0, 1},
        {top, 0, 1},    {0.0F, -5, 1},       {top, -5, -4},        {0.55F, 10, 6},
        {0.1F, 10, 2},  {top, 32767, 32767}, {top, -32768, -32767}};
    for (const auto& [r, sides, expected] : rows)
        EXPECT_EQ(DieRollFromDraw(r, sides), expected) << r << " x d" << sides;
}

TEST(DieRollFromBits, EqualsTheRollFromTheDrawForEverySize) {
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

TEST(ClockDice, FairOnTheRealClockAndWithinOneTick) {
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

TEST(ScriptedDice, RejectsOtherDiceAndRollsPastTheEnd) {
    ScriptedDice dice{{10, 3}, {100, 77}};
    EXPECT_EQ(dice.DieRoll(10), 3);
    EXPECT_THROW(dice.DieRoll(10), ScriptMismatch);
    EXPECT_EQ(dice.DieRoll(100), 77);
    EXPECT_THROW(dice.DieRoll(100), ScriptMismatch);
}

}  // namespace
}  // namespace dossier
