#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/record/field.h"
#include "frontend/modes.h"
#include "reroll/reroll_targets.h"

namespace dossier::cli {

// The modes dossier-cli offers, in the order its help lists them.
inline std::span<const ModeInfo> CliModes() {
    return std::span(kModes).first(kCliModeCount);
}

// The command-line flag that presets the field, such as --ps for txtPS.
const char* PresetFlag(Field field);

// Folders take one file a sheet, numbered to this many digits so that the files of
// batches of any size sort in order; a folder takes at most this many sheets.
inline constexpr int kSheetNumberDigits = 6;
inline constexpr long long kMostSheetsInAFolder = 999999;

// sheet: the character sheet; json: JSON Lines; pdf: sheets one to a page; roster: the
// session roster as Markdown; roster-pdf: the roster as PDF; dot, mermaid and network-pdf: a
// network's picture for Graphviz, for Mermaid, and with its roster and sheets in a PDF;
// markdown: a note each; foundry: a virtual tabletop actor each; csv: a spreadsheet row each.
enum class Format {
    Sheet,
    Json,
    Pdf,
    Roster,
    RosterPdf,
    Dot,
    Mermaid,
    NetworkPdf,
    Markdown,
    Foundry,
    Csv
};

// Whether the format writes a file a character into a folder it must be given.
inline bool NeedsFolder(Format format) {
    return format == Format::Markdown || format == Format::Foundry;
}

// Whether the format draws a whole network rather than characters one by one.
inline bool DrawsNetwork(Format format) {
    return format == Format::Dot || format == Format::Mermaid || format == Format::NetworkPdf;
}

struct CliOptions {
    const ModeInfo* mode = nullptr;   // none: the loaded characters are rendered as saved
    std::optional<std::string> load;  // a JSON Lines file of saved characters
    long long count = 1;
    std::optional<std::string> output;
    bool outputIsFolder = false;  // decided once the arguments are read: a trailing / or a folder
    Format format = Format::Sheet;
    std::optional<std::uint64_t> seed;
    // Only this character of the seeded batch: the batch is made up to it, and it alone written.
    std::optional<long long> pick;
    // Texts typed into the record before the mode runs, in the order they are typed.
    std::vector<std::pair<Field, std::string>> presets;
    std::optional<std::string> sexAnswer;    // answers the sex prompt
    std::optional<std::string> levelAnswer;  // answers the level prompt
    // Names and codenames: on, from this origin (empty for any); and those the user gave.
    std::optional<std::string> namesOrigin;
    std::optional<std::string> name;
    std::optional<std::string> alias;
    // Profiles: on for every character (names then too), with this role (a place in kRoles)
    // or any.
    bool profile = false;
    std::optional<std::size_t> role;
    // A network of this many members instead of a batch: a count, each of them profiled.
    std::optional<int> network;
    // The network without its secret reports to the other side, for the players.
    bool playersCopy = false;
    // Values of the loaded characters to roll again, each alone.
    std::vector<const RerollTarget*> reroll;
};

struct ParseOutcome {
    std::optional<CliOptions> options;  // nothing when the program should end now
    int exitCode = 0;
};

// Parses and checks the arguments; help, version and usage errors end the program.
ParseOutcome ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                              std::ostream& err);

}  // namespace dossier::cli
