#include "sheet/sheet_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>
#endif

namespace dossier {

namespace fs = std::filesystem;

SheetWriteError::SheetWriteError(fs::path path, std::string reason)
    : std::runtime_error("cannot write " + path.string() + ": " + reason),
      path_(std::move(path)),
      reason_(std::move(reason)) {}

namespace {

// Writes are gathered up to this size before they reach the system.
constexpr std::size_t kBufferSize = 1 << 16;

std::string SystemReason(int error) {
    return std::generic_category().message(error);
}

fs::path TemporaryNameBeside(const fs::path& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    fs::path name = target;
    name.replace_filename("." + target.filename().string() + "." + std::to_string(getpid()) + "." +
                          std::to_string(counter++) + "." + std::to_string(attempt) + ".tmp");
    return name;
}

#ifdef _WIN32
int OpenExclusive(const fs::path& path) {
    return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int WriteSome(int fd, const char* data, std::size_t size) {
    return _write(fd, data, static_cast<unsigned>(size));
}
int CloseFile(int fd) {
    return _close(fd);
}
bool ReplaceTarget(const fs::path& from, const fs::path& to, int& error) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    error = EACCES;
    return false;
}
#else
int OpenExclusive(const fs::path& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
ssize_t WriteSome(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}
int CloseFile(int fd) {
    return ::close(fd);
}
bool ReplaceTarget(const fs::path& from, const fs::path& to, int& error) {
    if (::rename(from.c_str(), to.c_str()) == 0) return true;
    error = errno;
    return false;
}
#endif

}  // namespace

ReplacingFile::ReplacingFile(fs::path target) : target_(std::move(target)) {
    if (target_.empty() || !target_.has_filename()) {
        throw SheetWriteError(target_, "the path names no file");
    }
    for (unsigned attempt = 0; fd_ < 0; ++attempt) {
        temporary_ = TemporaryNameBeside(target_, attempt);
        fd_ = OpenExclusive(temporary_);
        if (fd_ < 0 && (errno != EEXIST || attempt > 100)) {
            const int error = errno;
            temporary_.clear();
            throw SheetWriteError(target_, SystemReason(error));
        }
    }
    buffer_.reserve(kBufferSize);
}

ReplacingFile::~ReplacingFile() {
    if (fd_ >= 0) CloseFile(fd_);
    if (!temporary_.empty()) {
        std::error_code ignored;
        fs::remove(temporary_, ignored);
    }
}

void ReplacingFile::Fail(int error) {
    if (fd_ >= 0) CloseFile(fd_);
    fd_ = -1;
    throw SheetWriteError(target_, SystemReason(error));
}

void ReplacingFile::Write(std::string_view bytes) {
    buffer_ += bytes;
    if (buffer_.size() >= kBufferSize) Flush();
}

void ReplacingFile::Flush() {
    std::string_view pending = buffer_;
    while (!pending.empty()) {
        const auto written = WriteSome(fd_, pending.data(), pending.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            Fail(errno);
        }
        pending.remove_prefix(static_cast<std::size_t>(written));
    }
    buffer_.clear();
}

void ReplacingFile::Commit() {
    if (fd_ < 0) throw SheetWriteError(target_, "the file was already closed");
    Flush();
    const int closed = CloseFile(fd_);
    fd_ = -1;
    if (closed != 0) throw SheetWriteError(target_, SystemReason(errno));
    int error = 0;
    if (!ReplaceTarget(temporary_, target_, error))
        throw SheetWriteError(target_, SystemReason(error));
    temporary_.clear();
}

void WriteSheetFile(const fs::path& path, std::string_view utf8Text) {
    ReplacingFile file(path);
#ifdef _WIN32
    file.Write(ToSheetEncoding(utf8Text));
#else
    file.Write(utf8Text);  // UTF-8 is the sheet encoding here
#endif
    file.Commit();
}

fs::path DefaultSheetPath() {
#ifdef _WIN32
    return fs::path("c:\\char.txt");
#else
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return fs::path(home) / "char.txt";
    }
    if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr) {
        return fs::path(user->pw_dir) / "char.txt";
    }
    return fs::path("char.txt");
#endif
}

std::string ToSheetEncoding(std::string_view utf8Text) {
#ifdef _WIN32
    if (utf8Text.empty()) return {};
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(),
                                               static_cast<int>(utf8Text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), static_cast<int>(utf8Text.size()), wide.data(),
                        wideLength);
    const int ansiLength =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, "?", nullptr);
    std::string ansi(static_cast<std::size_t>(ansiLength), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, ansi.data(), ansiLength, "?", nullptr);
    return ansi;
#else
    return std::string(utf8Text);
#endif
}

}  // namespace dossier
