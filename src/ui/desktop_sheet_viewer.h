#pragma once

#include "sheet/sheet_viewer.h"

namespace dossier {

// WordPad on Windows, falling back to the program associated with .txt files (current
// Windows has no WordPad); the desktop's default text application elsewhere.
class DesktopSheetViewer final : public SheetViewer {
  public:
    bool Open(const std::filesystem::path& sheet) override;
};

}  // namespace dossier
