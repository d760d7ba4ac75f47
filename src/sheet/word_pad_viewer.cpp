#include "sheet/word_pad_viewer.h"

#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <string>

#include "platform/utf8_text.h"

namespace dossier {

bool WordPadViewer::Open(const std::filesystem::path& sheet) {
    // The program is named apart from its command line, which WordPad receives as it always
    // has, unquoted; left to resolve the unquoted line, Windows would try C:\Program.exe first.
    const std::wstring program = WideFromUtf8(kWordPadProgram);
    std::wstring commandLine = program + L" " + sheet.wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
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
