#include <cstdio>
#include <iostream>

#include "cli/batch.h"
#include "cli/cli_options.h"

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define STDERR_FILENO 2
#else
#include <unistd.h>
#endif

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const dossier::cli::ParseOutcome parsed =
        dossier::cli::ParseCommandLine(argc, argv, std::cout, std::cerr);
    if (!parsed.options) return parsed.exitCode;
    return dossier::cli::RunBatch(*parsed.options, std::cout, std::cerr,
                                  isatty(STDERR_FILENO) != 0);
}
