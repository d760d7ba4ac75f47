#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// The system calls a replacing file is made of, one set for each platform. Those that
// return an int give -1 (or an error number where said) and leave the reason in errno.
namespace dossier::file_system {

int OpenExclusive(const std::filesystem::path& path);
int OpenExisting(const std::filesystem::path& path);
long WriteSome(int fd, const char* data, std::size_t size);
int CloseFile(int fd);
int SyncFile(int fd);
// Gives a new file the permission bits of the one it replaces; 0 or an error number.
int KeepMode(int fd, int mode);

// A file without a name in the folder; -1 with error 0 where there are no such files.
int OpenUnnamed(const std::filesystem::path& folder, int& error);
// Gives the unnamed file a name that no file has yet; 0 or an error number (EEXIST).
int NameUnnamed(int fd, const std::filesystem::path& name);

// The file takes the target's name, replacing what was there. Empty when it did; the
// system's reason otherwise.
std::string ReplaceTarget(const std::filesystem::path& from, const std::filesystem::path& to);
// A rename is durable once the folder that holds the name is.
void SyncFolder(const std::filesystem::path& folder);

}  // namespace dossier::file_system
