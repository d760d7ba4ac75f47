// Stands in for a viewer in the Windows tests: keeps the command line it was started with.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    const std::wstring line = GetCommandLineW();
    if (FILE* out = _wfopen(L"c:\\recorded-command-line.txt", L"wb")) {
        std::fwrite(line.data(), sizeof(wchar_t), line.size(), out);
        std::fclose(out);
    }
    return 0;
}
