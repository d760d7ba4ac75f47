// dossier-cli in-process: parsing, presets and what each output holds.
#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "cli/batch.h"
#include "support/test_support.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode;
    std::string out, err;
};

CliRun RunCli(std::vector<std::string> args, bool onTerminal = false) {
    args.insert(args.begin(), "dossier-cli");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    const cli::ParseOutcome parsed =
        cli::ParseCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
    return {
        parsed.options ? cli::RunBatch(*parsed.options, out, err, {onTerminal}) : parsed.exitCode,
        out.str(), err.str()};
}

TEST(CliTest, HelpVersionAndEveryRefusedUsageWithItsMessage) {
    EXPECT_NE(RunCli({"--help"}).out.find("\"Random Generation  By Level\""), std::string::npos);
    EXPECT_EQ(RunCli({"--version"}).out, "dossier-cli 4.1\n");
    const fs::path folder = testing::UniqueTempPath("cli-usage");
    fs::create_directories(folder);
    const std::string bad = (folder / "bad.jsonl").string(), out = (folder / "out.jsonl").string();
    std::ofstream(bad) << "{\"format\":1,\n";
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"--mode", "fast"}, "--mode"},
        {{"--bogus"}, "bogus"},
        {{"--age", "22.0"}, "Invalid Age: Enter an integer from 1 to 100."},
        {{"--level", "05"}, "Invalid Level: Enter an integer from 1 to 20."},
        {{"--sex", "MALE"}, "Invalid Sex: Enter Male (M) or Female (F) "},
        {{"--mode", "sex"}, "--sex"},
        {{"--mode", "level"}, "--level"},
        {{"--count", "3"}, "--output"},
        {{"--mode", "my-traits", "--ch", "abc", "--output", "-"},
         "Charm must be a whole number, such as 75"},
        {{"--seed", "-1", "--output", "-"}, "\"-1\" is not one"},
        {{"--seed", "18446744073709551616", "--output", "-"},
         "\"18446744073709551616\" is not one"},
        {{"--seed", "12x", "--output", "-"}, "\"12x\" is not one"},
        {{"--count", "abc", "--output", "-"}, "\"abc\" is not one"},
        {{"--count", "0", "--output", "-"}, "\"0\" is not one"},
        {{"--count", "2.5", "--output", "-"}, "\"2.5\" is not one"},
        {{"--load", bad, "--format", "json", "--output", out}, "bad.jsonl: line 1: not JSON"},
        {{"--load", folder.string(), "--format", "json", "--output", out}, "is a folder"},
        {{"--load", bad, "--count", "2", "--output", out}, "--count does not go"},
        {{"--format", "roster", "--output", "-"}, "needs --output FILE"},
        {{"--name", "Twenty-one characters", "--output", "-"},
         "Invalid Name: Name takes 1 to 20 characters that the sheet can print, and not only "
         "blanks."},
        {{"--alias", "Grey\tHeron", "--output", "-"}, "Invalid Alias: Alias takes 1 to 20"},
        {{"--names", "Atlantis", "--output", "-"},
         "no names of origin \"Atlantis\"; there are any, American, Danish,"},
        {{"--pick", "0", "--seed", "1", "--output", "-"}, "\"0\" is not one"},
        {{"--pick", "3", "--output", "-"}, "--pick does not go without --seed"},
        {{"--pick", "3", "--seed", "1", "--count", "3", "--output", "-"}, "go with --count"},
        {{"--reroll", "nose", "--output", "-"},
         "--reroll nose: nothing of that name to roll again; there are sex, hair, handedness,"},
        {{"--reroll", "cboHeight", "--output", "-"}, "--reroll does not go without --load"},
        {{"--role", "Spymaster", "--output", "-"},
         "no role \"Spymaster\"; there are Handler, Agent, Cutout, Courier, Safe-House Keeper, "
         "Informant, Mole, Talent Spotter, Watcher, Specialist, Sleeper and Defector\n"},
        {{"--network", "2", "--output", "-"}, "from 3 to 30, such as 8; \"2\" is not one"},
        {{"--network", "31", "--output", "-"}, "\"31\" is not one"},
        {{"--network", "8", "--mode", "sex", "--sex", "m"}, "--network does not go with --mode"},
        {{"--network", "8", "--count", "3", "--output", "-"}, "does not go with --count"},
        {{"--format", "dot"}, "--format dot is for networks: give --network N, or --load"},
        {{"--players-copy", "--output", "-"}, "--players-copy is for networks: give --network N"},
        {{"--network", "8", "--format", "network-pdf", "--output", "-"}, "needs --output FILE"},
        {{"--format", "markdown", "--output", "-"}, "--format markdown needs --output DIR/"},
        {{"--format", "foundry", "--output", out}, "--format foundry needs --output DIR/"}};
    std::vector<std::pair<std::vector<std::string>, std::string>> all(std::begin(rows),
                                                                      std::end(rows));
    // Cyrillic, an emoji, a combining accent, Chinese, DEL, only blanks, nothing.
    for (const char* given : {"Ирина Волкова", "Anna \xF0\x9F\x95\xB5", "Rene\xCC\x81 Roux",
                              "\xE7\x8E\x8B\xE8\x8A\xB3", "Grey\x7FHeron", "   ", ""})
        all.push_back({{"--name", given, "--output", "-"}, "Invalid Name: Name takes 1 to 20"});
    for (const auto& [args, message] : all) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.back();
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(fs::exists(out)) << message;
    }
    fs::remove_all(folder);
}

