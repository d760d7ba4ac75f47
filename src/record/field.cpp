#include "record/field.h"

namespace dossier {

namespace {

constexpr std::array<FieldInfo, kFieldCount> kFields = {
    {{Field::cboSex, "cboSex", "Sex"},
     {Field::cboRace, "cboRace", "Race"},
     {Field::cboHair, "cboHair", "Hair"},
     {Field::cboHandedness, "cboHandedness", "Handedness"},
     {Field::txtAge, "txtAge", "22"},
     {Field::cboHeight, "cboHeight", "Height"},
     {Field::cboWeight, "cboWeight", "Weight"},
     {Field::cboMilitary, "cboMilitary", "Military Service"},
     {Field::cboBranch, "cboBranch", "Branch"},
     {Field::cboGlasses, "cboGlasses", "Glasses"},
     {Field::cboLoss, "cboLoss", "% Loss of CD"},
     {Field::cboPhysique, "cboPhysique", "Physique"},
     {Field::txtLevel, "txtLevel", "5"},
     {Field::txtPS, "txtPS", ""},
     {Field::txtCH, "txtCH", ""},
     {Field::txtWP, "txtWP", ""},
     {Field::txtCO, "txtCO", ""},
     {Field::txtK, "txtK", ""},
     {Field::txtCD, "txtCD", ""},
     {Field::txtOF, "txtOF", ""},
     {Field::txtDP, "txtDP", ""},
     {Field::txtSR, "txtSR", ""},
     {Field::txtDA, "txtDA", ""},
     {Field::txtOB, "txtOB", ""},
     {Field::txtEV, "txtEV", ""},
     {Field::txtGV, "txtGV", ""},
     {Field::txtMV, "txtMV", ""},
     {Field::txtLL, "txtLL", ""},
     {Field::txtWell, "txtWell", ""},
     {Field::txtBA, "txtBA", ""},
     {Field::txtPR, "txtPR", ""},
     {Field::txtHTH, "txtHTH", ""},
     {Field::txtSV, "txtSV", ""}}};

constexpr bool InDeclarationOrder() {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (Index(kFields[i].field) != i) return false;
    }
    return true;
}
static_assert(InDeclarationOrder(), "the field table must follow the enum");

}  // namespace

const std::array<FieldInfo, kFieldCount>& AllFields() {
    return kFields;
}

std::string_view FieldName(Field field) {
    return kFields[Index(field)].name;
}

std::string_view StartupText(Field field) {
    return kFields[Index(field)].startupText;
}

std::optional<Field> FieldByName(std::string_view name) {
    for (const FieldInfo& info : kFields) {
        if (info.name == name) return info.field;
    }
    return std::nullopt;
}

}  // namespace dossier
