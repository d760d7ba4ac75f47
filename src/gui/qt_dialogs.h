#pragma once

#include <QPointer>
#include <QWidget>

#include "frontend/dialogs.h"

namespace dossier {

// The dialogs as modal Qt windows: QInputDialog for prompts, QMessageBox with OK only
// and no icon for messages.
class QtDialogs final : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> Prompt(Question question, const std::string& message,
                                      const std::string& title) override;
    void Message(const std::string& message, const std::string& title) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace dossier
