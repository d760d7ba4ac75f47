#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/saved/saved_character.h"
#include "core/sheet/sheet_sink.h"
#include "frontend/dialogs.h"

namespace dossier::testing {

// Keeps every character whose sheet is delivered, as the record holds it at that moment.
class RecordingSink final : public SheetSink {
  public:
    void Deliver(const CharacterRecord& record, const CharacterSheet& sheet) override {
        SheetMoment moment;
        ReadMoment(record, moment);
        saved.push_back(SaveCharacter(record, sheet, moment, "quick"));
    }
    std::vector<SavedCharacter> saved;
};

// Answers prompts from a queue and logs every dialog as "prompt|message|title" or
// "message|text|title", so tests can pin the exact exchange.
class ScriptedDialogs final : public Dialogs {
  public:
    std::optional<std::string> Prompt(Question /*question*/, const std::string& message,
                                      const std::string& title) override {
        log.push_back("prompt|" + message + "|" + title);
        if (whileShown) whileShown();
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected prompt: " << message;
            return std::nullopt;
        }
        std::optional<std::string> answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void Message(const std::string& message, const std::string& title) override {
        log.push_back("message|" + message + "|" + title);
        if (whileShown) whileShown();
    }
    void Queue(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }
    bool AllAnswered() const { return answers_.empty(); }

    std::vector<std::string> log;
    std::function<void()> whileShown;  // runs while each dialog stands over the window

  private:
    std::deque<std::optional<std::string>> answers_;
};

}  // namespace dossier::testing
