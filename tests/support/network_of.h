#pragma once

#include <string>

#include "core/dice/random_dice.h"
#include "core/saved/network.h"
#include "core/sheet/character_profile.h"
#include "network/network_structure.h"

namespace dossier {

// A drawn structure with stand-in members: each has only its role and a name.
inline Network NetworkOf(const NetworkStructure& structure) {
    Network network;
    for (const std::size_t role : structure.roles) {
        SavedCharacter member;
        member.profile.role = std::string(kRoles[role]);
        member.names.name = "Member " + std::to_string(network.members.size() + 1);
        network.members.push_back(member);
    }
    network.links = structure.links;
    return network;
}

inline Network DrawnNetwork(int size, std::uint64_t seed,
                            std::optional<std::size_t> role = std::nullopt) {
    SeededDice dice(seed);
    return NetworkOf(DrawNetworkStructure(size, dice, role));
}

}  // namespace dossier
