#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace dossier {

// The sheet could not be written; the previous sheet at that path is untouched.
class SheetWriteError : public std::runtime_error {
  public:
    SheetWriteError(std::filesystem::path path, std::string reason);

    const std::filesystem::path& path() const { return path_; }
    const std::string& reason() const { return reason_; }

  private:
    std::filesystem::path path_;
    std::string reason_;
};

// A file that replaces its target whole: the bytes go to a temporary file beside the
// target, renamed over it only by Commit, so a failure never leaves a half-written file
// and the previous one stays as it was. Throws SheetWriteError.
class ReplacingFile {
  public:
    explicit ReplacingFile(std::filesystem::path target);
    ~ReplacingFile();  // without Commit, the temporary file is removed
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    void Write(std::string_view bytes);
    void Commit();

  private:
    void Flush();
    [[noreturn]] void Fail(int error);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::string buffer_;
    int fd_ = -1;
};

// Replaces the sheet file whole, with the UTF-8 text in the platform's sheet encoding.
void WriteSheetFile(const std::filesystem::path& path, std::string_view utf8Text);

// Where the sheet goes when a front end is not told otherwise: c:\char.txt on Windows,
// char.txt in the home folder elsewhere.
std::filesystem::path DefaultSheetPath();

// The platform's encoding for sheet files: the ANSI code page on Windows (characters it
// cannot hold become "?"), UTF-8 elsewhere.
std::string ToSheetEncoding(std::string_view utf8Text);

}  // namespace dossier
