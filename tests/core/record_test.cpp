#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <optional>

#include "core/record/numbers.h"
#include "core/record/whole_number_text.h"
#include "support/test_support.h"

namespace dossier {
namespace {

using enum Field;

using CharacterRecordTest = testing::RecordFixture;
using NumbersTest = testing::RecordFixture;

TEST_F(CharacterRecordTest, TextsOfEveryLengthAndWrittenNumbersReadBack) {
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

TEST_F(NumbersTest, HalvesRoundToTheEvenNeighbour) {
    const std::pair<double, double> rows[] = {
        {60.5, 60}, {61.5, 62}, {0.5, 0},   {2.5, 2},   {-0.5, 0},
        {-1.5, -2}, {-2.5, -2}, {12.7, 13}, {-3.7, -4}, {0.49999999999999994, 0}};
    for (const auto& [value, expected] : rows) EXPECT_EQ(RoundHalfEven(value), expected) << value;
}

TEST(WholeNumberTextTest, PlainDecimalOnEitherSideOfEachLength) {
    // clang-format off
    const std::pair<long long, const char*> rows[] = {
        {0, "0"}, {9, "9"}, {10, "10"}, {99, "99"}, {100, "100"}, {999, "999"}, {1000, "1000"},
        {-1, "-1"}, {-32768, "-32768"}, {LLONG_MIN, "-9223372036854775808"},
        {LLONG_MAX, "9223372036854775807"}};
    // clang-format on
    for (const auto& [value, text] : rows) {
        std::array<char, kMostWholeBytes> room{};
        const char* end = WriteWhole(room.data(), value);
        EXPECT_EQ(std::string_view(room.data(), static_cast<std::size_t>(end - room.data())), text);
    }
}

TEST_F(NumbersTest, TypedDecimalsOnlyAreNumbers) {
    const std::pair<const char*, std::optional<double>> rows[] = {
        {"7", 7},      {"80.7", 80.7}, {"-3.5", -3.5}, {"  55  ", 55}, {"+5", 5},
        {".5", 0.5},   {"1e2", 100},   {"-0", 0},      {"", {}},       {" ", {}},
        {"5a", {}},    {"0x10", {}},   {"1,5", {}},    {"inf", {}},    {"nan", {}},
        {"1e309", {}}, {"5 5", {}},    {"-", {}},      {"e5", {}},     {"++5", {}}};
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(ParseNumber(text), expected) << '"' << text << '"';
}

TEST_F(NumbersTest, TextsThatAreNotSixteenBitNumbersAreRefused) {
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

}  // namespace
}  // namespace dossier
