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

// WordPad on Windows, started by its classic command line as a new program shown normally,
// or where that WordPad is gone, the program Windows associates with the sheet's file type.
// Elsewhere the desktop's application for text files.
class DesktopSheetViewer final : public SheetViewer {
  public:
    bool Open(const std::filesystem::path& sheet) override;
};

}  // namespace dossier
