#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace dossier {

// How likely each role is, by its place in kRoles: the chance of one is its weight over the sum.
std::span<const int> RoleWeights();

// What a role leans to: the motives by their place in kMotives, the loyalties in kLoyalties.
struct RoleLeanings {
    std::array<int, 4> motives;
    std::array<int, 3> loyalties;
};
const RoleLeanings& LeaningsOf(std::size_t role);

// How likely each cover status is, by its place in kCoverStatuses.
std::span<const int> CoverStatusWeights();

// The place in kRoles of the role the typed text names, whatever its case, blanks and hyphens.
std::optional<std::size_t> FindRole(std::string_view typed);

}  // namespace dossier