TEST(CliTest, PresetsAreTypedIntoTheRecord) {
    const CliRun run = RunCli({"--mode",     "my-characteristics",
                               "--sex",      "f",
                               "--race",     "Asian",
                               "--age",      "57",
                               "--height",   "5'10\"",
                               "--military", "Seaman",
                               "--branch",   "Navy",
                               "--level",    "12",
                               "--seed",     "9",
                               "--output",   "-"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* line : {"Sex        Female\"", "Age        57\"", "Level      12\"",
                             "Height     5'10\"\"", "Race       Asian\"", "\"Seaman, Navy\""})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
}

TEST(CliTest, ASeededBatchIsTheSameOnTheStreamAndInItsFiles) {
    const std::string seed = "18446744073709551615";  // the largest there is
    const CliRun a = RunCli({"--count", "12", "--seed", seed, "--output", "-"});
    EXPECT_NE(a.out, RunCli({"--count", "12", "--seed", "78", "--output", "-"}).out);
    const fs::path folder = testing::UniqueTempPath("cli");
    ASSERT_EQ(RunCli({"--count", "12", "--seed", seed, "--output", folder.string() + "/"}).exitCode,
              0);
    std::string joined;
    for (int i = 1; i <= 12; ++i) {
        joined += testing::ReadAll(
            folder / ("char-0000" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".txt"));
    }
    fs::remove_all(folder);
    EXPECT_EQ(joined, a.out);
}

TEST(CliTest, OnATerminalItSaysWhereTheSheetsWent) {
    const std::string npcs = testing::UniqueTempPath("cli-npcs").string() + "/";
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"--count", "20", "--output", npcs}, "dossier-cli: wrote 20 sheets to " + npcs + "\n"},
        {{"--output", npcs + "one.txt"}, "dossier-cli: wrote 1 sheet to " + npcs + "one.txt\n"},
        {{"--output", "-"}, ""}};
    for (const auto& [args, said] : rows) EXPECT_EQ(RunCli(args, true).err, said) << args.back();
    fs::remove_all(npcs);
}

