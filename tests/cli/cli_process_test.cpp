// dossier-cli as a user runs it: its own process, real paths, real signals.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "support/child_process.h"
#include "support/test_support.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;
using testing::ChildProcess;
using testing::Occurrences;
using testing::PdfPages;
using testing::PdfPageText;
using testing::ReadAll;

int HiddenFiles(const fs::path& folder) {
    int hidden = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        hidden += entry.path().filename().string().starts_with(".");
    return hidden;
}

class CliProcessTest : public ::testing::Test {
  protected:
    void SetUp() override { fs::remove_all(folder), fs::create_directories(folder); }
    void TearDown() override {
        umount((folder / "disk").c_str());
        fs::remove_all(folder);
    }
    ChildProcess::Exit Run(std::vector<std::string> args, std::string stdoutPath = {}) {
        args.insert(args.begin(), DOSSIER_CLI_PATH);
        return ChildProcess::Run(args, folder.string() + "-run", std::move(stdoutPath));
    }
    fs::path folder = testing::UniqueTempPath("cli-process");
};

TEST_F(CliProcessTest, RunsStartedTogetherRollTheirOwnCharacters) {
    std::set<std::string> sheets;
    for (int i = 0; i < 4; ++i) sheets.insert(Run({"--output", "-"}).out);
    EXPECT_EQ(sheets.size(), 4U);
    EXPECT_EQ(Run({"--seed", "5", "--output", "-"}).out, Run({"--seed", "5", "--output", "-"}).out);
}

TEST_F(CliProcessTest, ThePathNamedKeepsBeingWhatItIs) {
    fs::create_directories(folder / "notes");
    fs::create_symlink("notes/npc.txt", folder / "char.txt");
    ASSERT_EQ(Run({"--output", (folder / "char.txt").string()}).code, 0);
    ASSERT_EQ(Run({"--output", (folder / "char.txt").string()}).code, 0) << "a second time";
    EXPECT_TRUE(fs::is_symlink(folder / "char.txt"));
    EXPECT_TRUE(ReadAll(folder / "notes" / "npc.txt").starts_with("\"")) << "the link's target";

    // A replaced sheet keeps its permissions: a private one stays private, a shared one shared.
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0644)}) {
        const fs::path kept = folder / "kept.txt";
        std::ofstream(kept) << "old";
        fs::permissions(kept, mode);
        ASSERT_EQ(Run({"--output", kept.string()}).code, 0);
        EXPECT_EQ(fs::status(kept).permissions(), mode);
    }

    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::string fromPipe;
    std::thread reader([&] { fromPipe = ReadAll(pipe); });
    const ChildProcess::Exit throughPipe = Run({"--output", pipe.string()});
    reader.join();
    EXPECT_EQ(throughPipe.code, 0) << throughPipe.err;
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(fromPipe.ends_with("\r\n")) << "the reader got the whole sheet";

    const std::string cli = DOSSIER_CLI_PATH;  // /dev/stdout on a pipe names no path
    const ChildProcess::Exit toStdout = ChildProcess::Run(
        {"/bin/sh", "-c", cli + " --seed 5 --output /dev/stdout | cat"}, folder.string() + "-sh");
    EXPECT_EQ(toStdout.out, Run({"--seed", "5", "--output", "-"}).out) << toStdout.err;
    EXPECT_EQ(Run({"--output", "/dev/null"}).code, 0);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(HiddenFiles(folder), 0);
}

TEST_F(CliProcessTest, AFullDeviceGivesTheSystemsReason) {
    for (const auto& [args, stdoutPath] :
         {std::pair<std::vector<std::string>, std::string>{{"--output", "/dev/full"}, ""},
          {{"--output", "-"}, "/dev/full"},
          {{"--format", "json"}, "/dev/full"}}) {
        const ChildProcess::Exit exit = Run(args, stdoutPath);
        EXPECT_EQ(exit.code, 1) << args[1];
        EXPECT_NE(exit.err.find("No space left on device"), std::string::npos) << exit.err;
        EXPECT_TRUE(fs::is_character_file("/dev/full"));
    }
}

// Waits until the batch has written some sheets, so a signal lands in the middle of it.
void WaitForSheets(const fs::path& folder) {
    for (int i = 0; i < 500 && std::distance(fs::directory_iterator(folder), {}) < 20; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

TEST_F(CliProcessTest, ASignalStopsTheBatchAndLeavesNothingHalfWritten) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
        const fs::path npcs = folder / ("npcs-" + std::to_string(signal));
        fs::create_directories(npcs);
        ChildProcess batch({DOSSIER_CLI_PATH, "--count", "999999", "--output", npcs.string()},
                           folder.string() + "-batch");
        WaitForSheets(npcs);
        batch.Signal(signal);
        const ChildProcess::Exit exit = batch.Wait();
        EXPECT_EQ(HiddenFiles(npcs), 0) << strsignal(signal);
        if (signal == SIGKILL) continue;
        EXPECT_EQ(exit.code, 128 + signal) << strsignal(signal);
        const std::string written =
            std::to_string(std::distance(fs::directory_iterator(npcs), {})) +
            " of 999999 sheets written to " + npcs.string();
        EXPECT_NE(exit.err.find(written), std::string::npos) << exit.err;
    }
}

