#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <cwchar>
#include <string>

#include "platform/sheet_viewer.h"

namespace dossier {

namespace {

constexpr const wchar_t* kClassicWordPad = L"C:\\Program Files\\Accessories\\Wordpad.exe";

// A new program, shown normally with the focus, not waited for. The program is named apart
// from its command line: left to resolve an unquoted line, Windows would try C:\Program.exe.
bool Start(const std::wstring& program, std::wstring commandLine) {
    if (program.empty()) return false;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started))
        return false;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

std::wstring Quoted(const std::wstring& text) {
    return L"\"" + text + L"\"";
}

// Where Windows registers WordPad for programs that start it by name.
std::wstring RegisteredWordPad() {
    const wchar_t* key = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\WORDPAD.EXE";
    wchar_t path[MAX_PATH] = {};
    DWORD size = sizeof path;
    // A REG_EXPAND_SZ (%ProgramFiles%\...) comes back expanded, as REG_SZ.
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, nullptr, RRF_RT_REG_SZ, nullptr, path, &size) !=
        ERROR_SUCCESS)
        return {};
    std::wstring program = path;
    if (program.size() >= 2 && program.front() == L'"' && program.back() == L'"')
        program = program.substr(1, program.size() - 2);
    return program;
}

// Where every Windows since NT keeps it.
std::wstring ProgramFilesWordPad() {
    const wchar_t* programFiles = _wgetenv(L"ProgramFiles");
    if (programFiles == nullptr) return {};
    return std::wstring(programFiles) + L"\\Windows NT\\Accessories\\wordpad.exe";
}

std::wstring SystemNotepad() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::wstring(folder) + L"\\notepad.exe";
}

}  // namespace

// WordPad by its classic command line first, as the sheet has always been opened. That WordPad
// exists on no Windows since NT, and the newest has none at all, so then WordPad where Windows
// registers or keeps it, the program for .txt files, and last Notepad, which every Windows has.
bool DesktopSheetViewer::Open(const std::filesystem::path& sheet) {
    const std::wstring path = sheet.wstring();
    if (Start(kClassicWordPad, std::wstring(kClassicWordPad) + L" " + path)) return true;
    for (const std::wstring& wordPad : {RegisteredWordPad(), ProgramFilesWordPad()}) {
        if (Start(wordPad, Quoted(wordPad) + L" " + Quoted(path))) return true;
    }
    const auto associated = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (associated > 32) return true;  // ShellExecuteW's way of saying it started something
    const std::wstring notepad = SystemNotepad();
    return Start(notepad, Quoted(notepad) + L" " + Quoted(path));
}

}  // namespace dossier
