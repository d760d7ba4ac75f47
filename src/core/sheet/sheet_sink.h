#pragma once

#include "core/record/character_record.h"
#include "core/sheet/character_sheet.h"

namespace dossier {

// Receives every sheet a generation finishes. The window writes it to the sheet file;
// the CLI streams it or keeps it for JSON. The sheet lives until the next generation: a sink
// that keeps it copies it.
class SheetSink {
  public:
    virtual ~SheetSink() = default;
    virtual void Deliver(const CharacterRecord& record, const CharacterSheet& sheet) = 0;
};

}  // namespace dossier
