#include "ui/field_validation.h"

#include "generators/height_weight.h"
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

namespace {

bool CheckOnLeaving(CharacterRecord& record, Dialogs& dialogs, Field field, bool valid,
                    const char* message, const char* title) {
    if (valid) return true;
    dialogs.Message(message, title);
    record.Write(field, "");
    return false;
}

}  // namespace

bool txtAge_LostFocus(CharacterRecord& record, Dialogs& dialogs) {
    return CheckOnLeaving(record, dialogs, Field::txtAge, IsValidAge(record.Text(Field::txtAge)),
                          kAgeMessage, kAgeTitle);
}

bool txtLevel_LostFocus(CharacterRecord& record, Dialogs& dialogs) {
    return CheckOnLeaving(record, dialogs, Field::txtLevel,
                          IsValidLevel(record.Text(Field::txtLevel)), kLevelMessage, kLevelTitle);
}

void cboWeight_LostFocus(CharacterRecord& record) {
    RollWeight(record);
}

std::string_view FieldTitle(Field field) {
    switch (field) {
        case Field::cboSex:
            return "Gender";
        case Field::cboRace:
            return "Race";
        case Field::cboHair:
            return "Hair Color";
        case Field::cboHandedness:
            return "Handedness";
        case Field::txtAge:
            return "Age";
        case Field::cboHeight:
            return "Height";
        case Field::cboWeight:
            return "Weight";
        case Field::cboMilitary:
            return "Military Service";
        case Field::cboBranch:
            return "Military Branch";
        case Field::cboGlasses:
            return "Glasses";
        case Field::cboLoss:
            return "W/O Glasses Loss";
        case Field::cboPhysique:
            return "Physique";
        case Field::txtLevel:
            return "Level";
        case Field::txtPS:
            return "Physical Strength";
        case Field::txtCH:
            return "Charm";
        case Field::txtWP:
            return "Willpower";
        case Field::txtCO:
            return "Courage";
        case Field::txtK:
            return "Knowledge";
        case Field::txtCD:
            return "Coordination";
        case Field::txtOF:
            return "Offense";
        case Field::txtDP:
            return "Deception";
        case Field::txtSR:
            return "Shock Resistance";
        case Field::txtDA:
            return "Deactivation";
        case Field::txtOB:
            return "Observation";
        case Field::txtEV:
            return "Evasion";
        case Field::txtGV:
            return "Gambling Value";
        case Field::txtMV:
            return "Movement Value";
        case Field::txtLL:
            return "Life Level";
        case Field::txtWell:
            return "Wellness";
        case Field::txtBA:
            return "Balance";
        case Field::txtPR:
            return "Perception";
        case Field::txtHTH:
            return "Hand to Hand Combat Value";
        case Field::txtSV:
            return "Surprise Value";
    }
    return FieldName(field);
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
    return {std::string(FieldTitle(error.field())) + wanted + ", but it holds \"" + shown +
                "\". Correct it and generate again.",
            "Invalid " + std::string(FieldTitle(error.field()))};
}

UserMessage MessageFor(const SheetWriteError& error) {
    return {"The character sheet could not be written to " + PathToUtf8(error.path()) + ": " +
                error.reason() +
                (error.previousKept() ? ". The previous sheet is unchanged." : "."),
            "Sheet Not Written"};
}

}  // namespace dossier
