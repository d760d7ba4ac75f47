#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include "core/dice/dice.h"
#include "core/saved/network.h"
#include "core/saved/saved_character.h"

namespace dossier {

// Makes a member of the given role (a place in kRoles): a whole character with a name and a
// profile of that role. The front end's own generation.
using MemberMaker = std::function<SavedCharacter(std::size_t role)>;

// A network of size members: the structure from structureDice, then each member in the order
// of the ids. With a role, at least one member has it.
Network MakeNetwork(int size, Dice& structureDice, const MemberMaker& makeMember,
                    std::optional<std::size_t> role = std::nullopt);

}  // namespace dossier
