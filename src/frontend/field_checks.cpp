#include "frontend/field_checks.h"

#include "core/rules/height_weight.h"
#include "core/sheet/character_sheet.h"
#include "platform/sheet_file.h"
#include "platform/utf8_text.h"

namespace dossier {

bool IsWholeNumberText(std::string_view text, int largest) {
    if (text.empty() || text.size() > 5 || text.front() == '0') return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value >= 1 && value <= largest;
}

std::optional<std::string> SexFromAnswer(std::string_view answer) {
    if (answer == "Male" || answer == "male" || answer == "M" || answer == "m") return "Male";
    if (answer == "Female" || answer == "female" || answer == "F" || answer == "f") {
        return "Female";
    }
    return std::nullopt;
}

namespace {

bool CheckOnLeaving(CharacterRecord& record, Dialogs& dialogs, Field field, bool valid,
                    const char* message, const char* title) {
    if (valid) return true;
    dialogs.Message(message, title);
    record.Write(field, "");
    return false;
}

}  // namespace

bool CheckAgeOnLeave(CharacterRecord& record, Dialogs& dialogs) {
    return CheckOnLeaving(record, dialogs, Field::txtAge, IsValidAge(record.Text(Field::txtAge)),
                          kAgeMessage, kAgeTitle);
}

bool CheckLevelOnLeave(CharacterRecord& record, Dialogs& dialogs) {
    return CheckOnLeaving(record, dialogs, Field::txtLevel,
                          IsValidLevel(record.Text(Field::txtLevel)), kLevelMessage, kLevelTitle);
}

void RollWeightOnLeave(CharacterRecord& record) {
    RollWeight(record);
}

std::optional<UserMessage> CheckNameText(std::string_view what, std::string_view text) {
    const bool blank = text.find_first_not_of(' ') == std::string_view::npos;
    if (!blank && PrintsWhole(text) && CharacterCount(text) <= kLongestName) return std::nullopt;
    return UserMessage{std::string(what) + " takes 1 to " + std::to_string(kLongestName) +
                           " characters that the sheet can print, and not only blanks.",
                       "Invalid " + std::string(what)};
}

UserMessage MessageFor(const FieldValueError& error) {
    if (error.field() == Field::txtLevel) return {kLevelMessage, kLevelTitle};
    if (error.field() == Field::txtAge) return {kAgeMessage, kAgeTitle};
    std::string shown = error.text();
    if (shown.size() > 40) {
        std::size_t cut = 40;
        while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80) --cut;
        shown = shown.substr(0, cut) + "...";
    }
    // A number too large to use needs the range; any other text needs an example.
    const std::string& text = error.text();
    const bool outOfRange =
        !text.empty() &&
        text.find_first_not_of("0123456789", text[0] == '-' ? 1 : 0) == std::string::npos &&
        text != "-";
    const char* wanted = outOfRange ? " must be a whole number from -32768 to 32767"
                                    : " must be a whole number, such as 75";
    const std::string title(FieldTitle(error.field()));
    return {title + wanted + ", but it holds \"" + shown + "\". Correct it and generate again.",
            "Invalid " + title};
}

UserMessage MessageFor(const WriteError& error) {
    return {"The character sheet could not be written to " + PathToUtf8(error.path()) + ": " +
                error.reason() +
                (error.previousKept() ? ". The previous sheet is unchanged." : "."),
            "Sheet Not Written"};
}

}  // namespace dossier
