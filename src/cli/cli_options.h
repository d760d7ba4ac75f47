#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "record/field.h"
#include "ui/generation_modes.h"

namespace dossier::cli {

// One generation mode, named after the window button it stands for.
struct ModeInfo {
    const char* name;
    const char* caption;
    Outcome (GenerationModes::*press)();
    bool asksSex;
    bool asksLevel;
};

const std::vector<ModeInfo>& Modes();

enum class Format { Sheet, Json };

struct CliOptions {
    const ModeInfo* mode = nullptr;
    long long count = 1;
    std::optional<std::string> output;
    Format format = Format::Sheet;
    std::optional<std::uint64_t> seed;
    // Texts typed into the record before the mode runs, in the order they are typed.
    std::vector<std::pair<Field, std::string>> presets;
    std::optional<std::string> sexAnswer;    // answers the sex prompt
    std::optional<std::string> levelAnswer;  // answers the level prompt
};

struct ParseOutcome {
    std::optional<CliOptions> options;  // nothing when the program should end now
    int exitCode = 0;
};

// Parses and checks the arguments; help, version and usage errors end the program.
ParseOutcome ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                              std::ostream& err);

}  // namespace dossier::cli
