#include "sheet/sheet_sink.h"

#include "sheet/sheet_file.h"

namespace dossier {

void SheetFileSink::Deliver(const CharacterRecord& /*record*/, CharacterSheet sheet) {
    WriteSheetFile(path_, sheet.text);
}

}  // namespace dossier
