// The viewer on Windows, run under Wine, with a stand-in that records its command line.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
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

void SetDefault(HKEY root, const std::wstring& key, const std::wstring& value) {
    RegSetKeyValueW(root, key.c_str(), nullptr, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

TEST(SheetViewerTest, EveryWayToAViewerInTurnAndWithNoneLeftFalse) {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const fs::path kept = std::wstring(_wgetenv(L"ProgramFiles")) +
                          L"\\Windows NT\\Accessories\\wordpad.exe",
                   notepad = std::wstring(system) + L"\\notepad.exe";
    const std::wstring appPaths =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\WORDPAD.EXE";
    // Each way in turn: where the stand-in goes, what registers it, the line it is started with.
    const std::tuple<fs::path, std::function<void()>, std::wstring> ways[] = {
        {"C:\\Program Files\\Accessories\\Wordpad.exe", [] {},
         L"C:\\Program Files\\Accessories\\Wordpad.exe c:\\viewer-sheet.txt"},
        {"c:\\registered\\wordpad.exe",
         [&] { SetDefault(HKEY_LOCAL_MACHINE, appPaths, L"\"c:\\registered\\wordpad.exe\""); },
         L"\"c:\\registered\\wordpad.exe\" \"c:\\viewer-sheet.txt\""},
        {kept, [] {}, L"\"" + kept.wstring() + L"\" \"c:\\viewer-sheet.txt\""},
        {"c:\\txt-program.exe",
         [] {
             SetDefault(HKEY_CLASSES_ROOT, L".txt", L"DossierTest.txt");
             SetDefault(HKEY_CLASSES_ROOT, L"DossierTest.txt\\shell\\open\\command",
                        L"\"c:\\txt-program.exe\" \"%1\"");
         },
         L"\"c:\\txt-program.exe\" \"c:\\viewer-sheet.txt\""},
        {notepad, [] {}, L"\"" + notepad.wstring() + L"\" \"c:\\viewer-sheet.txt\""}};
    // Wine's own WordPad and Notepad make way for the stand-ins, and come back at the end; Wine
    // starts a program of the system folder as its own unless told to take the file there.
    for (const fs::path& own : {kept, notepad}) fs::rename(own, own.wstring() + L".own");
    const wchar_t* overrides = L"Software\\Wine\\DllOverrides";
    RegSetKeyValueW(HKEY_CURRENT_USER, overrides, L"notepad.exe", REG_SZ, L"native", 14);
    // A sheet of its own: the command line's tests write and replace c:\char.txt side by side
    // with this one, and the program for .txt files is only started for a file that exists.
    std::ofstream("c:\\viewer-sheet.txt") << "sheet";
    for (const auto& [place, registration, line] : ways) {
        fs::create_directories(place.parent_path());
        fs::copy_file(DOSSIER_RECORDER_PATH, place, fs::copy_options::overwrite_existing);
        registration();
        EXPECT_TRUE(DesktopSheetViewer().Open("c:\\viewer-sheet.txt"));
        EXPECT_EQ(RecordedCommandLine(), line);
        fs::remove(place);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, appPaths.c_str());
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L".txt");
    }
    EXPECT_FALSE(DesktopSheetViewer().Open("c:\\viewer-sheet.txt")) << "no way is left";
    for (const fs::path& own : {kept, notepad}) fs::rename(own.wstring() + L".own", own);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, overrides, L"notepad.exe");
    fs::remove("c:\\viewer-sheet.txt");
}

}  // namespace
}  // namespace dossier
