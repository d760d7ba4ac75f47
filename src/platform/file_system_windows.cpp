#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>

#include "platform/file_system.h"
#include "platform/replacing_file.h"
#include "platform/wide_text.h"

namespace dossier {

namespace fs = std::filesystem;

namespace file_system {

namespace {

// The system's own words for a Windows error.
std::string WindowsReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length > 0 ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' ||
                               reason.back() == L'.' || reason.back() == L' '))
        reason.pop_back();
    return reason.empty() ? "Windows error " + std::to_string(error) : Utf8FromWide(reason);
}

}  // namespace

int OpenExclusive(const fs::path& path) {
    return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}

int OpenExisting(const fs::path& path) {
    return _wopen(path.c_str(), _O_WRONLY | _O_BINARY);
}

long WriteSome(int fd, const char* data, std::size_t size) {
    return _write(fd, data, static_cast<unsigned>(size));
}

int CloseFile(int fd) {
    return _close(fd);
}

int SyncFile(int fd) {
    return _commit(fd);
}

// The file inherits its folder's permissions.
int KeepMode(int /*fd*/, int /*mode*/) {
    return 0;
}

int OpenUnnamed(const fs::path& /*folder*/, int& error) {
    error = 0;
    return -1;
}

int NameUnnamed(int /*fd*/, const fs::path& /*name*/) {
    return EINVAL;
}

std::string ReplaceTarget(const fs::path& from, const fs::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return WindowsReason(GetLastError());
}

void SyncFolder(const fs::path& /*folder*/) {}  // MOVEFILE_WRITE_THROUGH did it

}  // namespace file_system

void SyncFileSystemOf(const fs::path& /*folder*/) {}  // each rename was written through

}  // namespace dossier
