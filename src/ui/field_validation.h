#pragma once

#include <string>
#include <string_view>

#include "record/character_record.h"
#include "record/numbers.h"
#include "sheet/sheet_file.h"
#include "ui/dialogs.h"

namespace dossier {

inline constexpr const char* kAgeMessage = "Enter an integer from 1 to 100.";
inline constexpr const char* kAgeTitle = "Invalid Age";
inline constexpr const char* kLevelMessage = "Enter an integer from 1 to 20.";
inline constexpr const char* kLevelTitle = "Invalid Level";

// True when the text is exactly the decimal text of a whole number from 1 to largest:
// no sign, no leading zero, no blank, no decimal point.
bool IsWholeNumberText(std::string_view text, int largest);
inline bool IsValidAge(std::string_view text) {
    return IsWholeNumberText(text, 100);
}
inline bool IsValidLevel(std::string_view text) {
    return IsWholeNumberText(text, 20);
}

// The focus-lost checks. When the text is invalid they show the message, empty the
// field and return false; the front end then puts the focus back into the field.
bool txtAge_LostFocus(CharacterRecord& record, Dialogs& dialogs);
bool txtLevel_LostFocus(CharacterRecord& record, Dialogs& dialogs);
// Leaving the weight field while it still shows its caption rolls a weight.
void cboWeight_LostFocus(CharacterRecord& record);

struct UserMessage {
    std::string text;
    std::string title;
};

// What to tell the user when a generation stops on a value it cannot use.
UserMessage MessageFor(const FieldValueError& error);
UserMessage MessageFor(const SheetWriteError& error);

// The name a user knows a field by.
std::string_view FieldTitle(Field field);

}  // namespace dossier
