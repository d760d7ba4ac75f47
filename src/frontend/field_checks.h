#pragma once

#include <string>
#include <string_view>

#include "core/record/character_record.h"
#include "core/record/numbers.h"
#include "frontend/dialogs.h"
#include "platform/replacing_file.h"

namespace dossier {

inline constexpr const char* kAgeMessage = "Enter an integer from 1 to 100.";
inline constexpr const char* kAgeTitle = "Invalid Age";
inline constexpr const char* kLevelMessage = "Enter an integer from 1 to 20.";
inline constexpr const char* kLevelTitle = "Invalid Level";
inline constexpr const char* kSexMessage = "Enter Male (M) or Female (F) ";
inline constexpr const char* kSexTitle = "Invalid Sex";

// True when the text is exactly the decimal text of a whole number from 1 to largest:
// no sign, no leading zero, no blank, no decimal point.
bool IsWholeNumberText(std::string_view text, int largest);
inline bool IsValidAge(std::string_view text) {
    return IsWholeNumberText(text, 100);
}
inline bool IsValidLevel(std::string_view text) {
    return IsWholeNumberText(text, 20);
}

// "Male" for M, m, Male, male; "Female" for F, f, Female, female; nothing otherwise.
std::optional<std::string> SexFromAnswer(std::string_view answer);

// The checks when the focus leaves the age or the level. When the text is invalid they show
// the message, empty the field and return false; the front end then puts the focus back.
bool CheckAgeOnLeave(CharacterRecord& record, Dialogs& dialogs);
bool CheckLevelOnLeave(CharacterRecord& record, Dialogs& dialogs);
// Leaving the weight field while it still shows its caption rolls a weight.
void RollWeightOnLeave(CharacterRecord& record);

struct UserMessage {
    std::string text;
    std::string title;
};

// A name or alias the user gives ("Name", "Alias"): the sheet's line holds at most 20
// characters and no control character. Nothing when the text will do.
std::optional<UserMessage> CheckNameText(std::string_view what, std::string_view text);

// What to tell the user when a generation stops on a value it cannot use.
UserMessage MessageFor(const FieldValueError& error);
UserMessage MessageFor(const WriteError& error);

}  // namespace dossier
