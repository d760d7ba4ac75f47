#include "core/record/numbers.h"

#include <charconv>
#include <cmath>

namespace dossier {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string DescribeProblem(Field field, const std::string& text) {
    return std::string(FieldName(field)) + " holds \"" + text + "\", which is not a number from " +
           std::to_string(static_cast<int>(kSmallestNumber)) + " to " +
           std::to_string(static_cast<int>(kLargestNumber));
}

}  // namespace

FieldValueError::FieldValueError(Field field, std::string text)
    : std::runtime_error(DescribeProblem(field, text)), field_(field), text_(std::move(text)) {}

std::optional<double> ParseNumber(std::string_view text) {
    // Most texts are the plain digits the system writes itself; read those directly.
    if (!text.empty() && text.size() <= 9) {
        int whole = 0;
        bool digitsOnly = true;
        for (char c : text) {
            if (c < '0' || c > '9') {
                digitsOnly = false;
                break;
            }
            whole = whole * 10 + (c - '0');
        }
        if (digitsOnly) return whole;
    }
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    // from_chars also reads "inf", "nan" and hexadecimal digits after 0x in some forms;
    // a typed number has none of those.
    bool hasDigit = false;
    for (char c : text) {
        const bool digit = c >= '0' && c <= '9';
        hasDigit = hasDigit || digit;
        if (!digit && c != '-' && c != '+' && c != '.' && c != 'e' && c != 'E') return std::nullopt;
    }
    if (!hasDigit) return std::nullopt;
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

double ReadNumber(const CharacterRecord& record, Field field) {
    std::optional<double> value;
    if (const double* written = record.WrittenNumber(field)) {
        value = *written;
    } else {
        value = ParseNumber(record.Text(field));
    }
    if (!value || *value < kSmallestNumber || *value > kLargestNumber) {
        throw FieldValueError(field, std::string(record.Text(field)));
    }
    return *value;
}

int ReadFloor(const CharacterRecord& record, Field field) {
    return static_cast<int>(std::floor(ReadNumber(record, field)));
}

std::string WholeText(double wholeValue) {
    return std::to_string(static_cast<long long>(wholeValue));
}

}  // namespace dossier
