#pragma once

#include "core/record/character_record.h"
#include "frontend/dialogs.h"
#include "frontend/generation_sequence.h"
#include "frontend/modes.h"

namespace dossier {

// How a button press ended.
enum class Outcome {
    Completed,
    Cancelled,      // the user cancelled a prompt; nothing was generated after it
    Failed,         // a value could not be used or the sheet not written; the user was told
    ExitRequested,  // an Exit button: the front end ends the program at once
};

// Every button of the window, without the window. Each press runs to its end, asking
// and telling the user through the dialogs, and never lets an error escape.
class GenerationModes {
  public:
    GenerationModes(CharacterRecord& record, SheetSink& sink, Dialogs& dialogs)
        : record_(record), sequence_(record, sink), dialogs_(dialogs) {}

    Outcome Press(Mode mode);

    // Names and codenames for every sheet from now on; none with null.
    void SetNamer(SheetNamer* namer) { sequence_.SetNamer(namer); }
    void SetProfiler(SheetProfiler* profiler) { sequence_.SetProfiler(profiler); }

  private:
    template <typename Steps>
    Outcome Run(Steps steps);
    bool AskSex();
    bool AskLevel(const char* message);
    void RollLevel();
    // Every characteristic and trait rolled, the sheet written, then the glasses rolled again.
    void GenerateWithGlassesReroll();
    void ClearForm();

    CharacterRecord& record_;
    GenerationSequence sequence_;
    Dialogs& dialogs_;
};

}  // namespace dossier
