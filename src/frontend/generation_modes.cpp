#include "frontend/generation_modes.h"

#include <string>

#include "core/rules/glasses_coordination_loss.h"
#include "frontend/field_checks.h"

namespace dossier {

// Runs the steps of one press; steps return false when the user cancelled.
template <typename Steps>
Outcome GenerationModes::Run(Steps steps) {
    try {
        return steps() ? Outcome::Completed : Outcome::Cancelled;
    } catch (const FieldValueError& error) {
        const UserMessage message = MessageFor(error);
        dialogs_.Message(message.text, message.title);
    } catch (const WriteError& error) {
        const UserMessage message = MessageFor(error);
        dialogs_.Message(message.text, message.title);
    }
    return Outcome::Failed;
}

bool GenerationModes::AskSex() {
    for (;;) {
        const std::optional<std::string> answer =
            dialogs_.Prompt(Question::Sex, "Please Enter the Sex: ", "Sex");
        if (!answer) return false;
        if (const std::optional<std::string> sex = SexFromAnswer(*answer)) {
            record_.Write(Field::cboSex, *sex);
            return true;
        }
        record_.Unset(Field::cboSex);
        dialogs_.Message(kSexMessage, kSexTitle);
    }
}

bool GenerationModes::AskLevel(const char* message) {
    for (;;) {
        const std::optional<std::string> answer =
            dialogs_.Prompt(Question::Level, message, "Level");
        if (!answer) return false;
        record_.Write(Field::txtLevel, *answer);
        if (IsValidLevel(record_.Text(Field::txtLevel))) return true;
        dialogs_.Message(kLevelMessage, kLevelTitle);
    }
}

void GenerationModes::RollLevel() {
    record_.WriteNumber(Field::txtLevel, record_.DieRoll(10));
}

void GenerationModes::GenerateWithGlassesReroll() {
    sequence_.RollAllCharacteristics();
    sequence_.RollAllTraits();
    // After the sheet: the glasses shown may differ from those on it.
    record_.Unset(Field::cboGlasses);
    RollGlasses(record_);
}

void GenerationModes::ClearForm() {
    for (Field field : {Field::cboSex, Field::cboHair, Field::cboHandedness, Field::cboRace,
                        Field::cboHeight, Field::cboWeight, Field::cboMilitary, Field::cboBranch,
                        Field::cboGlasses, Field::cboPhysique, Field::cboLoss})
        record_.Unset(field);
}

Outcome GenerationModes::Press(Mode mode) {
    switch (mode) {
        case Mode::RollCharacteristics:
            return Run([this] {
                sequence_.RollAllCharacteristics();
                return true;
            });
        case Mode::RollTraits:
            return Run([this] {
                sequence_.RollAllTraits();
                return true;
            });
        case Mode::KeepTraits:
            return Run([this] {
                sequence_.RollUnsetTraits();
                return true;
            });
        case Mode::QuickRandom:
            return Run([this] {
                RollLevel();
                GenerateWithGlassesReroll();
                return true;
            });
        case Mode::ByLevel:
            return Run([this] {
                if (!AskLevel("Please Enter a Level: ")) return false;
                GenerateWithGlassesReroll();
                return true;
            });
        case Mode::BySex:
            return Run([this] {
                if (!AskSex()) return false;
                record_.working.sexFixed = 1;  // stays 1 after this mode
                RollLevel();
                GenerateWithGlassesReroll();
                return true;
            });
        case Mode::BySexAndLevel: {
            const Outcome outcome = Run([this] {
                if (!AskSex()) return false;
                record_.working.sexFixed = 1;
                if (!AskLevel("Please Enter the Level: ")) return false;
                GenerateWithGlassesReroll();
                return true;
            });
            // However the mode ends, the sex it fixed is released.
            record_.working.sexFixed = 0;
            return outcome;
        }
        case Mode::KeepCharacteristics:
            return Run([this] {
                sequence_.RollUnsetCharacteristics();
                sequence_.RollAllTraits();
                return true;
            });
        case Mode::KeepTraitsRollCharacteristics:
            return Run([this] {
                sequence_.RollUnsetTraits();
                sequence_.RollAllCharacteristics();
                return true;
            });
        case Mode::ClearForm:
            ClearForm();
            return Outcome::Completed;
        case Mode::Exit:
            return Outcome::ExitRequested;
    }
    return Outcome::Failed;
}

}  // namespace dossier
