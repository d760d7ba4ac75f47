#include "ui/generation_modes.h"

#include <string>

#include "generators/glasses_coordination_loss.h"
#include "record/numbers.h"
#include "sheet/sheet_file.h"
#include "ui/field_validation.h"

namespace dossier {

std::optional<std::string> SexFromAnswer(std::string_view answer) {
    if (answer == "Male" || answer == "male" || answer == "M" || answer == "m") return "Male";
    if (answer == "Female" || answer == "female" || answer == "F" || answer == "f") {
        return "Female";
    }
    return std::nullopt;
}

// Runs the steps of one press; steps return false when the user cancelled.
template <typename Steps>
Outcome GenerationModes::Run(Steps steps) {
    try {
        return steps() ? Outcome::Completed : Outcome::Cancelled;
    } catch (const FieldValueError& error) {
        const UserMessage message = MessageFor(error);
        dialogs_.Message(message.text, message.title);
    } catch (const SheetWriteError& error) {
        const UserMessage message = MessageFor(error);
        dialogs_.Message(message.text, message.title);
    }
    return Outcome::Failed;
}

bool GenerationModes::SexPrompt() {
    for (;;) {
        const std::optional<std::string> answer = dialogs_.Prompt("Please Enter the Sex: ", "Sex");
        if (!answer) return false;
        if (const std::optional<std::string> sex = SexFromAnswer(*answer)) {
            record_.Write(Field::cboSex, *sex);
            return true;
        }
        record_.Write(Field::cboSex, "Sex");
        dialogs_.Message("Enter Male (M) or Female (F) ", "Invalid Sex");
    }
}

bool GenerationModes::LevelPrompt(const char* message) {
    for (;;) {
        const std::optional<std::string> answer = dialogs_.Prompt(message, "Level");
        if (!answer) return false;
        record_.Write(Field::txtLevel, *answer);
        if (IsValidLevel(record_.Text(Field::txtLevel))) return true;
        dialogs_.Message(kLevelMessage, kLevelTitle);
    }
}

void GenerationModes::LevelRoll() {
    record_.WriteNumber(Field::txtLevel, record_.DieRoll(10));
}

void GenerationModes::GenerateWithGlassesReroll() {
    sequence_.cmdGenChars_Click();
    sequence_.cmdPrimary_Click();
    // After the sheet: the glasses shown may differ from those on it.
    record_.Write(Field::cboGlasses, "Glasses");
    RollGlasses(record_);
}

Outcome GenerationModes::cmdGenChars_Click() {
    return Run([this] {
        sequence_.cmdGenChars_Click();
        return true;
    });
}

Outcome GenerationModes::cmdPrimary_Click() {
    return Run([this] {
        sequence_.cmdPrimary_Click();
        return true;
    });
}

Outcome GenerationModes::cmdUseParam_Click() {
    return Run([this] {
        sequence_.cmdUseParam_Click();
        return true;
    });
}

Outcome GenerationModes::cmdQuikGen_Click() {
    return Run([this] {
        LevelRoll();
        GenerateWithGlassesReroll();
        return true;
    });
}

Outcome GenerationModes::cdmRandwL_Click() {
    return Run([this] {
        if (!LevelPrompt("Please Enter a Level: ")) return false;
        GenerateWithGlassesReroll();
        return true;
    });
}

Outcome GenerationModes::cmdRandbySex_Click() {
    return Run([this] {
        if (!SexPrompt()) return false;
        record_.working.sexFixed = 1;  // stays 1 after this mode
        LevelRoll();
        GenerateWithGlassesReroll();
        return true;
    });
}

Outcome GenerationModes::cmdrandbySandL_Click() {
    const Outcome outcome = Run([this] {
        if (!SexPrompt()) return false;
        record_.working.sexFixed = 1;
        if (!LevelPrompt("Please Enter the Level: ")) return false;
        GenerateWithGlassesReroll();
        return true;
    });
    // However the mode ends, the sex it fixed is released.
    record_.working.sexFixed = 0;
    return outcome;
}

Outcome GenerationModes::cmdSrandT_Click() {
    return Run([this] {
        sequence_.cmdUserChars_Click();
        sequence_.cmdPrimary_Click();
        return true;
    });
}

Outcome GenerationModes::cmdTrandC_Click() {
    return Run([this] {
        sequence_.cmdUseParam_Click();
        sequence_.cmdGenChars_Click();
        return true;
    });
}

Outcome GenerationModes::cmdClear_Click() {
    const std::pair<Field, const char*> captions[] = {{Field::cboSex, "Sex"},
                                                      {Field::cboHair, "Hair"},
                                                      {Field::cboHandedness, "Handedness"},
                                                      {Field::cboRace, "Race"},
                                                      {Field::cboHeight, "Height"},
                                                      {Field::cboWeight, "Weight"},
                                                      {Field::cboMilitary, "Military Service"},
                                                      {Field::cboBranch, "Branch"},
                                                      {Field::cboGlasses, "Glasses"},
                                                      {Field::cboPhysique, "Physique"},
                                                      {Field::cboLoss, "% Loss of CD"}};
    for (const auto& [field, caption] : captions) record_.Write(field, caption);
    return Outcome::Completed;
}

}  // namespace dossier
