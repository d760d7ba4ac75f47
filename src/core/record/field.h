#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace dossier {

// The fields of one character, named after the window controls that show them. Saved
// characters and the window's controls go by these names, so the code keeps them too.
enum class Field : std::size_t {
    cboSex,
    cboRace,
    cboHair,
    cboHandedness,
    txtAge,
    cboHeight,
    cboWeight,
    cboMilitary,
    cboBranch,
    cboGlasses,
    cboLoss,
    cboPhysique,
    txtLevel,
    // Primary traits, in the order every routine handles them.
    txtPS,
    txtCH,
    txtWP,
    txtCO,
    txtK,
    txtCD,
    // Secondary traits.
    txtOF,
    txtDP,
    txtSR,
    txtDA,
    txtOB,
    txtEV,
    txtGV,
    txtMV,
    txtLL,
    txtWell,
    txtBA,
    // Tertiary traits.
    txtPR,
    txtHTH,
    txtSV,
};

inline constexpr std::size_t kFieldCount = static_cast<std::size_t>(Field::txtSV) + 1;

constexpr std::size_t Index(Field field) {
    return static_cast<std::size_t>(field);
}

struct FieldInfo {
    Field field;
    std::string_view name;         // the control's name
    std::string_view startupText;  // what the window shows when it opens
    std::string_view title;        // what the user knows the field by, in messages
};

// Every field in declaration order.
inline constexpr std::array<FieldInfo, kFieldCount> kFields = {
    {{Field::cboSex, "cboSex", "Sex", "Gender"},
     {Field::cboRace, "cboRace", "Race", "Race"},
     {Field::cboHair, "cboHair", "Hair", "Hair Color"},
     {Field::cboHandedness, "cboHandedness", "Handedness", "Handedness"},
     {Field::txtAge, "txtAge", "22", "Age"},
     {Field::cboHeight, "cboHeight", "Height", "Height"},
     {Field::cboWeight, "cboWeight", "Weight", "Weight"},
     {Field::cboMilitary, "cboMilitary", "Military Service", "Military Service"},
     {Field::cboBranch, "cboBranch", "Branch", "Military Branch"},
     {Field::cboGlasses, "cboGlasses", "Glasses", "Glasses"},
     {Field::cboLoss, "cboLoss", "% Loss of CD", "W/O Glasses Loss"},
     {Field::cboPhysique, "cboPhysique", "Physique", "Physique"},
     {Field::txtLevel, "txtLevel", "5", "Level"},
     {Field::txtPS, "txtPS", "", "Physical Strength"},
     {Field::txtCH, "txtCH", "", "Charm"},
     {Field::txtWP, "txtWP", "", "Willpower"},
     {Field::txtCO, "txtCO", "", "Courage"},
     {Field::txtK, "txtK", "", "Knowledge"},
     {Field::txtCD, "txtCD", "", "Coordination"},
     {Field::txtOF, "txtOF", "", "Offense"},
     {Field::txtDP, "txtDP", "", "Deception"},
     {Field::txtSR, "txtSR", "", "Shock Resistance"},
     {Field::txtDA, "txtDA", "", "Deactivation"},
     {Field::txtOB, "txtOB", "", "Observation"},
     {Field::txtEV, "txtEV", "", "Evasion"},
     {Field::txtGV, "txtGV", "", "Gambling Value"},
     {Field::txtMV, "txtMV", "", "Movement Value"},
     {Field::txtLL, "txtLL", "", "Life Level"},
     {Field::txtWell, "txtWell", "", "Wellness"},
     {Field::txtBA, "txtBA", "", "Balance"},
     {Field::txtPR, "txtPR", "", "Perception"},
     {Field::txtHTH, "txtHTH", "", "Hand to Hand Combat Value"},
     {Field::txtSV, "txtSV", "", "Surprise Value"}}};

constexpr std::string_view FieldName(Field field) {
    return kFields[Index(field)].name;
}
constexpr std::string_view StartupText(Field field) {
    return kFields[Index(field)].startupText;
}
constexpr std::string_view FieldTitle(Field field) {
    return kFields[Index(field)].title;
}

// What a characteristic or trait field holds while it has no value, and the generators fill
// it: its start-up text, but for the age, whose unset text is one blank.
constexpr std::string_view UnsetCaption(Field field) {
    return field == Field::txtAge ? " " : StartupText(field);
}

std::optional<Field> FieldByName(std::string_view name);

inline constexpr std::array<Field, 6> kPrimaryTraits = {Field::txtPS, Field::txtCH, Field::txtWP,
                                                        Field::txtCO, Field::txtK,  Field::txtCD};

}  // namespace dossier
