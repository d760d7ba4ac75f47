#pragma once

#include <optional>
#include <string>

namespace dossier {

// What a mode may ask the user for.
enum class Question { Sex, Level };

// How the generation modes talk to the user, whatever the front end.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A modal prompt with an empty text entry, OK and Cancel. Nothing when cancelled.
    virtual std::optional<std::string> Prompt(Question question, const std::string& message,
                                              const std::string& title) = 0;

    // A modal message with OK only and no icon.
    virtual void Message(const std::string& message, const std::string& title) = 0;
};

}  // namespace dossier
