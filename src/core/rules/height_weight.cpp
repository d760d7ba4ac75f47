#include "core/rules/height_weight.h"

#include <charconv>
#include <string>

#include "core/record/numbers.h"

namespace dossier {

namespace {

std::optional<int> ParseSmallWhole(std::string_view digits) {
    if (digits.empty() || digits.size() > 4) return std::nullopt;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    int value = 0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || ptr != digits.data() + digits.size()) return std::nullopt;
    return value;
}

std::string HeightText(int feet, int inches) {
    return std::to_string(feet) + "'" + std::to_string(inches);
}

// The class letter for a height, or nothing when the text is no height we can read.
std::optional<const char*> HeightClass(std::string_view sex, std::string_view height) {
    const std::optional<FeetAndInches> parsed = ParseHeight(height);
    if (!parsed) return std::nullopt;
    const auto [feet, inches] = *parsed;
    // Heights below four or above six feet extend the outer bands.
    if (feet <= 4) return "S";
    if (feet >= 6) return "T";
    if (inches > 11) return std::nullopt;
    if (sex == "Female") {
        if (inches >= 8) return "T";
        return inches >= 3 ? "A" : "S";
    }
    return inches >= 8 ? "A" : "S";
}

}  // namespace

std::optional<FeetAndInches> ParseHeight(std::string_view text) {
    if (!text.empty() && text.back() == '"') text.remove_suffix(1);
    const std::size_t mark = text.find('\'');
    if (mark == std::string_view::npos) return std::nullopt;
    const std::optional<int> feet = ParseSmallWhole(text.substr(0, mark));
    const std::optional<int> inches = ParseSmallWhole(text.substr(mark + 1));
    if (!feet || !inches) return std::nullopt;
    return FeetAndInches{*feet, *inches};
}

int shorty(CharacterRecord& record) {
    switch (record.RollAndKeep(10)) {
        case 1:
            return -8;
        case 2:
            return -7;
        case 3:
            return -6;
        case 4:
            return -5;
        case 5:
        case 6:
            return -4;
        case 7:
        case 8:
            return -3;
        default:
            return -2;
    }
}

int tall(CharacterRecord& record) {
    const int roll = record.RollAndKeep(10);
    if (roll <= 3) return 3;
    if (roll <= 6) return 4;
    if (roll <= 8) return 5;
    return roll == 9 ? 6 : 7;
}

void RollHeight(CharacterRecord& record) {
    const int roll = record.RollAndKeep(10);
    const std::string_view sex = record.Text(Field::cboSex);
    if (record.IsUnset(Field::cboHeight) && (sex == "Female" || sex == "Male")) {
        int offset = 0;
        if (roll == 1)
            offset = shorty(record);
        else if (roll <= 3)
            offset = -1;
        else if (roll <= 5)
            offset = 0;
        else if (roll <= 7)
            offset = 1;
        else if (roll <= 9)
            offset = 2;
        else
            offset = tall(record);
        if (sex == "Female") {
            const int i = offset + 5;
            if (i < 0) {
                record.Write(Field::cboHeight, HeightText(4, i + 12));
            } else if (i == 12) {
                record.Write(Field::cboHeight, HeightText(6, 0));
            } else {
                record.Write(Field::cboHeight, HeightText(5, i));
            }
        } else {
            const int i = offset + 10;
            record.Write(Field::cboHeight, i > 11 ? HeightText(6, i - 12) : HeightText(5, i));
        }
    }
    if (const auto heightClass = HeightClass(sex, record.Text(Field::cboHeight))) {
        record.working.heightClass = *heightClass;
    }
}

int RollWeightVariation(CharacterRecord& record, int base) {
    const int roll = record.RollAndKeep(100);
    int offset = 0;
    if (roll <= 3)
        offset = -35;
    else if (roll <= 9)
        offset = -28;
    else if (roll <= 17)
        offset = -21;
    else if (roll <= 28)
        offset = -14;
    else if (roll <= 42)
        offset = -7;
    else if (roll <= 58)
        offset = 0;
    else if (roll <= 72)
        offset = 10;
    else if (roll <= 83)
        offset = 20;
    else if (roll <= 91)
        offset = 30;
    else if (roll <= 97)
        offset = 40;
    else
        offset = 50;
    return base + offset;
}

void RollWeight(CharacterRecord& record) {
    const std::string_view sex = record.Text(Field::cboSex);
    const bool female = sex == "Female";
    if (!female && sex != "Male") return;  // no base weight, so no weight and no class
    if (record.IsUnset(Field::cboWeight)) {
        record.WriteNumber(Field::cboWeight, RollWeightVariation(record, female ? 135 : 160));
    }
    // A weight typed as something other than a number keeps the class it had.
    const std::optional<double> pounds = ParseNumber(record.Text(Field::cboWeight));
    if (!pounds) return;
    const double heavy = female ? 155 : 180;
    const double light = female ? 120 : 140;
    record.working.weightClass = *pounds > heavy ? "H" : *pounds >= light ? "A" : "L";
}

}  // namespace dossier
