// The viewer on Windows, run under Wine, with a stand-in that records its command line.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/sheet_viewer.h"
#include "support/test_support.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;

// What the stand-in viewer was started with; empty when it never started.
std::wstring RecordedCommandLine() {
    const fs::path record = "c:\\recorded-command-line.txt";
    for (int i = 0; i < 100 && !fs::exists(record); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const std::string bytes = ReadAll(record);
    fs::remove(record);
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
}

void AssociateTxtWith(const std::wstring& command) {
    const auto set = [](const wchar_t* key, const std::wstring& value) {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    };
    set(L".txt", L"DossierTest.txt");
    set(L"DossierTest.txt\\shell\\open\\command", command);
}

TEST(SheetViewerTest, WordPadByItsClassicLineOrElseTheTxtProgram) {
    const fs::path wordPad = "C:\\Program Files\\Accessories\\Wordpad.exe";
    fs::create_directories(wordPad.parent_path());
    fs::copy_file(fs::path(DOSSIER_RECORDER_PATH), wordPad, fs::copy_options::overwrite_existing);
    EXPECT_TRUE(DesktopSheetViewer().Open("c:\\char.txt"));
    const std::wstring line = RecordedCommandLine();
    EXPECT_EQ(line, L"C:\\Program Files\\Accessories\\Wordpad.exe c:\\char.txt");
    EXPECT_EQ(line.size(), 52U);

    fs::remove(wordPad);
    const fs::path other = "c:\\txt-program.exe";
    fs::copy_file(fs::path(DOSSIER_RECORDER_PATH), other, fs::copy_options::overwrite_existing);
    AssociateTxtWith(L"\"c:\\txt-program.exe\" \"%1\"");
    std::ofstream("c:\\viewer-test.txt") << "sheet";
    EXPECT_TRUE(DesktopSheetViewer().Open("c:\\viewer-test.txt"));
    EXPECT_NE(RecordedCommandLine().find(L"viewer-test.txt"), std::wstring::npos)
        << "the program associated with .txt files";

    EXPECT_FALSE(DesktopSheetViewer().Open("c:\\no-program-knows.this-kind"));
    fs::remove(other);
}

}  // namespace
}  // namespace dossier
