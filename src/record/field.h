#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace dossier {

// The fields of one character, named after the window controls that show them.
// The enumerators keep those names so that code, window and CLI speak of the same thing.
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

struct FieldInfo {
    Field field;
    std::string_view name;         // the control's name
    std::string_view startupText;  // what the window shows when it opens
};

// Every field in declaration order.
const std::array<FieldInfo, kFieldCount>& AllFields();

std::string_view FieldName(Field field);
std::string_view StartupText(Field field);
std::optional<Field> FieldByName(std::string_view name);

inline constexpr std::array<Field, 6> kPrimaryTraits = {Field::txtPS, Field::txtCH, Field::txtWP,
                                                        Field::txtCO, Field::txtK,  Field::txtCD};

constexpr std::size_t Index(Field field) {
    return static_cast<std::size_t>(field);
}

}  // namespace dossier
