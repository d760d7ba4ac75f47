#pragma once

#include "core/record/character_record.h"
#include "core/sheet/character_sheet.h"
#include "core/sheet/sheet_namer.h"
#include "core/sheet/sheet_profiler.h"
#include "core/sheet/sheet_sink.h"

namespace dossier {

// The four operations that turn the record into a complete character. A value that
// cannot be read as a number stops them with FieldValueError; a sheet that cannot be
// delivered stops them with the sink's error.
class GenerationSequence {
  public:
    GenerationSequence(CharacterRecord& record, SheetSink& sink) : record_(record), sink_(sink) {}

    // Resets the characteristics to their captions and rolls them all; writes no sheet.
    void RollAllCharacteristics();
    // Rolls only the characteristics still at their captions; never military service.
    void RollUnsetCharacteristics();
    // Rolls all six primary traits afresh, completes the character, writes the sheet.
    void RollAllTraits();
    // Keeps typed primary traits, rolls only the empty ones, writes the sheet.
    void RollUnsetTraits();

    void WriteCharacterSheet();

    // Every sheet from now on gets a name and codename from the namer; none with null.
    void SetNamer(SheetNamer* namer) { namer_ = namer; }
    // Every sheet from now on gets a profile from the profiler, after its names; none with null.
    void SetProfiler(SheetProfiler* profiler) { profiler_ = profiler; }

  private:
    CharacterRecord& record_;
    SheetSink& sink_;
    SheetNamer* namer_ = nullptr;
    SheetProfiler* profiler_ = nullptr;
    CharacterSheet sheet_;  // kept, so that each sheet reuses the space of the last
};

}  // namespace dossier
