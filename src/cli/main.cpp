#include <csignal>
#include <cstdio>
#include <iostream>

#include "cli/batch.h"
#include "cli/cli_options.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/utf8_text.h"
#define isatty _isatty
#define STDERR_FILENO 2
#else
#include <unistd.h>
#endif

namespace {

// The one thing a signal handler may do: note which signal asked the batch to stop.
volatile std::sig_atomic_t stopSignal = 0;

void NoteStopSignal(int signal) {
    stopSignal = signal;
}

// Interrupting, terminating or hanging up ends the batch between two characters, so the
// file being written is thrown away whole. Without SA_RESTART a write or open that waits
// (a pipe with no reader) is interrupted too.
void StopBatchOnSignals() {
#ifdef _WIN32
    std::signal(SIGINT, NoteStopSignal);
    std::signal(SIGTERM, NoteStopSignal);
#else
    struct sigaction action {};
    action.sa_handler = NoteStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
#endif
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
#ifdef _WIN32
    // The sheet's CR LF and the JSON's LF go out as they are, never with an extra CR; the
    // console shows the UTF-8 messages; and the arguments are read as typed, in Unicode.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
    const std::vector<std::string> arguments = dossier::Utf8CommandLineArguments();
    std::vector<const char*> utf8Argv;
    for (const std::string& argument : arguments) utf8Argv.push_back(argument.c_str());
    argc = static_cast<int>(utf8Argv.size());
    const char* const* args = utf8Argv.data();
#else
    const char* const* args = argv;
#endif
    const dossier::cli::ParseOutcome parsed =
        dossier::cli::ParseCommandLine(argc, args, std::cout, std::cerr);
    if (!parsed.options) return parsed.exitCode;
    StopBatchOnSignals();
    return dossier::cli::RunBatch(*parsed.options, std::cout, std::cerr,
                                  {isatty(STDERR_FILENO) != 0, &stopSignal});
}
