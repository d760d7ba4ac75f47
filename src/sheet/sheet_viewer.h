#pragma once

#include <filesystem>

namespace dossier {

// Opens the sheet file for the user to read, edit or print. Starts the viewer and does not
// wait for it, nor check that the sheet exists. False when nothing could be started.
class SheetViewer {
  public:
    virtual ~SheetViewer() = default;
    virtual bool Open(const std::filesystem::path& sheet) = 0;
};

// On Windows the sheet opens in WordPad at its classic place, with the sheet's path as its
// one argument.
inline constexpr const char* kWordPadProgram = "C:\\Program Files\\Accessories\\Wordpad.exe";

}  // namespace dossier
