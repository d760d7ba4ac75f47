#include "frontend/sheet_file_sink.h"

#include "platform/sheet_file.h"

namespace dossier {

void SheetFileSink::Deliver(const CharacterRecord& /*record*/, const CharacterSheet& sheet) {
    if (!tidied_) {
        tidied_ = true;
        RemoveAbandonedTemporaries(path_.has_parent_path() ? path_.parent_path() : ".");
    }
    WriteSheetFile(path_, sheet.text);
}

void KeepingSheetSink::Deliver(const CharacterRecord& record, const CharacterSheet& sheet) {
    SheetMoment moment;
    ReadMoment(record, moment);
    file_.Deliver(record, sheet);  // throws when the sheet cannot be written
    delivered_.emplace(sheet, moment);
}

std::optional<std::pair<CharacterSheet, SheetMoment>> KeepingSheetSink::TakeDelivered() {
    return std::exchange(delivered_, std::nullopt);
}

}  // namespace dossier
