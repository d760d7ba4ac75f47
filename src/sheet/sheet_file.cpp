#include "sheet/sheet_file.h"

#include "platform/utf8_text.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <pwd.h>
#include <signal.h>
#include <unistd.h>
#endif

namespace dossier {

namespace fs = std::filesystem;

SheetWriteError::SheetWriteError(fs::path path, std::string reason, bool previousKept)
    : std::runtime_error("cannot write " + PathToUtf8(path) + ": " + reason),
      path_(std::move(path)),
      reason_(std::move(reason)),
      previousKept_(previousKept) {}

namespace {

// Writes are gathered up to this size before they reach the system.
constexpr std::size_t kBufferSize = 1 << 16;
constexpr const char* kTemporarySuffix = ".tmp";

std::string SystemReason(int error) {
    return std::generic_category().message(error);
}

int ProcessId() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<int>(getpid());
#endif
}

// .<name>.<process>.<counter>.<attempt>.tmp: the process id lets a later run tell a
// temporary file whose writer is gone from one still being written.
fs::path TemporaryNameBeside(const fs::path& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    fs::path name = target;
    name.replace_filename(
        PathFromUtf8("." + PathToUtf8(target.filename()) + "." + std::to_string(ProcessId()) + "." +
                     std::to_string(counter++) + "." + std::to_string(attempt) + kTemporarySuffix));
    return name;
}

// The writer's process id when the name is one of our temporary files.
std::optional<long> WriterOfTemporary(const std::string& name) {
    if (name.size() < 12 || name[0] != '.' || !name.ends_with(kTemporarySuffix)) return {};
    // Counted from the end: .<attempt>.tmp, .<counter>, .<process>.
    std::string_view rest(name);
    rest.remove_suffix(std::strlen(kTemporarySuffix));
    std::string_view numbers[3];
    for (std::string_view& number : numbers) {
        const std::size_t dot = rest.rfind('.');
        if (dot == std::string_view::npos || dot == 0) return {};
        number = rest.substr(dot + 1);
        rest = rest.substr(0, dot);
        if (number.empty() || number.size() > 10 ||
            number.find_first_not_of("0123456789") != std::string_view::npos)
            return {};
    }
    return std::stol(std::string(numbers[2]));
}

bool ProcessIsRunning(long id) {
#ifdef _WIN32
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
    if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
#else
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
#endif
}

// Follows a chain of symbolic links to the file it names, which need not exist yet.
fs::path FollowLinks(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
        const fs::path link = fs::read_symlink(path, error);
        if (error) return path;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    throw std::system_error(ELOOP, std::generic_category());
}

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

#ifdef _WIN32
int OpenExclusive(const fs::path& path) {
    return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int OpenExisting(const fs::path& path) {
    return _wopen(path.c_str(), _O_WRONLY | _O_BINARY);
}
int WriteSome(int fd, const char* data, std::size_t size) {
    return _write(fd, data, static_cast<unsigned>(size));
}
int CloseFile(int fd) {
    return _close(fd);
}
int SyncFile(int fd) {
    return _commit(fd);
}
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
// Empty when the file took the target's place; the system's reason otherwise.
std::string ReplaceTarget(const fs::path& from, const fs::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return WindowsReason(GetLastError());
}
void SyncFolder(const fs::path& /*folder*/) {}  // MOVEFILE_WRITE_THROUGH did it
#else
int OpenExclusive(const fs::path& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
int OpenExisting(const fs::path& path) {
    return ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
}
ssize_t WriteSome(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}
int CloseFile(int fd) {
    return ::close(fd);
}
int SyncFile(int fd) {
    return ::fsync(fd);
}
std::string ReplaceTarget(const fs::path& from, const fs::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? std::string() : SystemReason(errno);
}
// A rename is durable once the folder that holds the name is.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}
#endif

#ifdef O_TMPFILE
// An unnamed file is named through /proc; without /proc mounted it could never be named.
bool CanNameUnnamedFiles() {
    static const bool available = ::access("/proc/self/fd", X_OK) == 0;
    return available;
}
#endif

}  // namespace

ReplacingFile::ReplacingFile(fs::path target, Durability durability)
    : target_(std::move(target)), durability_(durability) {
    if (target_.empty() || !target_.has_filename()) {
        throw SheetWriteError(target_, "the path names no file");
    }
    // The system follows the links itself, also those that name no path, such as
    // /dev/stdout on a pipe.
    std::error_code statusError;
    const fs::file_status existing = fs::status(target_, statusError);
    if (existing.type() == fs::file_type::directory) {
        throw SheetWriteError(target_, SystemReason(EISDIR));
    }
    if (fs::exists(existing) && existing.type() != fs::file_type::regular) {
        // A device or a pipe: it is what the user named, so it gets the bytes itself.
        direct_ = true;
        destination_ = target_;
        fd_ = OpenExisting(destination_);
        if (fd_ < 0) throw SheetWriteError(target_, SystemReason(errno));
        buffer_.reserve(kBufferSize);
        return;
    }
    try {
        destination_ = FollowLinks(target_);
    } catch (const std::system_error& error) {
        throw SheetWriteError(target_, SystemReason(error.code().value()));
    }
    int keptMode = -1;
    if (fs::exists(existing)) {
        previousKept_ = true;
        keptMode = static_cast<int>(existing.permissions() & fs::perms::mask);
    }
    OpenReplacement(keptMode);
    buffer_.reserve(kBufferSize);
}

void ReplacingFile::OpenReplacement(int keptMode) {
#ifdef O_TMPFILE
    if (CanNameUnnamedFiles()) {
        fd_ = ::open(FolderOf(destination_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            unnamed_ = true;
        } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            throw SheetWriteError(target_, SystemReason(errno), previousKept_);
        }
    }
#endif
    for (unsigned attempt = 0; fd_ < 0; ++attempt) {
        temporary_ = TemporaryNameBeside(destination_, attempt);
        fd_ = OpenExclusive(temporary_);
        if (fd_ < 0 && (errno != EEXIST || attempt > 100)) {
            const int error = errno;
            temporary_.clear();
            throw SheetWriteError(target_, SystemReason(error), previousKept_);
        }
    }
#ifndef _WIN32
    if (keptMode >= 0 && ::fchmod(fd_, static_cast<mode_t>(keptMode)) != 0) Fail(errno);
#else
    (void)keptMode;
#endif
}

ReplacingFile::~ReplacingFile() {
    if (fd_ >= 0) CloseFile(fd_);
    if (!temporary_.empty()) {
        std::error_code ignored;
        fs::remove(temporary_, ignored);
    }
}

void ReplacingFile::Close() {
    if (fd_ < 0) return;
    const int closed = CloseFile(fd_);
    fd_ = -1;
    if (closed != 0) Fail(errno);
}

void ReplacingFile::Fail(int error) {
    if (fd_ >= 0) CloseFile(fd_);
    fd_ = -1;
    throw SheetWriteError(target_, SystemReason(error), previousKept_);
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
    if (fd_ < 0) throw SheetWriteError(target_, "the file was already closed", previousKept_);
    Flush();
    if (direct_) {
        Close();
        return;
    }
    // The bytes reach the disk before the name does: a crash leaves the old file or the new.
    if (durability_ == Durability::Immediate && SyncFile(fd_) != 0) Fail(errno);
#ifdef O_TMPFILE
    if (unnamed_) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        const bool named = !previousKept_ && ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD,
                                                      destination_.c_str(), AT_SYMLINK_FOLLOW) == 0;
        if (!named) {
            if (!previousKept_ && errno != EEXIST) Fail(errno);
            // A name of its own first: a link never replaces a file, a rename does.
            for (unsigned attempt = 0; temporary_.empty(); ++attempt) {
                temporary_ = TemporaryNameBeside(destination_, attempt);
                if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary_.c_str(),
                             AT_SYMLINK_FOLLOW) == 0)
                    break;
                const int error = errno;
                temporary_.clear();
                if (error != EEXIST || attempt > 100) Fail(error);
            }
        }
    }
