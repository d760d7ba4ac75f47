#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "record/numbers.h"
#include "record/scripted_dice.h"

namespace dossier {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> rows[] = {
        {60.5, 60}, {61.5, 62}, {72.5, 72}, {73.5, 74}, {0.5, 0},    {1.5, 2},   {2.5, 2},
        {-0.5, 0},  {-1.5, -2}, {-2.5, -2}, {12.2, 12}, {12.7, 13},  {-3.2, -3}, {-3.7, -4},
        {7, 7},     {0, 0},     {0.49999999999999994, 0}, {32767.5, 32768},
    };
    for (const auto& [value, expected] : rows) {
        EXPECT_EQ(RoundHalfEven(value), expected) << value;
    }
}

TEST(ParseNumber, AcceptsTypedDecimalsOnly) {
    struct Row {
        const char* text;
        std::optional<double> expected;
    };
    const Row rows[] = {
        {"7", 7},        {"80.7", 80.7}, {"-3.5", -3.5}, {"  55  ", 55}, {"\t12", 12},
        {"+5", 5},       {".5", 0.5},    {"5.", 5},      {"1e2", 100},   {"-0", 0},
        {"", {}},        {" ", {}},      {"abc", {}},    {"5a", {}},     {"0x10", {}},
        {"1,5", {}},     {"inf", {}},    {"nan", {}},    {"-inf", {}},   {"1e309", {}},
        {"5 5", {}},     {"+", {}},      {"-", {}},      {"e5", {}},     {"1e", {}},
        {"++5", {}},     {"\"5\"", {}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ParseNumber(row.text), row.expected) << '"' << row.text << '"';
    }
}

TEST(ReadNumber, ReportsTheFieldForTextsThatAreNotSixteenBitNumbers) {
    ScriptedDice dice;
    CharacterRecord record(dice);
    for (const char* bad : {"", " ", "abc", "32768", "-32769", "1e309", "nan"}) {
        record.Write(Field::txtK, bad);
        try {
            ReadNumber(record, Field::txtK);
            ADD_FAILURE() << "accepted \"" << bad << '"';
        } catch (const FieldValueError& error) {
            EXPECT_EQ(error.field(), Field::txtK);
            EXPECT_EQ(error.text(), bad);
            EXPECT_NE(std::string(error.what()).find("txtK"), std::string::npos);
        }
    }
    for (const auto& [text, floor] : {std::pair{"32767", 32767}, {"-32768", -32768},
                                      {"55.9", 55}, {"-3.5", -4}, {"80.7", 80}}) {
        record.Write(Field::txtK, text);
        EXPECT_EQ(ReadFloor(record, Field::txtK), floor) << text;
    }
}

TEST(WholeText, PlainDigitsWithSignOnlyWhenNegative) {
    EXPECT_EQ(WholeText(7), "7");
    EXPECT_EQ(WholeText(-4), "-4");
    EXPECT_EQ(WholeText(-0.0), "0");
    EXPECT_EQ(WholeText(98301), "98301");
}

}  // namespace
}  // namespace dossier
