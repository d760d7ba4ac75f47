#include "cli/mode_run.h"

#include "sheet/sheet_sink.h"
#include "ui/generation_modes.h"

namespace dossier::cli {

namespace {

// Keeps the sheet a mode delivers, with the fields that may change after it.
class CaptureSink final : public SheetSink {
  public:
    explicit CaptureSink(ModeRun& run) : run_(run) {}
    void Deliver(const CharacterRecord& record, CharacterSheet sheet) override {
        run_.sheet = std::move(sheet);
        run_.moment = {record.Text(Field::cboGlasses), record.Text(Field::cboLoss),
                       record.Text(Field::cboPhysique)};
        run_.delivered = true;
    }

  private:
    ModeRun& run_;
};

// Answers each prompt once from the options; asked again means the answer was refused,
// and a terminal has no one to ask, so the second time counts as a cancel.
class PresetAnswers final : public Dialogs {
  public:
    PresetAnswers(const CliOptions& options, std::string& messages)
        : options_(options), messages_(messages) {}

    std::optional<std::string> Prompt(const std::string& /*message*/,
                                      const std::string& title) override {
        const bool sex = title == "Sex";
        bool& asked = sex ? askedSex_ : askedLevel_;
        if (asked) return std::nullopt;
        asked = true;
        return sex ? options_.sexAnswer : options_.levelAnswer;
    }
    void Message(const std::string& message, const std::string& title) override {
        messages_ += "dossier-cli: " + title + ": " + message + '\n';
    }

  private:
    const CliOptions& options_;
    std::string& messages_;
    bool askedSex_ = false;
    bool askedLevel_ = false;
};

}  // namespace

bool RunMode(const CliOptions& options, const ModeInfo& mode, ModeRun& run,
             RecordListener* listener) {
    for (const auto& [field, text] : options.presets) run.record.Write(field, text);
    run.record.SetListener(listener);
    CaptureSink sink(run);
    PresetAnswers answers(options, run.messages);
    GenerationModes modes(run.record, sink, answers);
    const Outcome outcome = (modes.*(mode.press))();
    run.record.SetListener(nullptr);
    return outcome == Outcome::Completed && run.delivered;
}

}  // namespace dossier::cli
