#include "frontend/quick_characters.h"

#include "core/rules/age_handedness.h"

namespace dossier {

QuickCharacters::QuickCharacters(Dice& dice, SheetNamer* namer, SheetProfiler* profiler)
    : record_(StartupRecord(dice)), modes_(record_, *this, *this) {
    modes_.SetNamer(namer);
    modes_.SetProfiler(profiler);
}

std::optional<SavedCharacter> QuickCharacters::Make(const std::string& mode) {
    record_.Reset();
    made_.reset();
    mode_ = mode;
    modes_.Press(Mode::QuickRandom);
    return std::move(made_);
}

void QuickCharacters::Deliver(const CharacterRecord& record, const CharacterSheet& sheet) {
    SheetMoment moment;
    ReadMoment(record, moment);
    made_ = SaveCharacter(record, sheet, moment, mode_);
}

std::optional<std::string> QuickCharacters::Prompt(Question /*question*/,
                                                   const std::string& /*message*/,
                                                   const std::string& /*title*/) {
    return std::nullopt;
}

void QuickCharacters::Message(const std::string& /*message*/, const std::string& /*title*/) {}

}  // namespace dossier