TEST(CliTest, NamesChangeOnlyTheirOwnLinesAndStayWithTheSavedCharacter) {
    const std::vector<std::string> plain =
        testing::Lines(RunCli({"--count", "9", "--seed", "7", "--output", "-"}).out);
    const CliRun named = RunCli({"--count", "9", "--seed", "7", "--names", "--output", "-"});
    const std::vector<std::string> lines = testing::Lines(named.out);
    ASSERT_EQ(lines.size(), plain.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool own = lines[i].starts_with("\"Name  ") || lines[i].starts_with("\"Alias ");
        EXPECT_EQ(lines[i] != plain[i], own) << lines[i];
    }

    const std::string saved = testing::UniqueTempPath("cli-names").string() + ".jsonl";
    RunCli({"--count", "9", "--seed", "7", "--names", "--format", "json", "--output", saved});
    EXPECT_EQ(RunCli({"--load", saved, "--output", "-"}).out, named.out);
    fs::remove(saved);
}

// Names given or asked for with --load take effect with or without --mode; a drawn name
// follows a new sex, from its origin, while a typed one stays.
TEST(CliTest, LoadedCharactersTakeTheNamesOptionsAndANewSexTakesANewName) {
    const std::string women = testing::UniqueTempPath("cli-women").string() + ".jsonl";
    RunCli({"--mode", "sex", "--sex", "f", "--names", "russian", "--count", "3", "--seed", "5",
            "--format", "json", "--output", women});
    const std::string plain = testing::UniqueTempPath("cli-plain").string() + ".jsonl";
    RunCli({"--count", "2", "--seed", "5", "--format", "json", "--output", plain});
    const std::string typed = testing::UniqueTempPath("cli-typed").string() + ".jsonl";
    // A typed name the sheet prints whole is taken, up to its 20 characters.
    const std::string zoe = "Zoë Šuñez-Ødegårdsen";
    RunCli({"--count", "2", "--name", zoe, "--format", "json", "--output", typed});
    const auto names = [](const std::vector<std::string>& args) {
        std::vector<std::string> found;
        for (const std::string& line : testing::Lines(RunCli(args).out)) {
            const auto json = nlohmann::json::parse(line);
            found.push_back(json.value("name", "") + "/" + json.value("origin", ""));
        }
        return found;
    };
    const std::vector<std::string> saved = names({"--load", women, "--format", "json"});
    ASSERT_EQ(saved.size(), 3u);
    // Each row: the options after --load FILE --format json, and what the names must be.
    const std::tuple<std::string, std::vector<std::string>, std::vector<std::string>> rows[] = {
        {women, {"--name", "Anna Berg"}, {"Anna Berg/", "Anna Berg/", "Anna Berg/"}},
        {women, {"--mode", "sex", "--sex", "f"}, saved},
        {women,
         {"--mode", "sex", "--sex", "m", "--name", "Anna Berg"},
         {"Anna Berg/", "Anna Berg/", "Anna Berg/"}},
        {plain, {"--names", "Korean", "--seed", "2"}, {"Korean", "Korean"}},
        {typed, {"--mode", "traits"}, {zoe + "/", zoe + "/"}},
    };
    for (const auto& [file, options, expected] : rows) {
        std::vector<std::string> args = {"--load", file, "--format", "json"};
        args.insert(args.end(), options.begin(), options.end());
        std::vector<std::string> got = names(args);
        if (expected[0] == "Korean")
            for (std::string& name : got) name = name.substr(name.find('/') + 1);
        EXPECT_EQ(got, expected) << options.front();
    }
    const std::vector<std::string> men =
        names({"--load", women, "--format", "json", "--mode", "sex", "--sex", "m"});
    ASSERT_EQ(men.size(), 3u);
    for (const std::string& man : men)
        EXPECT_TRUE(man.ends_with("/Russian") && std::count(saved.begin(), saved.end(), man) == 0)
            << man;
    for (const std::string& file : {women, plain, typed}) fs::remove(file);

    const std::string origins = RunCli({"--list-origins"}).out;
    EXPECT_EQ(testing::Occurrences(origins, " male given names, "), 23);
    // Counts read off the data files by hand.
    for (const char* line :
         {"Norwegian: 50 female and 50 male given names, 100 surnames\n",
          "Polish: 161 female and 229 male given names, 709 female and 709 male surnames\n"})
        EXPECT_NE(origins.find(line), std::string::npos) << line;
}

