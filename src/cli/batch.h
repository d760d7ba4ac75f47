#pragma once

#include <csignal>
#include <iosfwd>

#include "cli/cli_options.h"

namespace dossier::cli {

// What the batch learns from the process it runs in.
struct BatchEnvironment {
    bool stderrIsTerminal = false;  // progress and where the sheets went are shown there
    // Set by a signal handler to the number of the signal that asks the batch to stop.
    const volatile std::sig_atomic_t* stopSignal = nullptr;
};

// Generates options.count characters and writes them where the options say.
// Returns the exit status: 0 done, 1 output not written, 2 invalid input, 128 + the
// signal's number when a signal stopped it.
int RunBatch(const CliOptions& options, std::ostream& out, std::ostream& err,
             const BatchEnvironment& environment = {});

}  // namespace dossier::cli
