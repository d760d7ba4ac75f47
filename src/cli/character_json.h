#pragma once

#include <string>

#include "record/character_record.h"
#include "sheet/character_sheet.h"

namespace dossier::cli {

// What the sheet showed of the fields that can change after it was written.
struct SheetMoment {
    std::string glasses;
    std::string loss;
    std::string physique;
};

// One JSON Lines record: every field of the record, the working classes, and the sheet's
// own sections and derived values. Ends with a newline.
std::string CharacterJsonLine(long long index, const char* mode, const CharacterRecord& record,
                              const CharacterSheet& sheet, const SheetMoment& moment);

}  // namespace dossier::cli
