#pragma once

#include "sheet/sheet_viewer.h"

namespace dossier {

// WordPad on Windows (see WordPadViewer); the desktop's default text application elsewhere.
class DesktopSheetViewer final : public SheetViewer {
  public:
    bool Open(const std::filesystem::path& sheet) override;
};

}  // namespace dossier
