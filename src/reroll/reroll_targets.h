#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/record/field.h"

namespace dossier {

// What can be rolled again on its own: a characteristic, the level, a primary trait, the names,
// an item of the profile, or a section of the sheet.
enum class RerollKind {
    Characteristic,  // field
    Military,        // the service and its branch together
    Level,
    Trait,  // field
    Name,
    Alias,
    Role,
    Motive,
    Leverage,
    Loyalty,
    Mannerism,
    Cover,
    Languages,
    Education,
    Areas
};

struct RerollTarget {
    std::string_view word;  // as dossier-cli takes it
    RerollKind kind;
    std::optional<Field> field;  // the control it is, where it is one
};

std::span<const RerollTarget> RerollTargets();

// The target the typed text names: its word or its control's name (cboHeight), whatever the case.
const RerollTarget* FindRerollTarget(std::string_view typed);

// The target a control of the window stands for, if any.
const RerollTarget* RerollTargetOf(Field field);

}  // namespace dossier