// The JSON lines of a run, each without the keys given.
std::vector<nlohmann::json> JsonLines(std::vector<std::string> args,
                                      std::initializer_list<const char*> without = {}) {
    args.insert(args.end(), {"--format", "json"});
    std::vector<nlohmann::json> lines;
    for (const std::string& line : testing::Lines(RunCli(args).out)) {
        lines.push_back(nlohmann::json::parse(line));
        for (const char* key : without) lines.back().erase(key);
    }
    return lines;
}

// Profiles come from dice of their own: the same characters and names, and for two bodies of
// the same sex the same profiles.
TEST(CliTest, AProfileAddsItsBlockAndChangesNoOtherRollNorFollowsTheBody) {
    EXPECT_EQ(JsonLines({"--count", "9", "--seed", "7", "--profile"}, {"format", "profile"}),
              JsonLines({"--count", "9", "--seed", "7", "--names"}, {"format"}));
    std::string sheets = RunCli({"--count", "9", "--seed", "7", "--profile", "--output", "-"}).out;
    for (std::size_t at; (at = sheets.find("\r\n\"PROFILE\"")) != std::string::npos;)
        sheets.erase(at, sheets.find("\r\n", sheets.find("\"Cover Status", at)) + 2 - at);
    EXPECT_EQ(sheets, RunCli({"--count", "9", "--seed", "7", "--names", "--output", "-"}).out);

    const auto profiles = [](std::vector<std::string> args) {
        args.insert(args.end(), {"--sex", "f", "--profile", "--count", "6", "--seed", "3"});
        std::vector<nlohmann::json> found;
        for (const nlohmann::json& line : JsonLines(args)) found.push_back(line["profile"]);
        return found;
    };
    EXPECT_EQ(profiles({"--mode", "my-characteristics", "--race", "Asian", "--hair", "Gray",
                        "--age", "71", "--level", "20"}),
              profiles({"--mode", "sex"}));
}

// "Seed 9, number 6" on a note brings the NPC back, name and profile too.
TEST(CliTest, APickIsTheCharacterOfThatNumberInTheSeededBatch) {
    const std::vector<nlohmann::json> batch =
        JsonLines({"--seed", "9", "--count", "6", "--profile"});
    ASSERT_EQ(batch.size(), 6u);
    EXPECT_EQ(JsonLines({"--seed", "9", "--pick", "6", "--profile"}),
              std::vector<nlohmann::json>{batch.back()});
    const std::string sheets = RunCli({"--seed", "9", "--count", "6", "--output", "-"}).out;
    const std::string picked = RunCli({"--seed", "9", "--pick", "6", "--output", "-"}).out;
    EXPECT_TRUE(!picked.empty() && sheets.ends_with(picked) && sheets != picked);
}

