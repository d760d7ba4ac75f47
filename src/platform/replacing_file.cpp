#include "platform/replacing_file.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <optional>
#include <system_error>

#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/utf8_text.h"

namespace dossier {

namespace fs = std::filesystem;
using namespace file_system;

WriteError::WriteError(fs::path path, std::string reason, bool previousKept)
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

}  // namespace

ReplacingFile::ReplacingFile(fs::path target, Durability durability)
    : target_(std::move(target)), durability_(durability) {
    if (target_.empty() || !target_.has_filename()) {
        throw WriteError(target_, "the path names no file");
    }
    // The system follows the links itself, also those that name no path, such as
    // /dev/stdout on a pipe.
    std::error_code statusError;
    const fs::file_status existing = fs::status(target_, statusError);
    if (existing.type() == fs::file_type::directory) {
        throw WriteError(target_, SystemReason(EISDIR));
    }
    if (fs::exists(existing) && existing.type() != fs::file_type::regular) {
        // A device or a pipe: it is what the user named, so it gets the bytes itself.
        direct_ = true;
        destination_ = target_;
        fd_ = OpenExisting(destination_);
        if (fd_ < 0) throw WriteError(target_, SystemReason(errno));
        buffer_.reserve(kBufferSize);
        return;
    }
    try {
        destination_ = FollowLinks(target_);
    } catch (const std::system_error& error) {
        throw WriteError(target_, SystemReason(error.code().value()));
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
    int error = 0;
    fd_ = OpenUnnamed(FolderOf(destination_), error);
    if (fd_ >= 0) {
        unnamed_ = true;
    } else if (error != 0) {
        throw WriteError(target_, SystemReason(error), previousKept_);
    }
    for (unsigned attempt = 0; fd_ < 0; ++attempt) {
        temporary_ = TemporaryNameBeside(destination_, attempt);
        fd_ = OpenExclusive(temporary_);
        if (fd_ < 0 && (errno != EEXIST || attempt > 100)) {
            error = errno;
            temporary_.clear();
            throw WriteError(target_, SystemReason(error), previousKept_);
        }
    }
    if (keptMode >= 0) {
        if (const int failed = KeepMode(fd_, keptMode); failed != 0) Fail(failed);
    }
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
    throw WriteError(target_, SystemReason(error), previousKept_);
}

void ReplacingFile::Write(std::string_view bytes) {
    buffer_ += bytes;
    if (buffer_.size() >= kBufferSize) Flush();
}

void ReplacingFile::Flush() {
    std::string_view pending = buffer_;
    while (!pending.empty()) {
        const long written = WriteSome(fd_, pending.data(), pending.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            Fail(errno);
        }
        pending.remove_prefix(static_cast<std::size_t>(written));
    }
    buffer_.clear();
}

// An unnamed file with no file in its way takes the target's name at once. Where a file
// stands there, it takes a name of its own first: a link never replaces a file, a rename does.
void ReplacingFile::NameReplacement() {
    const int named = previousKept_ ? EEXIST : NameUnnamed(fd_, destination_);
    if (named == 0) return;
    if (named != EEXIST) Fail(named);
    for (unsigned attempt = 0; temporary_.empty(); ++attempt) {
        temporary_ = TemporaryNameBeside(destination_, attempt);
        const int error = NameUnnamed(fd_, temporary_);
        if (error == 0) break;
        temporary_.clear();
        if (error != EEXIST || attempt > 100) Fail(error);
    }
}

void ReplacingFile::Commit() {
    if (fd_ < 0) throw WriteError(target_, "the file was already closed", previousKept_);
    Flush();
    if (direct_) {
        Close();
        return;
    }
    // The bytes reach the disk before the name does: a crash leaves the old file or the new.
    if (durability_ == Durability::Immediate && SyncFile(fd_) != 0) Fail(errno);
    if (unnamed_) NameReplacement();
    Close();
    if (!temporary_.empty()) {
        if (const std::string reason = ReplaceTarget(temporary_, destination_); !reason.empty())
            throw WriteError(target_, reason, previousKept_);
        temporary_.clear();
    }
    if (durability_ == Durability::Immediate) SyncFolder(FolderOf(destination_));
}

void ReplaceFileWith(const fs::path& path, std::string_view bytes, Durability durability) {
    ReplacingFile file(path, durability);
    file.Write(bytes);
    file.Commit();
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

}  // namespace dossier
