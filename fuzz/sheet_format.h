#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dossier::testing {

// Checks a sheet against the layout every sheet must have: CR LF after every line and
// nowhere else, the fixed labels and literals in their places, quoted records, 1 to 40
// areas with padded names. Returns what is wrong, or nothing for a well-formed sheet.
std::optional<std::string> SheetFormatProblem(std::string_view sheet);

}  // namespace dossier::testing
