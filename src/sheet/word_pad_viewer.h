#pragma once

#include "sheet/sheet_viewer.h"

namespace dossier {

// Windows: the sheet in WordPad, started by its classic command line as a new program shown
// normally with the focus, not waited for; where that WordPad is gone (as on current Windows),
// the program Windows associates with the sheet's file type. False when nothing starts.
class WordPadViewer final : public SheetViewer {
  public:
    bool Open(const std::filesystem::path& sheet) override;
};

}  // namespace dossier
