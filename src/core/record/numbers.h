#pragma once

#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/record/character_record.h"

namespace dossier {

// The system computes with 16-bit whole numbers; a value outside this range would
// overflow them or keep later loops running for ages.
inline constexpr double kSmallestNumber = -32768.0;
inline constexpr double kLargestNumber = 32767.0;

// A field that had to be read as a number held something else.
class FieldValueError : public std::runtime_error {
  public:
    FieldValueError(Field field, std::string text);

    Field field() const { return field_; }
    const std::string& text() const { return text_; }

  private:
    Field field_;
    std::string text_;
};

// A decimal number, optionally signed, with blanks allowed around it ("  7", "80.7",
// "-3.5", "1e2"). Words, hexadecimal, "inf", "nan" and the empty text are not numbers.
std::optional<double> ParseNumber(std::string_view text);

// The field's text as a number within the 16-bit range, or FieldValueError.
double ReadNumber(const CharacterRecord& record, Field field);

// The same, rounded towards minus infinity.
int ReadFloor(const CharacterRecord& record, Field field);

// Nearest whole number, an exact half going to the even neighbour (60.5 -> 60, 61.5 -> 62).
inline double RoundHalfEven(double value) {
    // Beside 2^52 a double has no room for a fraction, so adding it rounds as the hardware
    // does by default, half to even, without a branch to mispredict on halves.
    constexpr double kNoFraction = 4503599627370496.0;
    const double magnitude = std::fabs(value);
    if (!(magnitude < kNoFraction)) return value;
    return std::copysign((magnitude + kNoFraction) - kNoFraction, value);
}

// A whole number as plain decimal text, minus sign only when negative.
std::string WholeText(double wholeValue);

}  // namespace dossier
