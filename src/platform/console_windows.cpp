#include <fcntl.h>
#include <io.h>
#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <csignal>
#include <cstdio>

#include "platform/console.h"
#include "platform/wide_text.h"

namespace dossier {

std::vector<std::string> Utf8Arguments(int /*argc*/, char** /*argv*/) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int i = 0; i < count; ++i) utf8.push_back(Utf8FromWide(arguments[i]));
    LocalFree(arguments);
    return utf8;
}

void UseStandardStreamsAsWritten() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}

bool StandardErrorIsTerminal() {
    return _isatty(2) != 0;
}

void OnStopSignals(void (*note)(int signal)) {
    std::signal(SIGINT, note);
    std::signal(SIGTERM, note);
}

}  // namespace dossier
