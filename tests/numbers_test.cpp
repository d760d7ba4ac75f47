#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <optional>

#include "record/numbers.h"
#include "record/scripted_dice.h"
#include "record/whole_number_text.h"

namespace dossier {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> rows[] = {{60.5, 60},
                                              {61.5, 62},
                                              {0.5, 0},
                                              {2.5, 2},
                                              {-0.5, 0},
                                              {-1.5, -2},
                                              {-2.5, -2},
                                              {12.2, 12},
                                              {12.7, 13},
                                              {-3.2, -3},
                                              {-3.7, -4},
                                              {7, 7},
                                              {0.49999999999999994, 0}};
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

TEST(ReadNumber, ReportsTheFieldForTextsThatAreNotSixteenBitNumbers) {
    ScriptedDice dice;
    CharacterRecord record(dice);
    for (const char* bad : {"", "abc", "32768", "-32769"}) {
        record.Write(Field::txtK, bad);
        try {
            ReadNumber(record, Field::txtK);
            ADD_FAILURE() << "accepted \"" << bad << '"';
        } catch (const FieldValueError& error) {
            EXPECT_EQ(error.field(), Field::txtK);
            EXPECT_EQ(error.text(), bad);
        }
    }
    for (const auto& [text, floor] :
         {std::pair{"32767", 32767}, {"-32768", -32768}, {"-3.5", -4}}) {
        record.Write(Field::txtK, text);
        EXPECT_EQ(ReadFloor(record, Field::txtK), floor) << text;
    }
}

}  // namespace
}  // namespace dossier
