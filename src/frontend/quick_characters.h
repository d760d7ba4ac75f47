#pragma once

#include <optional>
#include <string>

#include "core/dice/dice.h"
#include "core/record/character_record.h"
#include "core/saved/saved_character.h"
#include "core/sheet/sheet_namer.h"
#include "core/sheet/sheet_profiler.h"
#include "core/sheet/sheet_sink.h"
#include "frontend/dialogs.h"
#include "frontend/generation_modes.h"

namespace dossier {

// Whole characters one after another by the quick mode, in a record of their own, apart from
// any window's: the members of a network the window makes.
class QuickCharacters final : private SheetSink, private Dialogs {
  public:
    QuickCharacters(Dice& dice, SheetNamer* namer, SheetProfiler* profiler);

    // The next character, saved as made by `mode`; nothing when the mode made none.
    std::optional<SavedCharacter> Make(const std::string& mode);

  private:
    void Deliver(const CharacterRecord& record, const CharacterSheet& sheet) override;
    // The quick mode asks nothing; a question is answered with a cancel.
    std::optional<std::string> Prompt(Question question, const std::string& message,
                                      const std::string& title) override;
    void Message(const std::string& message, const std::string& title) override;

    CharacterRecord record_;
    GenerationModes modes_;
    std::optional<SavedCharacter> made_;
    std::string mode_;
};

}  // namespace dossier