TEST_F(CliProcessTest, TemporaryFilesOfAGoneWriterAreRemovedByTheNextRun) {
    const pid_t gone = fork();
    if (gone == 0) _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string live = std::to_string(getpid());
    for (const std::string& name :
         std::vector<std::string>{".char-1.txt." + std::to_string(gone) + ".0.0.tmp",
                                  ".char-1.txt." + live + ".3.0.tmp", std::string(".notes.tmp")})
        std::ofstream(folder / name) << "partial";
    ASSERT_EQ(Run({"--count", "2", "--output", folder.string()}).code, 0);
    EXPECT_FALSE(fs::exists(folder / (".char-1.txt." + std::to_string(gone) + ".0.0.tmp")));
    EXPECT_TRUE(fs::exists(folder / (".char-1.txt." + live + ".3.0.tmp"))) << "its writer runs";
    EXPECT_TRUE(fs::exists(folder / ".notes.tmp")) << "not one of ours";
}

TEST_F(CliProcessTest, AFullDiskInTheMiddleOfABatchSaysHowManySheetsWereWritten) {
    const fs::path disk = folder / "disk";
    fs::create_directories(disk);
    if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small disk here (needs root): " << std::strerror(errno);
    const ChildProcess::Exit exit = Run({"--count", "500", "--output", disk.string()});
    EXPECT_EQ(exit.code, 1);
    const std::string written = "(" +
                                std::to_string(std::distance(fs::directory_iterator(disk), {})) +
                                " of 500 sheets written to " + disk.string() + ")";
    EXPECT_NE(exit.err.find("No space left on device " + written), std::string::npos) << exit.err;
}

TEST_F(CliProcessTest, SaysOnceWhichPresetsTheModeRollsAfresh) {
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"--sex", "f", "--race", "Black", "--age", "60", "--count", "3"},
         "dossier-cli: mode quick rolls --sex, --race and --age afresh; --mode my-characteristics, "
         "--mode my-traits and --mode traits keep them\n"},
        // Only modes the arguments answer: no --mode sex-level without a --level.
        {{"--sex", "f"},
         "dossier-cli: mode quick rolls --sex afresh; --mode sex, --mode my-characteristics, "
         "--mode my-traits and --mode traits keep it\n"},
        {{"--mode", "my-characteristics", "--ps", "40"},
         "dossier-cli: mode my-characteristics rolls --ps afresh; --mode my-traits keeps it\n"},
        {{"--mode", "sex", "--sex", "m", "--level", "7"},
         "dossier-cli: mode sex rolls --level afresh; --mode sex-level, --mode my-characteristics, "
         "--mode my-traits and --mode traits keep it\n"},
        {{"--mode", "my-characteristics", "--sex", "f", "--age", "30", "--level", "7"}, ""},
        {{"--mode", "sex-level", "--sex", "f", "--level", "3"}, ""}};
    for (const auto& [args, report] : rows) {
        std::vector<std::string> withOutput = args;
        withOutput.insert(withOutput.end(), {"--output", "-"});
        const ChildProcess::Exit exit = Run(withOutput);
        EXPECT_EQ(exit.code, 0) << exit.err;
        EXPECT_EQ(exit.err, report);
        // Every mode the advice names keeps the presets when run as advised.
        for (std::size_t at = report.find("--mode "); at != std::string::npos;
             at = report.find("--mode ", at + 1)) {
            const std::string word =
                report.substr(at + 7, report.find_first_of(" ,", at + 7) - at - 7);
            std::vector<std::string> advised = withOutput;
            const auto given = std::find(advised.begin(), advised.end(), "--mode");
            if (given != advised.end()) *(given + 1) = word;
            if (given == advised.end()) advised.insert(advised.end(), {"--mode", word});
            const ChildProcess::Exit run = Run(advised);
            EXPECT_EQ(run.code, 0) << word;
            EXPECT_EQ(run.err, "") << word;
        }
    }
}

