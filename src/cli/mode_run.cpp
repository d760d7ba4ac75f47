#include "cli/mode_run.h"

#include "core/rules/age_handedness.h"

namespace dossier::cli {

ModeRunner::ModeRunner(const CliOptions& options, Dice& dice)
    : options_(options), record_(StartupRecord(dice)), modes_(record_, *this, *this) {}

bool ModeRunner::Run(const ModeInfo& mode, const Presets& presets, RecordListener* listener) {
    record_.Reset();
    sheet_ = nullptr;
    messages_.clear();
    askedSex_ = askedLevel_ = false;
    for (const auto& [field, text] : presets) record_.Write(field, text);
    record_.SetListener(listener);
    const Outcome outcome = modes_.Press(mode.mode);
    record_.SetListener(nullptr);
    return outcome == Outcome::Completed && sheet_ != nullptr;
}

void ModeRunner::Deliver(const CharacterRecord& record, const CharacterSheet& sheet) {
    sheet_ = &sheet;
    ReadMoment(record, moment_);
}

// Each prompt is answered once from the options; asked again means the answer was refused,
// and a terminal has no one to ask, so the second time counts as a cancel.
std::optional<std::string> ModeRunner::Prompt(Question question, const std::string& /*message*/,
                                              const std::string& /*title*/) {
    const bool sex = question == Question::Sex;
    bool& asked = sex ? askedSex_ : askedLevel_;
    if (asked) return std::nullopt;
    asked = true;
    return sex ? options_.sexAnswer : options_.levelAnswer;
}

void ModeRunner::Message(const std::string& message, const std::string& title) {
    messages_ += "dossier-cli: " + title + ": " + message + '\n';
}

}  // namespace dossier::cli
