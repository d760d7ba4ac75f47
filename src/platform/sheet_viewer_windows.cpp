#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <string>

#include "platform/sheet_viewer.h"

namespace dossier {

namespace {

constexpr const wchar_t* kWordPadProgram = L"C:\\Program Files\\Accessories\\Wordpad.exe";

}  // namespace

bool DesktopSheetViewer::Open(const std::filesystem::path& sheet) {
    // The program is named apart from its command line, which WordPad receives as it always
    // has, unquoted; left to resolve the unquoted line, Windows would try C:\Program.exe first.
    std::wstring commandLine = std::wstring(kWordPadProgram) + L" " + sheet.wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (CreateProcessW(kWordPadProgram, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &started)) {
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
        return true;
    }
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", sheet.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;  // ShellExecuteW's way of saying it started something
}

}  // namespace dossier
