#pragma once

#include <string>

#include "cli/cli_options.h"
#include "generators/age_handedness.h"
#include "record/character_record.h"
#include "saved/saved_character.h"
#include "sheet/character_sheet.h"

namespace dossier::cli {

// One character generated as the options say: the presets typed into a start-up record,
// then the mode's button pressed, its prompts answered from the options.
struct ModeRun {
    explicit ModeRun(Dice& dice) : record(StartupRecord(dice)) {}

    CharacterRecord record;
    CharacterSheet sheet;
    SheetMoment moment;      // the fields the sheet printed that may change after it
    bool delivered = false;  // a sheet was written
    std::string messages;    // what the dialogs told the user, a line each
};

// listener, when given, hears every write the mode makes (not the presets' own).
bool RunMode(const CliOptions& options, const ModeInfo& mode, ModeRun& run,
             RecordListener* listener = nullptr);

}  // namespace dossier::cli
