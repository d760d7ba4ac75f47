#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace dossier {

// The lines of resources/profile, compiled in by the build.
// What exactly moves a character of this motive, by its index in kMotives.
std::span<const std::string_view> MotiveDetails(std::size_t motive);
std::span<const std::string_view> LeverageLines();
std::span<const std::string_view> Mannerisms();
std::span<const std::string_view> Occupations();

}  // namespace dossier
