#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "platform/file_system.h"
#include "platform/replacing_file.h"

namespace dossier {

namespace fs = std::filesystem;

namespace file_system {

int OpenExclusive(const fs::path& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

int OpenExisting(const fs::path& path) {
    return ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
}

long WriteSome(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}

int CloseFile(int fd) {
    return ::close(fd);
}

int SyncFile(int fd) {
    return ::fsync(fd);
}

int KeepMode(int fd, int mode) {
    return ::fchmod(fd, static_cast<mode_t>(mode)) == 0 ? 0 : errno;
}

// Unnamed files are Linux's; they are named through /proc, so without /proc mounted they
// could never be named.
int OpenUnnamed(const fs::path& folder, int& error) {
    error = 0;
    static const bool nameable = ::access("/proc/self/fd", X_OK) == 0;
    if (!nameable) return -1;
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    // Refused by a file system without them: a named temporary file does instead.
    if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) error = errno;
    return fd;
}

int NameUnnamed(int fd, const fs::path& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0
                                                                                            : errno;
}

std::string ReplaceTarget(const fs::path& from, const fs::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? std::string()
                                                   : std::generic_category().message(errno);
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace file_system

void SyncFileSystemOf(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::syncfs(fd);
    ::close(fd);
}

}  // namespace dossier
