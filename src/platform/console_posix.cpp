#include <signal.h>
#include <unistd.h>

#include "platform/console.h"

namespace dossier {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

void UseStandardStreamsAsWritten() {}

bool StandardErrorIsTerminal() {
    return isatty(STDERR_FILENO) != 0;
}

void OnStopSignals(void (*note)(int signal)) {
    struct sigaction action {};
    action.sa_handler = note;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace dossier
