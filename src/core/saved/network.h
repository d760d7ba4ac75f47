#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/saved/saved_character.h"

namespace dossier {

// The ways one member of a network is tied to another, as the member holding the link sees it.
inline constexpr std::string_view kReportsTo = "reports to";
inline constexpr std::string_view kRecruitedBy = "recruited by";
inline constexpr std::string_view kRuns = "runs";
inline constexpr std::string_view kServes = "serves";
inline constexpr std::string_view kReportsSecretlyTo = "reports secretly to";
inline constexpr std::string_view kLinkKinds[] = {kReportsTo, kRecruitedBy, kRuns, kServes,
                                                  kReportsSecretlyTo};
inline constexpr std::string_view kThroughTheCutout = "through the cutout";
inline constexpr std::string_view kContactMethods[] = {"meeting", "dead drop", "brush pass",
                                                       "signal",  "phone",     kThroughTheCutout};

// Whether a link's kind ties a member to the one it reports to or serves.
inline bool IsCommand(std::string_view kind) {
    return kind == kReportsTo || kind == kServes;
}

// Who a secret report goes to: the other side, outside the network.
inline constexpr int kOtherSide = 0;

struct NetworkLink {
    int to = 0;  // the other member's id, or kOtherSide
    std::string kind;
    std::string contact;
    bool knowsTrueName = false;  // whether the holder knows the other end's true name

    bool operator==(const NetworkLink&) const = default;
};

// A ring of profiled characters. Member i has the id i + 1 and holds links[i]; a tie of command
// is held at both ends ("reports to" or "serves" below, "runs" above), each end saying what it
// knows; "recruited by" and "reports secretly to" only by the member below.
struct Network {
    std::vector<SavedCharacter> members;
    std::vector<std::vector<NetworkLink>> links;
};

inline constexpr int kSmallestNetwork = 3;
inline constexpr int kLargestNetwork = 30;

// The network as its members could know it: without the secret reports to the other side, which
// only the game master's copy shows.
Network PlayersCopy(Network network);

// The member a member reports to or serves, by place; nothing for the handler.
std::optional<std::size_t> SuperiorOf(const Network& network, std::size_t member);

// The first thing that makes the network unsound, with the member it concerns (by place), or
// nothing: exactly one handler, every link to a member there is, a kind and contact Dossier
// knows, a superior for every member but the handler, no cycle of reporting, every tie held at
// both ends.
struct NetworkFault {
    std::size_t member;
    std::string what;
};
std::optional<NetworkFault> FindNetworkFault(const Network& network);

}  // namespace dossier
