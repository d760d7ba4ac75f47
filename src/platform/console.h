#pragma once

#include <string>
#include <vector>

// What a command-line program needs from the system it runs on.
namespace dossier {

// The arguments as UTF-8. Windows hands the narrow argv over in the ANSI code page, with "?"
// for what it cannot hold, so there they are read from the wide command line instead.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Standard output and error carry the bytes as written (no CR added before LF on Windows),
// and a Windows console shows UTF-8.
void UseStandardStreamsAsWritten();

bool StandardErrorIsTerminal();

// Interrupting, terminating or hanging up calls note with the signal's number. A wait in a
// system call (a write to a pipe with no reader) is interrupted rather than restarted.
void OnStopSignals(void (*note)(int signal));

}  // namespace dossier
