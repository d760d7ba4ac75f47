#include "profile/profile_tables.h"

#include <string>

#include "core/sheet/character_profile.h"
#include "naming/name_drawer.h"

namespace dossier {

namespace {

// A network has many more hands than heads: agents, informants, couriers and watchers are most
// of any ring; a handler runs several of them; moles, sleepers and defectors are rare prizes.
// Handler, Agent, Cutout, Courier, Safe-House Keeper, Informant, Mole, Talent Spotter, Watcher,
// Specialist, Sleeper, Defector: out of 100.
constexpr int kRoleWeights[] = {7, 18, 8, 10, 7, 14, 5, 6, 10, 8, 4, 3};
static_assert(std::size(kRoleWeights) == std::size(kRoles));

// Every role can have every motive and every loyalty. Out of 20: Money, Ideology, Coercion,
// Ego; out of 10: Wavering, Steady, Unshakeable. An informant is mostly paid and wavers; a mole
// or a talent spotter is more often moved by belief or pride; a sleeper waits for years on
// conviction; a defector has already turned once.
constexpr RoleLeanings kLeanings[] = {
    {{3, 10, 1, 6}, {1, 5, 4}},  // Handler
    {{6, 6, 4, 4}, {3, 5, 2}},   // Agent
    {{8, 5, 4, 3}, {2, 6, 2}},   // Cutout
    {{9, 5, 4, 2}, {3, 5, 2}},   // Courier
    {{7, 8, 3, 2}, {2, 5, 3}},   // Safe-House Keeper
    {{11, 2, 5, 2}, {6, 3, 1}},  // Informant
    {{5, 6, 3, 6}, {3, 4, 3}},   // Mole
    {{4, 7, 1, 8}, {2, 5, 3}},   // Talent Spotter
    {{9, 6, 3, 2}, {3, 5, 2}},   // Watcher
    {{8, 3, 3, 6}, {3, 5, 2}},   // Specialist
    {{3, 12, 3, 2}, {2, 4, 4}},  // Sleeper
    {{4, 6, 3, 7}, {6, 3, 1}},   // Defector
};
static_assert(std::size(kLeanings) == std::size(kRoles));

// Most covers hold; some would not survive a close look; a few are already known.
constexpr int kCoverStatusWeights[] = {6, 3, 1};  // Solid, Thin, Blown
static_assert(std::size(kCoverStatusWeights) == std::size(kCoverStatuses));

}  // namespace

std::span<const int> RoleWeights() {
    return kRoleWeights;
}

const RoleLeanings& LeaningsOf(std::size_t role) {
    return kLeanings[role];
}

std::span<const int> CoverStatusWeights() {
    return kCoverStatusWeights;
}

std::optional<std::size_t> FindRole(std::string_view typed) {
    const std::string folded = Folded(typed);
    for (std::size_t i = 0; i < std::size(kRoles); ++i)
        if (Folded(kRoles[i]) == folded) return i;
    return std::nullopt;
}

}  // namespace dossier
