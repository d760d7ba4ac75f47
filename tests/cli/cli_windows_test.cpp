// dossier-cli.exe under Wine: sheets in the ANSI code page with CR LF on every channel, Unicode
// arguments and names, MoveFileExW.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "platform/sheet_file.h"
#include "platform/utf8_text.h"
#include "platform/wide_text.h"
#include "support/test_support.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;

using testing::ReadAll;

struct Exit {
    DWORD code = 0;
    std::string out, err;
};

// dossier-cli.exe started as Windows starts it, its arguments on a wide command line.
Exit RunCli(const std::vector<std::string>& args) {
    const fs::path out = testing::UniqueTempPath("out"), err = testing::UniqueTempPath("err");
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const auto create = [&](const fs::path& path) {
        return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    HANDLE outFile = create(out), errFile = create(err);
    std::wstring line = L"\"" + WideFromUtf8(DOSSIER_CLI_PATH) + L"\"";
    // No argument holds a quote or ends in a backslash, so plain quotes keep each whole.
    for (const std::string& arg : args) line += L" \"" + WideFromUtf8(arg) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = outFile;
    startup.hStdError = errFile;
    PROCESS_INFORMATION process{};
    Exit exit{999, {}, {}};  // when it cannot be started
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &exit.code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(outFile);
    CloseHandle(errFile);
    exit.out = ReadAll(out), exit.err = ReadAll(err);
    fs::remove(out), fs::remove(err);
    return exit;
}

class CliOnWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override { fs::remove_all(folder), fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder = testing::UniqueTempPath("windows");
};

TEST_F(CliOnWindowsTest, TheCodePageIsTheOneTheTestsExpect) {
    ASSERT_EQ(GetACP(), 1252U) << "the tests run with the locale pinned to code page 1252";
    EXPECT_EQ(DefaultSheetPath(), fs::path("c:\\char.txt"));
}

// A letter the code page lacks prints as its base letter; what has none is "?".
TEST(CodePageTest, ALetterTheCodePageLacksBecomesItsBaseLetter) {
    const std::tuple<unsigned, const char*, const char*> rows[] = {
        {1250,
         "Mu\xC3\xB1oz \xC3\x85"
         "berg",
         "Munoz Aberg"},
        {1250, "Dvo\xC5\x99\xC3\xA1k", "Dvo\xF8\xE1k"},
        {1252, "Dvo\xC5\x99\xC3\xA1k", "Dvor\xE1k"},
        {1252, "Mu\xC3\xB1oz", "Mu\xF1oz"},
        {1252, "\xCE\xA9mega", "?mega"}};
    for (const auto& [codePage, utf8, expected] : rows)
        EXPECT_EQ(CodePageFromUtf8(utf8, codePage), expected) << codePage << ' ' << utf8;
}

TEST_F(CliOnWindowsTest, EverySheetChannelIsAnsiWithCrLf) {
    // â is in code page 1252, Ω is not.
    const std::vector<std::string> presets = {
        "--mode", "my-characteristics", "--hair", "Ch\xC3\xA2tain", "--race", "\xCE\xA9mega"};
    fs::remove("c:\\char.txt");
    const std::pair<std::vector<std::string>, fs::path> channels[] = {
        {{}, "c:\\char.txt"},
        {{"--output", (folder / "one.txt").string()}, folder / "one.txt"},
        {{"--count", "2", "--output", (folder / "npcs").string() + "/"},
         folder / "npcs" / "char-000002.txt"},
        {{"--output", "-"}, {}}};
    for (const auto& [args, file] : channels) {
        std::vector<std::string> argv = presets;
        argv.insert(argv.end(), args.begin(), args.end());
        const Exit exit = RunCli(argv);
        ASSERT_EQ(exit.code, 0U) << exit.err;
        const std::string sheet = file.empty() ? exit.out : ReadAll(file);
        EXPECT_NE(sheet.find("Hair Color Ch\xE2tain\""), std::string::npos) << file;
        EXPECT_NE(sheet.find("Race       ?mega\""), std::string::npos) << file;
        EXPECT_TRUE(testing::WholeLines(sheet)) << file;
    }
}

TEST_F(CliOnWindowsTest, JsonIsUtf8WithLfAndNamesAreUnicode) {
    const Exit json = RunCli({"--mode", "my-characteristics", "--race", "White", "--hair",
                              "Ch\xC3\xA2tain", "--format", "json"});
    ASSERT_EQ(json.code, 0U) << json.err;
    EXPECT_NE(json.out.find("\"Ch\xC3\xA2tain\""), std::string::npos);
    EXPECT_EQ(json.out.find('\r'), std::string::npos);

    ASSERT_EQ(RunCli({"--output", PathToUtf8(folder) + "\\M\xC3\xBCller.txt"}).code, 0U);
    EXPECT_TRUE(fs::exists(folder / L"M\u00FCller.txt"));
    const Exit failed =
        RunCli({"--output", PathToUtf8(folder) + "\\nowhere\\M\xC3\xBCller \xCE\xA9.txt"});
    EXPECT_EQ(failed.code, 1U);
    EXPECT_NE(failed.err.find("M\xC3\xBCller \xCE\xA9.txt: "), std::string::npos) << failed.err;
}

TEST_F(CliOnWindowsTest, ASheetHeldOpenElsewhereStaysWholeAndTheRunSaysWhy) {
    const fs::path held = folder / "held.txt";
    std::ofstream(held, std::ios::binary) << "previous";
    HANDLE other = CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    const Exit exit = RunCli({"--output", held.string()});
    CloseHandle(other);
    EXPECT_EQ(exit.code, 1U);
    EXPECT_NE(exit.err.find("cannot write " + held.string() + ": "), std::string::npos) << exit.err;
    EXPECT_GT(exit.err.size(), exit.err.find(": ") + 3) << "with the system's reason";
    EXPECT_EQ(ReadAll(held), "previous");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1) << "no temporary file left";
}

TEST_F(CliOnWindowsTest, EachRunRollsItsOwnAndLeftoversOfGoneWritersAreRemoved) {
    EXPECT_NE(RunCli({"--output", "-"}).out, RunCli({"--output", "-"}).out);
    const std::string leftover = ".char-000001.txt.99999.0.0.tmp";  // no such process
    std::ofstream(folder / leftover) << "partial";
    const Exit intoFolder = RunCli({"--output", folder.string()});
    ASSERT_EQ(intoFolder.code, 0U) << intoFolder.err;
    EXPECT_FALSE(fs::exists(folder / leftover));
    EXPECT_TRUE(fs::exists(folder / "char-000001.txt"));
}

}  // namespace
}  // namespace dossier