#endif
    Close();
    if (!temporary_.empty()) {
        if (const std::string reason = ReplaceTarget(temporary_, destination_); !reason.empty())
            throw SheetWriteError(target_, reason, previousKept_);
        temporary_.clear();
    }
    if (durability_ == Durability::Immediate) SyncFolder(FolderOf(destination_));
}

void ReplaceFileWith(const fs::path& path, std::string_view bytes, Durability durability) {
    ReplacingFile file(path, durability);
    file.Write(bytes);
    file.Commit();
}

void WriteSheetFile(const fs::path& path, std::string utf8Text, Durability durability) {
    ReplaceFileWith(path, ToSheetEncoding(std::move(utf8Text)), durability);
}

void SyncFileSystemOf(const fs::path& folder) {
#ifdef __linux__
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::syncfs(fd);
    ::close(fd);
#elif defined(_WIN32)
    (void)folder;  // each rename was written through
#else
    (void)folder;
    ::sync();
#endif
}

int RemoveAbandonedTemporaries(const fs::path& folder) {
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::optional<long> writer = WriterOfTemporary(PathToUtf8(entry->path().filename()));
        if (!writer || *writer == ProcessId() || ProcessIsRunning(*writer)) continue;
        std::error_code ignored;
        if (entry->is_regular_file(ignored) && fs::remove(entry->path(), ignored)) ++removed;
    }
    return removed;
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

std::string ToSheetEncoding(std::string utf8Text) {
#ifdef _WIN32
    const std::wstring wide = WideFromUtf8(utf8Text);
    if (wide.empty()) return {};
    const int wideLength = static_cast<int>(wide.size());
    // No best fit: a character the code page lacks is "?", never a look-alike (Ω as O).
    const int ansiLength = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                               wideLength, nullptr, 0, "?", nullptr);
    std::string ansi(static_cast<std::size_t>(ansiLength), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, ansi.data(),
                        ansiLength, "?", nullptr);
    return ansi;
#else
    return utf8Text;  // UTF-8 is the sheet encoding here
#endif
}

}  // namespace dossier
