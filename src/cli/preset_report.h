#pragma once

#include <string>

#include "cli/cli_options.h"

namespace dossier::cli {

// Names the presets that the chosen mode writes over, and the modes that would keep them
// all; empty when the mode keeps every preset. Found by running each mode once on its own
// dice and watching which fields it writes, so it always says what the modes do.
std::string PresetReport(const CliOptions& options);

}  // namespace dossier::cli
