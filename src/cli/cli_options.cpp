#include "cli/cli_options.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <filesystem>
#include <ostream>
#include <sstream>

#include "core/saved/network.h"
#include "core/sheet/character_profile.h"
#include "frontend/field_checks.h"
#include "naming/name_drawer.h"
#include "platform/utf8_text.h"
#include "profile/profile_tables.h"

namespace dossier::cli {

namespace {

struct PresetOption {
    const char* flag;
    Field field;
    const char* help;
};

constexpr PresetOption kPresets[] = {
    {"--sex", Field::cboSex, "Gender: M, m, Male, male, F, f, Female or female"},
    {"--race", Field::cboRace, "Race"},
    {"--hair", Field::cboHair, "Hair Color"},
    {"--handedness", Field::cboHandedness, "Handedness"},
    {"--age", Field::txtAge, "Age, a whole number from 1 to 100"},
    {"--height", Field::cboHeight, "Height, such as 5'10"},
    {"--weight", Field::cboWeight, "Weight in pounds"},
    {"--military", Field::cboMilitary, "Military Service (rank)"},
    {"--branch", Field::cboBranch, "Military Branch"},
    {"--glasses", Field::cboGlasses, "Glasses"},
    {"--level", Field::txtLevel, "Level, a whole number from 1 to 20"},
    {"--ps", Field::txtPS, "Physical Strength"},
    {"--ch", Field::txtCH, "Charm"},
    {"--wp", Field::txtWP, "Willpower"},
    {"--co", Field::txtCO, "Courage"},
    {"--k", Field::txtK, "Knowledge"},
    {"--cd", Field::txtCD, "Coordination"}};

}  // namespace

const char* PresetFlag(Field field) {
    for (const PresetOption& preset : kPresets) {
        if (preset.field == field) return preset.flag;
    }
    return "";
}

namespace {

std::string ModeHelp() {
    std::ostringstream text;
    text << "Generation mode, one of the window's buttons:";
    for (const ModeInfo& mode : CliModes()) {
        text << "\n  " << mode.cliWord << std::string(20 - mode.cliWord.size(), ' ') << '"'
             << mode.caption << '"';
    }
    return text.str();
}

// The number the text spells in plain digits, when it is at most largest.
std::optional<long long> WholeNumber(const std::string& text, unsigned long long largest) {
    unsigned long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value > largest) return {};
    return static_cast<long long>(value);
}

// One rule for every count: a path ending in / or naming a folder is a folder of sheets;
// several sheets never go into one file, nor into a folder nobody asked for.
int DecideOutput(CliOptions& options, std::ostream& err) {
    const bool document = options.format == Format::Pdf || options.format == Format::Roster ||
                          options.format == Format::RosterPdf ||
                          options.format == Format::NetworkPdf;
    if (document) {
        std::error_code ignored;
        if (!options.output || *options.output == "-" || options.output->ends_with('/') ||
            std::filesystem::is_directory(PathFromUtf8(*options.output), ignored)) {
            err << "dossier-cli: --format "
                << (options.format == Format::Pdf          ? "pdf"
                    : options.format == Format::Roster     ? "roster"
                    : options.format == Format::NetworkPdf ? "network-pdf"
                                                           : "roster-pdf")
                << " needs --output FILE, the file to write\n";
            return 2;
        }
#ifndef DOSSIER_HAS_PDF
        if (options.format != Format::Roster) {
            err << "dossier-cli: this dossier-cli was built without PDF output\n";
            return 2;
        }
#endif
        return 0;
    }
    if (NeedsFolder(options.format)) {
        const std::string& path = options.output.value_or("");
        const auto separator = static_cast<char>(std::filesystem::path::preferred_separator);
        std::error_code ignored;
        options.outputIsFolder = !path.empty() && path != "-" &&
                                 (path.ends_with('/') || path.ends_with(separator) ||
                                  std::filesystem::is_directory(PathFromUtf8(path), ignored));
        if (!options.outputIsFolder) {
            err << "dossier-cli: --format "
                << (options.format == Format::Markdown ? "markdown" : "foundry")
                << " needs --output DIR/, the folder for its files, one a character\n";
            return 2;
        }
        return 0;
    }
    if (options.output == "-") return 0;
    if (!options.output) {
        if ((options.count > 1 || options.load || options.network) &&
            options.format == Format::Sheet) {
            err << "dossier-cli: several sheets need --output DIR/ (one file each) or --output - "
                   "(standard output)\n";
            return 2;
        }
        return 0;
    }
    const std::string& path = *options.output;
    std::error_code ignored;
    // Windows takes its own separator as well as /.
    const auto separator = static_cast<char>(std::filesystem::path::preferred_separator);
    options.outputIsFolder = path.ends_with('/') || path.ends_with(separator) ||
                             std::filesystem::is_directory(PathFromUtf8(path), ignored);
    if (options.format == Format::Json || options.format == Format::Csv ||
        DrawsNetwork(options.format) || options.outputIsFolder) {
        if (options.outputIsFolder && options.format == Format::Sheet &&
            options.count > kMostSheetsInAFolder) {
            err << "dossier-cli: a folder takes at most " << kMostSheetsInAFolder
                << " sheets; write larger batches to standard output with --output -\n";
            return 2;
        }
        return 0;
    }
    if (options.count > 1 || (options.load && options.format == Format::Sheet)) {
        err << "dossier-cli: --output " << path << ": "
            << (options.load ? "loaded" : std::to_string(options.count))
            << " sheets need a folder, one file each; to make one, end the path with /: "
               "--output "
            << path << "/\n";
        return 2;
    }
    return 0;
}

// "Handler, Agent, ... and Defector".
std::string Listed(std::span<const std::string_view> words) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i)
        text += (i == 0 ? "" : i + 1 == words.size() ? " and " : ", ") + std::string(words[i]);
    return text;
}

