#pragma once

#include <string>
#include <string_view>

namespace dossier {

// The name and work a character lives under.
struct CoverIdentity {
    std::string name;
    std::string occupation;
    std::string status;  // one of kCoverStatuses

    bool operator==(const CoverIdentity&) const = default;
};

// Who the character is in a spy story, where the user asked for it; empty otherwise, and the
// sheet ends where it always did.
struct CharacterProfile {
    std::string role;    // one of kRoles
    std::string motive;  // one of kMotives
    std::string motiveDetail;
    std::string leverage;
    std::string loyalty;  // one of kLoyalties
    std::string mannerism;
    CoverIdentity cover;

    bool empty() const { return role.empty(); }
    bool operator==(const CharacterProfile&) const = default;
};

// The words a profile is made of; files are read against them.
inline constexpr std::string_view kRoles[] = {
    "Handler", "Agent",          "Cutout",  "Courier",    "Safe-House Keeper", "Informant",
    "Mole",    "Talent Spotter", "Watcher", "Specialist", "Sleeper",           "Defector"};
inline constexpr std::string_view kMotives[] = {"Money", "Ideology", "Coercion", "Ego"};
inline constexpr std::string_view kLoyalties[] = {"Wavering", "Steady", "Unshakeable"};
inline constexpr std::string_view kCoverStatuses[] = {"Solid", "Thin", "Blown"};

}  // namespace dossier
