#include "core/saved/network.h"

#include <algorithm>

namespace dossier {

namespace {

template <std::size_t N>
bool Known(std::string_view word, const std::string_view (&words)[N]) {
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

std::string Id(std::size_t member) {
    return "member " + std::to_string(member + 1);
}

}  // namespace

Network PlayersCopy(Network network) {
    for (std::vector<NetworkLink>& links : network.links)
        std::erase_if(links,
                      [](const NetworkLink& link) { return link.kind == kReportsSecretlyTo; });
    return network;
}

std::optional<std::size_t> SuperiorOf(const Network& network, std::size_t member) {
    for (const NetworkLink& link : network.links[member]) {
        if (IsCommand(link.kind) && link.to >= 1 &&
            static_cast<std::size_t>(link.to) <= network.members.size())
            return static_cast<std::size_t>(link.to - 1);
    }
    return std::nullopt;
}

std::optional<NetworkFault> FindNetworkFault(const Network& network) {
    const std::size_t size = network.members.size();
    if (size < kSmallestNetwork || size > kLargestNetwork || network.links.size() != size) {
        return NetworkFault{0, "a network has " + std::to_string(kSmallestNetwork) + " to " +
                                   std::to_string(kLargestNetwork) + " members, not " +
                                   std::to_string(size)};
    }
    std::optional<std::size_t> handler;
    for (std::size_t m = 0; m < size; ++m) {
        const std::string& role = network.members[m].profile.role;
        if (role.empty()) return NetworkFault{m, Id(m) + " has no profile"};
        if (role != "Handler") continue;
        if (handler) return NetworkFault{m, Id(m) + " is a second handler"};
        handler = m;
    }
    if (!handler) return NetworkFault{0, "the network has no handler"};
    // Each link alone first, then what the members' links say together, so the fault named is
    // the one made.
    for (std::size_t m = 0; m < size; ++m) {
        for (const NetworkLink& link : network.links[m]) {
            if (!Known(link.kind, kLinkKinds))
                return NetworkFault{m, Id(m) + " has a link of no known kind: " + link.kind};
            if (!Known(link.contact, kContactMethods))
                return NetworkFault{m, Id(m) + " has a link by no known contact: " + link.contact};
            const bool secret = link.kind == kReportsSecretlyTo;
            if (secret != (link.to == kOtherSide))
                return NetworkFault{m, Id(m) + (secret ? " reports secretly to a member"
                                                       : " has a link to no member (0)")};
            if (!secret && (link.to < 1 || static_cast<std::size_t>(link.to) > size))
                return NetworkFault{m, Id(m) + " has a link to member " + std::to_string(link.to) +
                                           ", who is not in the network"};
            if (link.to == static_cast<int>(m + 1))
                return NetworkFault{m, Id(m) + " has a link to itself"};
        }
    }
    for (std::size_t m = 0; m < size; ++m) {
        const auto command =
            std::count_if(network.links[m].begin(), network.links[m].end(),
                          [](const NetworkLink& link) { return IsCommand(link.kind); });
        if (m == *handler && command > 0) return NetworkFault{m, "the handler reports to a member"};
        if (m != *handler && command != 1) {
            return NetworkFault{m, Id(m) + (command == 0 ? " reports to no one: the handler "
                                                           "cannot reach it"
                                                         : " reports to more than one member")};
        }
    }
    // A tie of command at both ends: the lower end's word first, as it says whom it reports to.
    for (const bool lower : {true, false}) {
        for (std::size_t m = 0; m < size; ++m) {
            for (const NetworkLink& link : network.links[m]) {
                if (lower ? !IsCommand(link.kind) : link.kind != kRuns) continue;
                const std::vector<NetworkLink>& other =
                    network.links[static_cast<std::size_t>(link.to - 1)];
                const bool backed =
                    std::any_of(other.begin(), other.end(), [&](const NetworkLink& back) {
                        return back.to == static_cast<int>(m + 1) &&
                               (lower ? back.kind == kRuns : IsCommand(back.kind));
                    });
                if (!backed)
                    return NetworkFault{m, Id(m) + "'s link to member " + std::to_string(link.to) +
                                               " is not held at the other end"};
            }
        }
    }
    // Every chain of reporting ends at the handler within as many steps as there are members.
    for (std::size_t m = 0; m < size; ++m) {
        std::size_t at = m;
        for (std::size_t step = 0; at != *handler; ++step) {
            if (step == size) return NetworkFault{m, Id(m) + " is in a cycle of reporting"};
            at = *SuperiorOf(network, at);
        }
    }
    return std::nullopt;
}

}  // namespace dossier
