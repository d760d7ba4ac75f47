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

// On Windows, WordPad by its classic command line, or wherever else a viewer is to be found
// (WordPad where Windows registers or keeps it, the program for .txt files, Notepad).
// Elsewhere the desktop's application for text files.
class DesktopSheetViewer final : public SheetViewer {
  public:
    bool Open(const std::filesystem::path& sheet) override;
};

}  // namespace dossier
