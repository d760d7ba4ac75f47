#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cli/cli_options.h"
#include "core/record/character_record.h"
#include "core/saved/saved_character.h"
#include "core/sheet/character_sheet.h"
#include "core/sheet/sheet_sink.h"
#include "frontend/generation_modes.h"

namespace dossier::cli {

using Presets = std::vector<std::pair<Field, std::string>>;

// Generates characters one after another as the options say: the presets typed into a
// start-up record, then the mode's button pressed, its prompts answered from the options.
// One record, one sheet and one set of modes serve the whole batch.
class ModeRunner final : private SheetSink, private Dialogs {
  public:
    ModeRunner(const CliOptions& options, Dice& dice);

    // True when the mode made a character; what it made stays until the next run. listener,
    // when given, hears every write the mode makes (not the presets' own).
    bool Run(const ModeInfo& mode, const Presets& presets, RecordListener* listener = nullptr);

    const CharacterRecord& record() const { return record_; }
    const CharacterSheet& sheet() const { return *sheet_; }
    const SheetMoment& moment() const { return moment_; }
    const std::string& messages() const { return messages_; }

    // Names and codenames for the characters from now on; none with null.
    void SetNamer(SheetNamer* namer) { modes_.SetNamer(namer); }
    void SetProfiler(SheetProfiler* profiler) { modes_.SetProfiler(profiler); }

  private:
    void Deliver(const CharacterRecord& record, const CharacterSheet& sheet) override;
    std::optional<std::string> Prompt(Question question, const std::string& message,
                                      const std::string& title) override;
    void Message(const std::string& message, const std::string& title) override;

    const CliOptions& options_;
    CharacterRecord record_;
    GenerationModes modes_;
    const CharacterSheet* sheet_ = nullptr;
    SheetMoment moment_;  // what the sheet printed of the fields that change after it
    std::string messages_;
    bool askedSex_ = false;
    bool askedLevel_ = false;
};

}  // namespace dossier::cli