TEST_F(CliProcessTest, OutputPathsFollowOneRuleForEveryCount) {
    const std::string folderPath = folder.string();
    const std::tuple<std::vector<std::string>, int, std::vector<std::string>> rows[] = {
        {{"--output", folderPath + "/new/"}, 0, {"new/char-000001.txt"}},
        {{"--output", folderPath + "/new"}, 0, {"new/char-000001.txt"}},  // now a folder
        {{"--count", "12", "--output", folderPath + "/new"}, 0, {"new/char-000012.txt"}},
        {{"--count", "2", "--output", folderPath + "/party.txt"}, 2, {}},
        {{"--count", "2", "--format", "json", "--output", folderPath + "/party/"},
         0,
         {"party/characters.jsonl"}},
        {{"--count", "1000000", "--output", folderPath + "/huge/"}, 2, {}}};
    for (const auto& [args, code, files] : rows) {
        const ChildProcess::Exit exit = Run(args);
        EXPECT_EQ(exit.code, code) << args.back() << ": " << exit.err;
        EXPECT_EQ(exit.err.empty(), code == 0) << "silent when not on a terminal: " << exit.err;
        for (const std::string& file : files) EXPECT_TRUE(fs::exists(folder / file)) << file;
    }
    EXPECT_FALSE(fs::exists(folder / "party.txt"));
    EXPECT_FALSE(fs::exists(folder / "huge"));
    EXPECT_NE(Run({"--count", "2", "--output", folderPath + "/party.txt"})
                  .err.find("--output " + folderPath + "/party.txt/"),
              std::string::npos)
        << "the hint shows the command that works";
    // On a terminal (script(1) gives the run one) it says where the sheets went.
    const std::string tty = folderPath + "/tty/";
    const ChildProcess::Exit onTerminal = ChildProcess::Run(
        {"/usr/bin/script", "-qec", DOSSIER_CLI_PATH " --count 2 --output " + tty, "/dev/null"},
        folderPath + "-script");
    EXPECT_NE(onTerminal.out.find("wrote 2 sheets to " + tty), std::string::npos) << onTerminal.out;
}

TEST_F(CliProcessTest, APartySavedAsJsonComesBackAsTheSameSheetsAndAsDocuments) {
    const std::string party = (folder / "party.jsonl").string();
    ASSERT_EQ(Run({"--format", "json", "--count", "50", "--seed", "1", "--output", party}).code, 0);
    const ChildProcess::Exit sheets = Run({"--load", party, "--output", "-"});
    EXPECT_EQ(sheets.out, Run({"--count", "50", "--seed", "1", "--output", "-"}).out)
        << "the same 50 sheets, byte for byte, no die rolled";
    const ChildProcess::Exit again = Run({"--load", party, "--output", "-", "--format", "json"});
    EXPECT_EQ(again.out, ReadAll(party));

    // Each format its own document: the roster's NPCs seven to a page, the sheets one a page.
    const std::tuple<const char*, const char*, int, const char*> documents[] = {
        {"roster-pdf", "roster.pdf", 8, "\n50. "},
        {"pdf", "sheets.pdf", 50, "PRIMARY TRAITS"},
        {"roster", "roster.md", 0, "## 50. "}};
    const std::optional<std::string> noPoppler = testing::WhyNoPoppler();
    for (const auto& [format, name, pages, onLastPage] : documents) {
        const fs::path file = folder / name;
        const ChildProcess::Exit exit =
            Run({"--load", party, "--format", format, "--output", file.string()});
        EXPECT_EQ(exit.code, 0) << exit.err;
        EXPECT_EQ(exit.err, "") << "Qt's start-up notes stay off the command line";
        if (pages > 0 && noPoppler) continue;
        EXPECT_EQ(PdfPages(file), pages) << format;
        const std::string last = pages == 0 ? ReadAll(file) : "\n" + PdfPageText(file, pages);
        EXPECT_NE(last.find(onLastPage), std::string::npos) << format;
    }
    // With a mode, each saved character is typed in and the mode runs on it.
    const ChildProcess::Exit rerolled =
        Run({"--load", party, "--mode", "my-characteristics", "--output", "-", "--seed", "2"});
    EXPECT_EQ(rerolled.code, 0);
    EXPECT_NE(rerolled.out, sheets.out);
    EXPECT_EQ(rerolled.out.substr(0, 200), sheets.out.substr(0, 200)) << "the same characteristics";
    // Presets given with it are typed in over the saved fields.
    const ChildProcess::Exit retyped = Run({"--load", party, "--mode", "my-characteristics",
                                            "--race", "Black", "--age", "77", "--output", "-"});
    EXPECT_EQ(Occurrences(retyped.out, "Race       Black\""), 50);
    EXPECT_EQ(Occurrences(retyped.out, "Age        77\""), 50);
    if (noPoppler) GTEST_SKIP() << "the PDFs were written, not read: " << *noPoppler;
}

TEST_F(CliProcessTest, HostilePresetsEndInAnExitCodeNeverASignal) {
    for (const char* flag :
         {"--sex", "--race", "--age", "--height", "--weight", "--level", "--ps", "--k", "--cd"}) {
        for (const std::string& text : testing::kHostileTexts) {
            const ChildProcess::Exit exit = Run(
                {"--mode", "my-traits", "--output", "-", "--seed", "1", flag, text}, "/dev/null");
            EXPECT_EQ(exit.signal, 0) << flag << " \"" << text.substr(0, 20) << '"';
            EXPECT_TRUE(exit.code == 0 || exit.code == 2) << flag << " exit " << exit.code;
        }
    }
}

}  // namespace
}  // namespace dossier
