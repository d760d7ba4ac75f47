#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/dice/dice.h"
#include "core/saved/network.h"

namespace dossier {

// The shape of a network before its members are made: each member's role (a place in kRoles)
// and links, members in the order of their ids, the handler first.
struct NetworkStructure {
    std::vector<std::size_t> roles;
    std::vector<std::vector<NetworkLink>> links;
};

// Draws a network of size members (kSmallestNetwork to kLargestNetwork) by the rules the
// README states; with a role, at least one member has it.
NetworkStructure DrawNetworkStructure(int size, Dice& dice,
                                      std::optional<std::size_t> role = std::nullopt);

}  // namespace dossier
