#include "ui/generation_sequence.h"

#include <string>

#include "generators/age_handedness.h"
#include "generators/derived_traits.h"
#include "generators/glasses_coordination_loss.h"
#include "generators/height_weight.h"
#include "generators/military.h"
#include "generators/physique.h"
#include "generators/primary_traits.h"
#include "generators/sex_race_hair.h"

namespace dossier {

void GenerationSequence::cmdGenChars_Click() {
    record_.Write(Field::cboHair, "Hair");
    if (record_.working.sexFixed != 1) record_.Write(Field::cboSex, "Sex");
    record_.Write(Field::cboHandedness, "Handedness");
    record_.Write(Field::cboRace, "Race");
    record_.Write(Field::txtAge, " ");  // the age hook rolls the age here
    record_.Write(Field::cboMilitary, "Military Service");
    record_.Write(Field::cboBranch, "Branch");
    record_.Write(Field::cboHeight, "Height");
    record_.Write(Field::cboWeight, "Weight");
    record_.Write(Field::cboGlasses, "Glasses");

    RollHair(record_);
    RollSex(record_);
    RollHandedness(record_);
    RollAge(record_);
    RollRace(record_);
    RollHeight(record_);
    RollWeight(record_);
    RollMilitary(record_);
    RollGlasses(record_);
}

void GenerationSequence::cmdUserChars_Click() {
    const auto unset = [this](Field field, const char* caption) {
        return record_.Text(field) == caption;
    };
    if (unset(Field::cboHair, "Hair")) RollHair(record_);
    if (unset(Field::cboSex, "Sex")) RollSex(record_);
    if (unset(Field::cboHandedness, "Handedness")) RollHandedness(record_);
    if (unset(Field::cboRace, "Race")) RollRace(record_);
    if (unset(Field::txtAge, " ")) RollAge(record_);
    if (unset(Field::cboWeight, "Weight")) RollWeight(record_);
    if (unset(Field::cboHeight, "Height")) RollHeight(record_);
    if (unset(Field::cboGlasses, "Glasses")) RollGlasses(record_);
}

void GenerationSequence::cmdPrimary_Click() {
    for (Field trait : kPrimaryTraits) {
        record_.WriteNumber(trait, RollPrimaryTrait(record_));
    }
    cmdUserChars_Click();
    RollWeight(record_);
    RollHeight(record_);
    RollPhysique(record_);
    RollCoordinationLoss(record_);
    ComputeDerivedTraits(record_);
    WriteCharacterSheet();
}

void GenerationSequence::cmdUseParam_Click() {
    cmdUserChars_Click();
    for (Field trait : kPrimaryTraits) {
        if (record_.Text(trait).empty()) {
            record_.WriteNumber(trait, RollPrimaryTrait(record_));
        }
    }
    ComputeDerivedTraits(record_);
    WriteCharacterSheet();
}

void GenerationSequence::WriteCharacterSheet() {
    ComposeCharacterSheet(record_, sheet_);
    sink_.Deliver(record_, sheet_);
}

}  // namespace dossier
