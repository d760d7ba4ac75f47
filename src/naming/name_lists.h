#pragma once

#include <array>
#include <span>
#include <string_view>

namespace dossier {

// The names of one origin, as resources/names holds them, compiled in by the build.
struct OriginNames {
    std::string_view origin;
    std::span<const std::string_view> female, male;
    std::span<const std::string_view> surnames;  // for either sex
    // Where the origin's surnames take their bearer's sex.
    std::span<const std::string_view> femaleSurnames, maleSurnames;
};

std::span<const OriginNames> NameOrigins();

// The two words of a codename: "Silent" "Heron".
std::span<const std::string_view> AliasAdjectives();
std::span<const std::string_view> AliasNouns();
// Codenames never drawn ("Silver Fox"), and full names never drawn: heads of state, notorious
// figures, famous spies real and fictional ("Markus Wolf").
std::span<const std::string_view> NeverDrawnAliases();
std::span<const std::string_view> FamousNames();

}  // namespace dossier
