#include "reroll/reroll_targets.h"

#include "naming/name_drawer.h"

namespace dossier {

namespace {

using K = RerollKind;
using F = Field;

constexpr RerollTarget kTargets[] = {
    {"sex", K::Characteristic, F::cboSex},
    {"hair", K::Characteristic, F::cboHair},
    {"handedness", K::Characteristic, F::cboHandedness},
    {"race", K::Characteristic, F::cboRace},
    {"age", K::Characteristic, F::txtAge},
    {"height", K::Characteristic, F::cboHeight},
    {"weight", K::Characteristic, F::cboWeight},
    {"glasses", K::Characteristic, F::cboGlasses},
    {"military", K::Military, F::cboMilitary},
    {"branch", K::Military, F::cboBranch},
    {"level", K::Level, F::txtLevel},
    {"ps", K::Trait, F::txtPS},
    {"ch", K::Trait, F::txtCH},
    {"wp", K::Trait, F::txtWP},
    {"co", K::Trait, F::txtCO},
    {"k", K::Trait, F::txtK},
    {"cd", K::Trait, F::txtCD},
    {"name", K::Name, std::nullopt},
    {"alias", K::Alias, std::nullopt},
    {"role", K::Role, std::nullopt},
    {"motive", K::Motive, std::nullopt},
    {"leverage", K::Leverage, std::nullopt},
    {"loyalty", K::Loyalty, std::nullopt},
    {"mannerism", K::Mannerism, std::nullopt},
    {"cover", K::Cover, std::nullopt},
    {"languages", K::Languages, std::nullopt},
    {"education", K::Education, std::nullopt},
    {"areas", K::Areas, std::nullopt},
};

}  // namespace

std::span<const RerollTarget> RerollTargets() {
    return kTargets;
}

const RerollTarget* FindRerollTarget(std::string_view typed) {
    const std::string folded = Folded(typed);
    for (const RerollTarget& target : kTargets) {
        if (Folded(target.word) == folded) return &target;
        if (target.field && Folded(FieldName(*target.field)) == folded) return &target;
    }
    return nullptr;
}

const RerollTarget* RerollTargetOf(Field field) {
    for (const RerollTarget& target : kTargets)
        if (target.field == field) return &target;
    return nullptr;
}

}  // namespace dossier
