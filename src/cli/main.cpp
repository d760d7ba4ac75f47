#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/cli_options.h"
#include "platform/console.h"

namespace {

// The one thing a signal handler may do: note which signal asked the batch to stop.
volatile std::sig_atomic_t stopSignal = 0;

void NoteStopSignal(int signal) {
    stopSignal = signal;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // The sheet's CR LF and the JSON's LF go out as they are, and the arguments are read as
    // typed, in Unicode.
    dossier::UseStandardStreamsAsWritten();
    const std::vector<std::string> arguments = dossier::Utf8Arguments(argc, argv);
    std::vector<const char*> args;
    for (const std::string& argument : arguments) args.push_back(argument.c_str());
    const dossier::cli::ParseOutcome parsed = dossier::cli::ParseCommandLine(
        static_cast<int>(args.size()), args.data(), std::cout, std::cerr);
    if (!parsed.options) return parsed.exitCode;
    // Interrupting, terminating or hanging up ends the batch between two characters, so the
    // file being written is thrown away whole.
    dossier::OnStopSignals(NoteStopSignal);
    return dossier::cli::RunBatch(*parsed.options, std::cout, std::cerr,
                                  {dossier::StandardErrorIsTerminal(), &stopSignal});
}
