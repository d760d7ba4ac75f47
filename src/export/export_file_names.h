#pragma once

#include <set>
#include <string>
#include <string_view>

namespace dossier {

// A name as a file's name on every file system: without / \ : * ? " < > | and control
// characters, nor # ^ [ ], which notes' links reserve; no leading or trailing blank, no
// trailing dot, none of Windows' device names. Empty when nothing is left.
std::string SafeFileStem(std::string_view name);

// The files of one folder written in one go: each character's under its name where it has one,
// else char-000001 and on, a number added where two would clash (whatever the case, as
// Windows and macOS compare names).
class FileNamer {
  public:
    explicit FileNamer(std::string extension) : extension_(std::move(extension)) {}
    // The stem for the character of the number given, called name (empty for none).
    std::string Stem(std::string_view name, long long number);
    std::string FileName(std::string_view name, long long number) {
        return Stem(name, number) + extension_;
    }

  private:
    std::string extension_;
    std::set<std::string> taken_;  // folded to lower case
};

}  // namespace dossier
