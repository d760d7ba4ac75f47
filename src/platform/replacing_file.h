#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace dossier {

// A file (or standard output) could not be written. A plain file that stood at the path
// before is untouched; previousKept says whether there was one.
class WriteError : public std::runtime_error {
  public:
    WriteError(std::filesystem::path path, std::string reason, bool previousKept = false);

    const std::filesystem::path& path() const { return path_; }
    const std::string& reason() const { return reason_; }
    bool previousKept() const { return previousKept_; }

  private:
    std::filesystem::path path_;
    std::string reason_;
    bool previousKept_;
};

// When a replaced file reaches the disk. Immediate: before Commit returns, so a crash
// never leaves an empty file in place of the old one. Deferred: the caller syncs once
// for many files with SyncFileSystemOf.
enum class Durability { Immediate, Deferred };

// A file that replaces its target whole. The bytes go to an unnamed file in the target's
// folder where the system allows it (a hidden temporary file elsewhere) and take the
// target's name only in Commit, so an interrupted or failed write leaves nothing behind
// and the previous file as it was. A symbolic link is followed and kept; the permission
// bits of the file replaced are kept; a device or pipe is written into directly.
// Throws WriteError.
class ReplacingFile {
  public:
    explicit ReplacingFile(std::filesystem::path target,
                           Durability durability = Durability::Immediate);
    ~ReplacingFile();  // without Commit, the new bytes are thrown away
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    void Write(std::string_view bytes);
    void Commit();

  private:
    void OpenReplacement(int keptMode);
    void NameReplacement();
    void Flush();
    void Close();
    [[noreturn]] void Fail(int error);

    std::filesystem::path target_;       // as the caller named it, for messages
    std::filesystem::path destination_;  // the file that gets the bytes, links followed
    std::filesystem::path temporary_;    // a named temporary file, when one is used
    std::string buffer_;
    Durability durability_;
    int fd_ = -1;
    bool direct_ = false;   // a device or pipe, written into as it is
    bool unnamed_ = false;  // an unnamed file, named in Commit
    bool previousKept_ = false;
};

// Replaces the file whole with the bytes as they are.
void ReplaceFileWith(const std::filesystem::path& path, std::string_view bytes,
                     Durability durability = Durability::Immediate);

// Makes everything written with Durability::Deferred under the folder reach the disk.
void SyncFileSystemOf(const std::filesystem::path& folder);

// Removes the hidden temporary files that writers which are gone left in the folder (a
// killed process on a file system without unnamed files). Returns how many it removed.
int RemoveAbandonedTemporaries(const std::filesystem::path& folder);

}  // namespace dossier