TEST(CliTest, ALoadedProfileStaysThroughAModeAndProfilesReachLoadedCharacters) {
    const std::string saved = testing::UniqueTempPath("cli-profiled").string() + ".jsonl";
    RunCli({"--profile", "--count", "4", "--seed", "9", "--format", "json", "--output", saved});
    const auto kept = [](const std::vector<nlohmann::json>& lines) {
        std::vector<nlohmann::json> found;
        for (const nlohmann::json& line : lines) found.push_back({line["name"], line["profile"]});
        return found;
    };
    const std::vector<nlohmann::json> original = kept(JsonLines({"--load", saved}));
    ASSERT_EQ(original.size(), 4u);
    EXPECT_EQ(kept(JsonLines({"--load", saved, "--mode", "traits", "--seed", "1"})), original);
    for (const nlohmann::json& line : JsonLines({"--load", saved, "--profile", "--role", "mole"}))
        EXPECT_NE(line["profile"]["role"], "Mole") << "a loaded profile stays";
    const std::string plain = testing::UniqueTempPath("cli-unprofiled").string() + ".jsonl";
    RunCli({"--count", "2", "--seed", "9", "--format", "json", "--output", plain});
    for (const nlohmann::json& line : JsonLines({"--load", plain, "--profile", "--role", "mole"})) {
        EXPECT_EQ(line["profile"]["role"], "Mole");
        EXPECT_NE(line["profile"]["cover"]["name"], line["name"]);
    }
    // Values rolled again, reproducibly with the seed.
    const std::vector<std::string> reroll = {"--load",   saved,  "--reroll", "cboHeight",
                                             "--reroll", "NAME", "--seed",   "4",
                                             "--output", "-"};
    const std::string again = RunCli(reroll).out;
    EXPECT_EQ(RunCli(reroll).out, again);
    EXPECT_NE(again, RunCli({"--load", saved, "--output", "-"}).out);
    for (const std::string& file : {saved, plain}) fs::remove(file);
}

// A network made once goes from its file into every format with no die rolled; its members
// are the characters of the seeded batch, their roles aside.
TEST(CliTest, ANetworkGoesThroughItsFileIntoEveryFormat) {
    const fs::path folder = testing::UniqueTempPath("cli-network");
    fs::create_directories(folder);
    const std::string saved = (folder / "ring.jsonl").string();
    const std::vector<std::string> made = {"--network", "8", "--seed", "7"};
    const auto with = [](std::vector<std::string> args, std::vector<std::string> more) {
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    ASSERT_EQ(RunCli(with(made, {"--format", "json", "--output", saved})).exitCode, 0);
    const std::vector<nlohmann::json> lines = JsonLines({"--load", saved});
    ASSERT_EQ(lines.size(), 8u);
    const std::vector<nlohmann::json> batch = JsonLines({"--seed", "7", "--count", "8", "--names"});
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(lines[i]["id"], i + 1);
        EXPECT_EQ(lines[i]["profile"]["role"] == "Handler", i == 0);
        EXPECT_EQ(lines[i]["fields"], batch[i]["fields"]) << "a network rolls no body anew";
    }
    EXPECT_EQ(RunCli({"--load", saved, "--format", "json"}).out, testing::ReadAll(saved));
    for (const char* format : {"dot", "mermaid"}) {
        const CliRun drawn = RunCli({"--load", saved, "--format", format});
        EXPECT_EQ(drawn.exitCode, 0);
        EXPECT_EQ(drawn.out, RunCli(with(made, {"--format", format})).out) << format;
        EXPECT_NE(drawn.out.find(lines[7]["name"].get<std::string>()), std::string::npos);
    }
    // The players' copy leaves out the secret report this ring has, and only that.
    std::vector<nlohmann::json> ring = JsonLines(made);
    const std::vector<nlohmann::json> players = JsonLines(with(made, {"--players-copy"}));
    int secrets = 0;
    for (nlohmann::json& line : ring) {
        nlohmann::json& links = line["links"];
        const auto before = links.size();
        links.erase(std::remove_if(links.begin(), links.end(),
                                   [](const nlohmann::json& link) {
                                       return link["kind"] == "reports secretly to";
                                   }),
                    links.end());
        secrets += static_cast<int>(before - links.size());
    }
    EXPECT_EQ(secrets, 1);
    EXPECT_EQ(players, ring);
    // Each member's sheet as a batch's, in a folder.
    ASSERT_EQ(RunCli(with(made, {"--output", (folder / "sheets/").string()})).exitCode, 0);
    const std::string sheets = RunCli({"--load", saved, "--output", "-"}).out;
    EXPECT_TRUE(sheets.ends_with(testing::ReadAll(folder / "sheets" / "char-000008.txt")));
    EXPECT_FALSE(fs::exists(folder / "sheets" / "char-000009.txt"));
    // Characters that are no network are not drawn.
    ASSERT_EQ(
        RunCli({"--seed", "7", "--count", "3", "--format", "json", "--output", saved}).exitCode, 0);
    const CliRun plain = RunCli({"--load", saved, "--format", "mermaid"});
    EXPECT_EQ(plain.exitCode, 2);
    EXPECT_NE(plain.err.find("holds characters, not a network"), std::string::npos) << plain.err;
    fs::remove_all(folder);
}