// "American, Danish, ... and Swiss".
std::string OriginsListed() {
    std::vector<std::string_view> origins;
    for (const OriginNames& names : NameOrigins()) origins.push_back(names.origin);
    return Listed(origins);
}

std::string OriginList() {
    std::ostringstream text;
    for (const OriginNames& names : NameOrigins()) {
        text << names.origin << ": " << names.female.size() << " female and " << names.male.size()
             << " male given names, ";
        if (names.femaleSurnames.empty()) {
            text << names.surnames.size() << " surnames\n";
        } else {
            text << names.femaleSurnames.size() + names.surnames.size() << " female and "
                 << names.maleSurnames.size() + names.surnames.size() << " male surnames\n";
        }
    }
    return text.str();
}

// A usage error with the window's own message for the value.
int Reject(std::ostream& err, const std::string& title, const std::string& message) {
    err << "dossier-cli: " << title << ": " << message << '\n';
    return 2;
}

}  // namespace

ParseOutcome ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                              std::ostream& err) {
    CLI::App app{
        "Generates non-player characters and their character sheets, as the Dossier "
        "window does.",
        "dossier-cli"};
    app.set_version_flag("--version", "dossier-cli " + std::to_string(DOSSIER_VERSION_MAJOR) + "." +
                                          std::to_string(DOSSIER_VERSION_MINOR));
    app.footer(
        "Presets are typed into the character before the mode runs, as a user types into the\n"
        "window; the mode keeps or replaces them as its button would, and a line on stderr\n"
        "names those it rolls afresh. The sex and level modes take their prompts' answers\n"
        "from --sex and --level.\n\n"
        "Exit status: 0 done, 1 output could not be written, 2 invalid usage or input,\n"
        "128 + the signal's number when interrupted (the file being written is thrown away).");

    std::string modeName = "quick";
    std::string formatName = "sheet";
    CliOptions options;
    std::map<std::string, std::string> modeChoices;
    for (const ModeInfo& mode : CliModes()) modeChoices.emplace(mode.cliWord, mode.cliWord);

    CLI::Option* modeOption = app.add_option("--mode", modeName, ModeHelp())
                                  ->check(CLI::IsMember(modeChoices))
                                  ->default_str("quick");
    std::string countText = "1";
    CLI::Option* countOption =
        app.add_option("--count", countText, "How many characters to generate, 1 to 100000000")
            ->type_name("N")
            ->default_str("1");
    app.add_option(
        "--output", options.output,
        "Sheet file; a folder (an existing one, or any path ending in /) for one file a "
        "sheet, DIR/char-000001.txt and on; or - for standard output. Default: the sheet "
        "file in the home folder");
    app.add_option("--format", formatName,
                   "sheet: the character sheet; json: JSON Lines, one character a line; pdf: "
                   "sheets one to a page; roster: the roster as Markdown; roster-pdf: the roster "
                   "as PDF. pdf, roster and roster-pdf need --output FILE. markdown: a note "
                   "each with YAML front matter; foundry: a Foundry VTT actor each (Simple "
                   "Worldbuilding); both need --output DIR/. csv: a spreadsheet row each, UTF-8. "
                   "A network's only: dot (Graphviz), mermaid, network-pdf (its picture, roster "
                   "and sheets; needs --output FILE)")
        ->check(CLI::IsMember({"sheet", "json", "pdf", "roster", "roster-pdf", "dot", "mermaid",
                               "network-pdf", "markdown", "foundry", "csv"}))
        ->default_str("sheet");
    std::optional<std::string> load;
    app.add_option("--load", load,
                   "The characters of a JSON Lines file (--format json or the window's Save "
                   "Character). Without --mode they are rendered as saved, no die rolled; with "
                   "--mode each one's fields are typed in as presets and the mode runs on it");
    std::vector<std::string> rerollWords;
    app.add_option("--reroll", rerollWords,
                   "With --load: roll WHAT again on every character, alone, and what the rules "
                   "derive from it; WHAT is a control's name (cboHeight, txtPS) or a word: "
                   "sex, hair, height, ps, level, name, alias, role, motive, cover, languages... "
                   "(an unknown one is refused with the list)")
        ->type_name("WHAT");
    std::optional<std::string> pickText;
    app.add_option("--pick", pickText,
                   "Only the I-th character of the batch --seed gives, as --count I would give it "
                   "last: a character to find again by its seed and number")
        ->type_name("I");
    std::optional<std::string> seedText;
    app.add_option("--seed", seedText,
                   "Roll reproducibly, a whole number from 0 to 18446744073709551615: same seed "
                   "and arguments, same output")
        ->type_name("SEED");

    std::vector<std::optional<std::string>> presetValues(std::size(kPresets));
    for (std::size_t i = 0; i < std::size(kPresets); ++i) {
        app.add_option(kPresets[i].flag, presetValues[i], kPresets[i].help)->group("Presets");
    }

    std::string namesOrigin;
    CLI::Option* namesOption =
        app.add_option("--names", namesOrigin,
                       "Give every character a name that suits ORIGIN (any of them when left "
                       "out; --list-origins names them) and a codename; with --seed, the same "
                       "ones, and no other roll changes")
            ->expected(0, 1)
            ->type_name("[ORIGIN]")
            ->group("Names");
    app.add_option("--name", options.name, "This name for every character; the rest is drawn")
        ->group("Names");
    app.add_option("--alias", options.alias, "This codename for every character")->group("Names");
    bool listOrigins = false;
    app.add_flag("--list-origins", listOrigins, "The origins of names, with how many each has")
        ->group("Names");

    app.add_flag("--profile", options.profile,
                 "Give every character a profile (role, motive, leverage, loyalty, mannerism "
                 "and cover) and with it a name as --names does; with --seed, the same "
                 "characters and names as without it")
        ->group("Profile");
    std::optional<std::string> roleName;
    app.add_option("--role", roleName,
                   "This role for every profile (--list-roles names them); implies --profile")
        ->type_name("ROLE")
        ->group("Profile");
    bool listRoles = false;
    app.add_flag("--list-roles", listRoles, "The roles a profile can have")->group("Profile");

    std::optional<std::string> networkText;
    app.add_option("--network", networkText,
                   "A network of N members, 3 to 30, made in the quick mode: each with a name "
                   "(from --names ORIGIN), a profile and links, one handler running the rest; "
                   "with --role, at least one member has that role")
        ->type_name("N")
        ->group("Network");
    app.add_flag("--players-copy", options.playersCopy,
                 "The network without the secret report to the other side, which only the game "
                 "master's copy shows: for handouts")
        ->group("Network");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return {std::nullopt, 0};
    } catch (const CLI::CallForVersion&) {
        out << app.version() << '\n';
        return {std::nullopt, 0};
    } catch (const CLI::ParseError& error) {
        err << "dossier-cli: " << error.what() << "\nRun with --help for more information.\n";
        return {std::nullopt, 2};
    }

    if (listOrigins) {
        out << OriginList();
        return {std::nullopt, 0};
    }
    if (listRoles) {
        for (const std::string_view role : kRoles) out << role << '\n';
        return {std::nullopt, 0};
    }
    if (roleName) {
        options.role = FindRole(*roleName);
        if (!options.role) {
            err << "dossier-cli: no role \"" << *roleName << "\"; there are " << Listed(kRoles)
                << '\n';
            return {std::nullopt, 2};
        }
        options.profile = true;
    }
    // A network's members are profiled.
    if (networkText) options.profile = true;
    // A name or alias given turns names on, and so does a profile; the rest is drawn from any
    // origin.
    if (namesOption->count() > 0 || options.name || options.alias || options.profile) {
        if (namesOrigin.empty()) {
            options.namesOrigin = "";
        } else if (const auto origin = FindOrigin(namesOrigin)) {
            options.namesOrigin = std::string(*origin);
        } else {
            err << "dossier-cli: no names of origin \"" << namesOrigin << "\"; there are any, "
                << OriginsListed() << '\n';
            return {std::nullopt, 2};
        }
    }
    for (const auto& [flag, title, text] : {std::tuple{"--name", "Name", &options.name},
                                            std::tuple{"--alias", "Alias", &options.alias}}) {
        if (!*text) continue;
        if (const std::optional<UserMessage> refused = CheckNameText(title, **text))
            return {std::nullopt, Reject(err, refused->title, refused->text)};
    }

    for (const std::string& word : rerollWords) {
        const RerollTarget* target = FindRerollTarget(word);
        if (target == nullptr) {
            std::vector<std::string_view> words;
            for (const RerollTarget& known : RerollTargets()) words.push_back(known.word);
            err << "dossier-cli: --reroll " << word << ": nothing of that name to roll again; "
                << "there are " << Listed(words) << ", or a control's name such as cboHeight\n";
            return {std::nullopt, 2};
        }
        options.reroll.push_back(target);
    }
    if (!options.reroll.empty()) {
        const char* without = !load                     ? "without --load: it rolls values of "
                                                          "saved characters again"
                              : modeOption->count() > 0 ? "with --mode, which rolls them all"
                              : options.namesOrigin     ? "with the names' and profiles' options"
                                                        : nullptr;
        if (without != nullptr) {
            err << "dossier-cli: --reroll does not go " << without << '\n';
            return {std::nullopt, 2};
        }
    }
    options.load = load;
    if (!load || modeOption->count() > 0) {
        for (const ModeInfo& mode : CliModes()) {
            if (modeName == mode.cliWord) options.mode = &mode;
        }
    }
    const std::pair<const char*, Format> formats[] = {{"sheet", Format::Sheet},
                                                      {"json", Format::Json},
                                                      {"pdf", Format::Pdf},
                                                      {"roster", Format::Roster},
                                                      {"roster-pdf", Format::RosterPdf},
                                                      {"dot", Format::Dot},
                                                      {"mermaid", Format::Mermaid},
                                                      {"network-pdf", Format::NetworkPdf},
                                                      {"markdown", Format::Markdown},
                                                      {"foundry", Format::Foundry},
                                                      {"csv", Format::Csv}};
    for (const auto& [name, format] : formats)
        if (formatName == name) options.format = format;
    if (networkText) {
        const std::optional<long long> size = WholeNumber(*networkText, kLargestNetwork);
        if (!size || *size < kSmallestNetwork) {
            err << "dossier-cli: --network wants a number of members from " << kSmallestNetwork
                << " to " << kLargestNetwork << ", such as 8; \"" << *networkText
                << "\" is not one\n";
            return {std::nullopt, 2};
        }
        const char* without = modeOption->count() > 0 && modeName != "quick"
                                  ? "with --mode: its members are made in the quick mode"
                              : load ? "with --load: load the network's file alone"
                              : countOption->count() > 0 ? "with --count: N is the count"
                              : pickText                 ? "with --pick"
                                                         : nullptr;
        if (without != nullptr) {
            err << "dossier-cli: --network does not go " << without << '\n';
            return {std::nullopt, 2};
        }
        options.network = static_cast<int>(*size);
        countText = *networkText;
    } else if ((DrawsNetwork(options.format) || options.playersCopy) && !load) {
        err << "dossier-cli: "
            << (options.playersCopy ? "--players-copy" : "--format " + formatName)
            << " is for networks: give --network N, or --load a network's file\n";
        return {std::nullopt, 2};
    }
    if (load && countOption->count() > 0) {
        err << "dossier-cli: --count does not go with --load: the file says how many\n";
        return {std::nullopt, 2};
    }
    if (const std::optional<long long> count = WholeNumber(countText, 100000000ULL);
        count && *count >= 1) {
        options.count = *count;
    } else {
        err << "dossier-cli: --count wants a whole number of characters from 1 to 100000000, "
               "such as 20; \""
            << countText << "\" is not one\n";
        return {std::nullopt, 2};
    }
    if (pickText) {
        const std::optional<long long> pick = WholeNumber(*pickText, 100000000ULL);
        if (!pick || *pick < 1) {
            err << "dossier-cli: --pick wants the number of a character from 1 to 100000000, "
                   "such as 50; \""
                << *pickText << "\" is not one\n";
            return {std::nullopt, 2};
        }
        const char* without = !seedText ? "without --seed: only a seed makes the same batch again"
                              : load    ? "with --load: the file's characters are all there is"
                              : countOption->count() > 0 ? "with --count: it makes one character"
                                                         : nullptr;
        if (without != nullptr) {
            err << "dossier-cli: --pick does not go " << without << '\n';
            return {std::nullopt, 2};
        }
        options.pick = *pick;
    }
    if (seedText) {
        std::uint64_t seed = 0;
        const char* end = seedText->data() + seedText->size();
        const auto [stop, error] = std::from_chars(seedText->data(), end, seed);
        if (seedText->empty() || error != std::errc() || stop != end) {
            err << "dossier-cli: --seed wants a whole number from 0 to 18446744073709551615; \""
                << *seedText << "\" is not one\n";
            return {std::nullopt, 2};
        }
        options.seed = seed;
    }

    for (std::size_t i = 0; i < std::size(kPresets); ++i) {
        if (!presetValues[i]) continue;
        const Field field = kPresets[i].field;
        std::string value = *presetValues[i];
        if (field == Field::cboSex) {
            const std::optional<std::string> sex = SexFromAnswer(value);
            if (!sex) return {std::nullopt, Reject(err, kSexTitle, kSexMessage)};
            if (options.mode != nullptr && options.mode->asksSex) {
                options.sexAnswer = value;
                continue;
            }
            value = *sex;
        }
        if (field == Field::txtLevel) {
            if (!IsValidLevel(value))
                return {std::nullopt, Reject(err, kLevelTitle, kLevelMessage)};
            if (options.mode != nullptr && options.mode->asksLevel) {
                options.levelAnswer = value;
                continue;
            }
        }
        if (field == Field::txtAge && !IsValidAge(value)) {
            return {std::nullopt, Reject(err, kAgeTitle, kAgeMessage)};
        }
        options.presets.emplace_back(field, std::move(value));
    }
    if (options.mode == nullptr && !options.presets.empty()) {
        err << "dossier-cli: presets go with a mode: give --mode to generate the loaded characters "
               "again with them\n";
        return {std::nullopt, 2};
    }
    if (options.mode != nullptr && options.mode->asksSex && !options.sexAnswer) {
        err << "dossier-cli: mode " << options.mode->cliWord
            << " asks for the sex: give --sex M or --sex F\n";
        return {std::nullopt, 2};
    }
    if (options.mode != nullptr && options.mode->asksLevel && !options.levelAnswer) {
        err << "dossier-cli: mode " << options.mode->cliWord
            << " asks for the level: give --level with a whole number from 1 to 20\n";
        return {std::nullopt, 2};
    }
    if (const int status = DecideOutput(options, err); status != 0) return {std::nullopt, status};
    return {std::move(options), 0};
}

}  // namespace dossier::cli
