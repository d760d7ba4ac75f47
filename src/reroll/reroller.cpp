#include "reroll/reroller.h"

#include <algorithm>

#include "core/record/numbers.h"
#include "core/rules/age_handedness.h"
#include "core/rules/derived_traits.h"
#include "core/rules/glasses_coordination_loss.h"
#include "core/rules/height_weight.h"
#include "core/rules/military.h"
#include "core/rules/physique.h"
#include "core/rules/primary_traits.h"
#include "core/rules/sheet_sections.h"
#include "frontend/generation_sequence.h"

namespace dossier {

namespace {

// The sequence fills unset fields and writes no sheet here.
class NoSheet final : public SheetSink {
  public:
    void Deliver(const CharacterRecord& /*record*/, const CharacterSheet& /*sheet*/) override {}
};

bool Asked(std::span<const RerollTarget* const> targets, RerollKind kind) {
    return std::any_of(targets.begin(), targets.end(),
                       [kind](const RerollTarget* target) { return target->kind == kind; });
}

}  // namespace

Reroller::Reroller(Dice& dice, Dice& nameDice, Dice& profileDice)
    : dice_(dice), names_(nameDice), profiles_(profileDice) {}

SavedCharacter Reroller::Reroll(const SavedCharacter& character,
                                std::span<const RerollTarget* const> targets) {
    using F = Field;
    CharacterRecord record = StartupRecord(dice_);
    TypeInto(record, character);
    // The values the sheet printed, which the quick modes roll again after writing it.
    record.Write(F::cboGlasses, character.moment.glasses);
    record.Write(F::cboLoss, character.moment.loss);
    record.Write(F::cboPhysique, character.moment.physique);

    for (const RerollTarget* target : targets) {
        if (target->kind == RerollKind::Characteristic || target->kind == RerollKind::Trait)
            record.Unset(*target->field);
        if (target->kind == RerollKind::Military) {
            record.Unset(F::cboMilitary);
            record.Unset(F::cboBranch);
        }
    }
    NoSheet none;
    GenerationSequence(record, none).RollUnsetCharacteristics();
    if (record.IsUnset(F::cboMilitary)) RollMilitary(record);
    if (Asked(targets, RerollKind::Level)) record.WriteNumber(F::txtLevel, record.DieRoll(10));
    for (const Field trait : kPrimaryTraits)
        if (record.IsUnset(trait)) record.WriteNumber(trait, RollPrimaryTrait(record));

    // What the rules derive from what changed.
    RollHeight(record);  // the classes, from the sex, height and weight as they stand
    RollWeight(record);
    RollPhysique(record);
    const auto changed = [&](Field field) { return record.Text(field) != character.Text(field); };
    if (changed(F::cboGlasses) || changed(F::txtCD) ||
        record.Text(F::cboGlasses) != character.moment.glasses)
        RollCoordinationLoss(record);
    ComputeDerivedTraits(record);

    SavedCharacter now = character;
    for (const FieldInfo& info : kFields) now.fields[Index(info.field)] = record.Text(info.field);
    now.heightClass = record.working.heightClass;
    now.weightClass = record.working.weightClass;
    ReadMoment(record, now.moment);
    const PrimaryTraitValues traits = ReadPrimaryTraits(record);
    const DerivedTraitValues derived = DeriveTraits(traits);
    now.derived.clear();
    for (const DerivedTraitInfo& trait : kDerivedTraits)
        now.derived.emplace_back(trait.sheetName, derived.*trait.value);
    // The sections are rolled from the Knowledge, and the education from nothing at all.
    const bool knowledge = changed(F::txtK);
    if (knowledge || Asked(targets, RerollKind::Languages))
        RollLanguages(record, traits.K, now.languages);
    if (Asked(targets, RerollKind::Education)) now.education = RollEducation(record);
    if (knowledge || Asked(targets, RerollKind::Areas)) {
        const double goal = LoadKnowledgeAreas(record);
        std::vector<KnowledgeArea> areas;
        RollAreas(record, goal, ReadNumber(record, F::txtK), areas);
        now.areas.clear();
        for (const KnowledgeArea& area : areas)
            now.areas.emplace_back(TrimmedAreaName(area.name), area.score);
    }

    RerollNames(character, Asked(targets, RerollKind::Name), Asked(targets, RerollKind::Alias),
                now);
    RerollProfile(character, targets, now);
    now.sheetText = LaidOutSheet(now);
    return now;
}

void Reroller::RerollNames(const SavedCharacter& was, bool name, bool alias, SavedCharacter& now) {
    const std::string& sex = now.Text(Field::cboSex);
    // A drawn name follows a new sex, from its origin; one the user typed stays.
    const bool follows = !was.names.origin.empty() && sex != was.Text(Field::cboSex);
    if (!name && !alias && !follows) return;
    names_.SetOrigin(was.names.origin);
    const bool keepName = !name && !follows && !was.names.name.empty();
    const bool keepAlias = !alias && !was.names.alias.empty();
    names_.Fix(keepName ? std::optional(was.names.name) : std::nullopt,
               keepAlias ? std::optional(was.names.alias) : std::nullopt,
               keepName ? was.names.origin : std::string());
    now.names = names_.Draw(sex);
}

void Reroller::RerollProfile(const SavedCharacter& was,
                             std::span<const RerollTarget* const> targets, SavedCharacter& now) {
    using Item = ProfileDrawer::Item;
    const std::string& sex = now.Text(Field::cboSex);
    const std::pair<RerollKind, Item> items[] = {
        {RerollKind::Role, Item::Role},           {RerollKind::Motive, Item::Motive},
        {RerollKind::Leverage, Item::Leverage},   {RerollKind::Loyalty, Item::Loyalty},
        {RerollKind::Mannerism, Item::Mannerism}, {RerollKind::Cover, Item::Cover}};
    bool asked = false;
    for (const auto& [kind, item] : items) asked = asked || Asked(targets, kind);
    if (was.profile.empty()) {
        // One item asked of a character without a profile gives it a whole one.
        if (asked) profiles_.Draw(sex, now.names, now.profile);
        return;
    }
    for (const auto& [kind, item] : items)
        if (Asked(targets, kind)) profiles_.Redraw(item, sex, now.names, now.profile);
    // The cover's name follows a new sex, and never becomes the character's own.
    if (!Asked(targets, RerollKind::Cover)) {
        profiles_.Keep(now.profile, was.Text(Field::cboSex));
        profiles_.Profile(sex, now.names, now.profile);
        profiles_.Keep(std::nullopt);
    }
}

}  // namespace dossier