// Graphviz's own dot draws what dossier-cli writes for it, names with quotes and all.
TEST(CliTest, GraphvizDrawsTheNetwork) {
    if (std::system("command -v dot >/dev/null") != 0)
        GTEST_SKIP() << "Graphviz's dot is not on the PATH (Debian: graphviz)";
    const fs::path folder = testing::UniqueTempPath("cli-dot");
    fs::create_directories(folder);
    for (const char* size : {"3", "30"}) {
        const fs::path dot = folder / "ring.dot", svg = folder / "ring.svg";
        ASSERT_EQ(RunCli({"--network", size, "--seed", "5", "--name", "Jo \"Q\" O'Hara\\",
                          "--format", "dot", "--output", dot.string()})
                      .exitCode,
                  0);
        ASSERT_EQ(std::system(("dot -Tsvg " + dot.string() + " -o " + svg.string()).c_str()), 0);
        const std::string drawn = testing::ReadAll(svg);
        // The members, and the other side where one reports to it.
        const int nodes = testing::Occurrences(drawn, "class=\"node\"");
        EXPECT_TRUE(nodes == std::stoi(size) || nodes == std::stoi(size) + 1) << nodes;
        // The name on a line of its own, the alias on the next.
        EXPECT_NE(drawn.find(">Jo &quot;Q&quot; O&#39;Hara\\</text>"), std::string::npos) << size;
    }
    fs::remove_all(folder);
}

// Saved characters become notes, actors and rows with no die rolled: the same files as the batch
// that made them; names that clash get numbers.
TEST(CliTest, LoadedCharactersBecomeNotesActorsAndRowsAsTheirBatchWould) {
    const fs::path folder = testing::UniqueTempPath("cli-export");
    const std::string saved = (folder / "party.jsonl").string();
    const std::vector<std::string> made = {"--seed",    "5",      "--count", "3",
                                           "--profile", "--name", "Ann Lee"};
    const auto with = [](std::vector<std::string> args, std::vector<std::string> more) {
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    fs::create_directories(folder);
    ASSERT_EQ(RunCli(with(made, {"--format", "json", "--output", saved})).exitCode, 0);
    for (const auto& [format, extension] : {std::pair{"markdown", ".md"}, {"foundry", ".json"}}) {
        const fs::path generated = folder / (std::string(format) + "-made");
        const fs::path loaded = folder / (std::string(format) + "-loaded");
        ASSERT_EQ(
            RunCli(with(made, {"--format", format, "--output", generated.string() + "/"})).exitCode,
            0);
        ASSERT_EQ(RunCli({"--load", saved, "--format", format, "--output", loaded.string() + "/"})
                      .exitCode,
                  0);
        for (const char* stem : {"Ann Lee", "Ann Lee 2", "Ann Lee 3"}) {
            const std::string file = stem + std::string(extension);
            EXPECT_FALSE(testing::ReadAll(generated / file).empty()) << file;
            EXPECT_EQ(testing::ReadAll(loaded / file), testing::ReadAll(generated / file)) << file;
        }
    }
    EXPECT_EQ(RunCli({"--load", saved, "--format", "csv"}).out,
              RunCli(with(made, {"--format", "csv"})).out);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace dossier
