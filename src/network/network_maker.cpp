#include "network/network_maker.h"

#include "network/network_structure.h"

namespace dossier {

Network MakeNetwork(int size, Dice& structureDice, const MemberMaker& makeMember,
                    std::optional<std::size_t> role) {
    NetworkStructure structure = DrawNetworkStructure(size, structureDice, role);
    Network network;
    for (const std::size_t memberRole : structure.roles)
        network.members.push_back(makeMember(memberRole));
    network.links = std::move(structure.links);
    return network;
}

}  // namespace dossier
