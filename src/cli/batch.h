#pragma once

#include <iosfwd>

#include "cli/cli_options.h"

namespace dossier::cli {

// Generates options.count characters and writes them where the options say.
// Returns the exit status: 0 done, 1 output not written, 2 invalid input.
int RunBatch(const CliOptions& options, std::ostream& out, std::ostream& err, bool showProgress);

}  // namespace dossier::cli
