#include "frontend/generation_sequence.h"

#include "core/rules/age_handedness.h"
#include "core/rules/derived_traits.h"
#include "core/rules/glasses_coordination_loss.h"
#include "core/rules/height_weight.h"
#include "core/rules/military.h"
#include "core/rules/physique.h"
#include "core/rules/primary_traits.h"
#include "core/rules/sex_race_hair.h"

namespace dossier {

void GenerationSequence::RollAllCharacteristics() {
    record_.Unset(Field::cboHair);
    if (record_.working.sexFixed != 1) record_.Unset(Field::cboSex);
    record_.Unset(Field::cboHandedness);
    record_.Unset(Field::cboRace);
    record_.Unset(Field::txtAge);  // the age hook rolls the age here
    record_.Unset(Field::cboMilitary);
    record_.Unset(Field::cboBranch);
    record_.Unset(Field::cboHeight);
    record_.Unset(Field::cboWeight);
    record_.Unset(Field::cboGlasses);

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

void GenerationSequence::RollUnsetCharacteristics() {
    if (record_.IsUnset(Field::cboHair)) RollHair(record_);
    if (record_.IsUnset(Field::cboSex)) RollSex(record_);
    if (record_.IsUnset(Field::cboHandedness)) RollHandedness(record_);
    if (record_.IsUnset(Field::cboRace)) RollRace(record_);
    if (record_.IsUnset(Field::txtAge)) RollAge(record_);
    if (record_.IsUnset(Field::cboWeight)) RollWeight(record_);
    if (record_.IsUnset(Field::cboHeight)) RollHeight(record_);
    if (record_.IsUnset(Field::cboGlasses)) RollGlasses(record_);
}

void GenerationSequence::RollAllTraits() {
    for (Field trait : kPrimaryTraits) {
        record_.WriteNumber(trait, RollPrimaryTrait(record_));
    }
    RollUnsetCharacteristics();
    RollWeight(record_);
    RollHeight(record_);
    RollPhysique(record_);
    RollCoordinationLoss(record_);
    ComputeDerivedTraits(record_);
    WriteCharacterSheet();
}

void GenerationSequence::RollUnsetTraits() {
    RollUnsetCharacteristics();
    for (Field trait : kPrimaryTraits) {
        if (record_.IsUnset(trait)) record_.WriteNumber(trait, RollPrimaryTrait(record_));
    }
    ComputeDerivedTraits(record_);
    WriteCharacterSheet();
}

void GenerationSequence::WriteCharacterSheet() {
    sheet_.names = {};
    if (namer_ != nullptr) namer_->Name(record_, sheet_.names);
    // A profile drawn into the last one's space; none where profiles are off.
    if (profiler_ != nullptr) {
        profiler_->Profile(record_.Text(Field::cboSex), sheet_.names, sheet_.profile);
    } else if (!sheet_.profile.empty()) {
        sheet_.profile = {};
    }
    ComposeCharacterSheet(record_, sheet_);
    sink_.Deliver(record_, sheet_);
}

}  // namespace dossier
