#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "record/character_record.h"
#include "ui/dialogs.h"
#include "ui/generation_sequence.h"

namespace dossier {

// How a button press ended.
enum class Outcome {
    Completed,
    Cancelled,      // the user cancelled a prompt; nothing was generated after it
    Failed,         // a value could not be used or the sheet not written; the user was told
    ExitRequested,  // an Exit button: the front end ends the program at once
};

// "Male" for M, m, Male, male; "Female" for F, f, Female, female; nothing otherwise.
std::optional<std::string> SexFromAnswer(std::string_view answer);

// Every button of the window, without the window. Each press runs to its end, asking
// and telling the user through the dialogs, and never lets an error escape.
class GenerationModes {
  public:
    GenerationModes(CharacterRecord& record, SheetSink& sink, Dialogs& dialogs)
        : record_(record), sequence_(record, sink), dialogs_(dialogs) {}

    // The operations that have buttons of their own.
    Outcome cmdGenChars_Click();
    Outcome cmdPrimary_Click();
    Outcome cmdUseParam_Click();

    // The modes built from them.
    Outcome cmdQuikGen_Click();
    Outcome cdmRandwL_Click();
    Outcome cmdRandbySex_Click();
    Outcome cmdrandbySandL_Click();
    Outcome cmdSrandT_Click();
    Outcome cmdTrandC_Click();
    Outcome cmdClear_Click();
    Outcome cmdExit_Click() { return Outcome::ExitRequested; }

  private:
    template <typename Steps>
    Outcome Run(Steps steps);
    bool SexPrompt();
    bool LevelPrompt(const char* message);
    void LevelRoll();
    // cmdGenChars_Click, cmdPrimary_Click, then the glasses rolled again: every quick mode.
    void GenerateWithGlassesReroll();

    CharacterRecord& record_;
    GenerationSequence sequence_;
    Dialogs& dialogs_;
};

}  // namespace dossier
