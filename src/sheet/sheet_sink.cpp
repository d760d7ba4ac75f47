#include "sheet/sheet_sink.h"

#include "sheet/sheet_file.h"

namespace dossier {

void SheetFileSink::Deliver(const CharacterRecord& /*record*/, const CharacterSheet& sheet) {
    if (!tidied_) {
        tidied_ = true;
        RemoveAbandonedTemporaries(path_.has_parent_path() ? path_.parent_path() : ".");
    }
    WriteSheetFile(path_, sheet.text);
}

}  // namespace dossier
