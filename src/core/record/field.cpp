#include "core/record/field.h"

namespace dossier {

namespace {

constexpr bool InDeclarationOrder() {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (Index(kFields[i].field) != i) return false;
    }
    return true;
}
static_assert(InDeclarationOrder(), "the field table must follow the enum");

}  // namespace

std::optional<Field> FieldByName(std::string_view name) {
    for (const FieldInfo& info : kFields) {
        if (info.name == name) return info.field;
    }
    return std::nullopt;
}

}  // namespace dossier
