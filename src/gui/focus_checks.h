#pragma once

#include <QObject>
#include <optional>

#include "core/record/character_record.h"
#include "frontend/dialogs.h"

class QWidget;

namespace dossier {

// The checks that run as the focus leaves the age, the level or the weight. A refused age or
// level keeps the focus, and the click that tried to take it away does nothing else.
class FocusChecks final : public QObject {
  public:
    // controls: the window's control for each field, by the field's index.
    FocusChecks(QWidget* window, CharacterRecord& record, Dialogs& dialogs,
                const std::array<QWidget*, kFieldCount>& controls);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The check of the age or level; false when the field was refused.
    bool CheckLeaving(Field field);
    std::optional<Field> CheckedFieldOf(const QWidget* widget) const;
    bool InWindow(const QWidget* widget) const;

    QWidget* window_;
    CharacterRecord& record_;
    Dialogs& dialogs_;
    const std::array<QWidget*, kFieldCount>& controls_;
    bool checking_ = false;
    bool returningFocus_ = false;
    // The press of the click that took the focus from a refused field, still to come, and its
    // release. A message box may take that release, so the next press forgets it.
    bool swallowPress_ = false;
    bool swallowRelease_ = false;
};

}  // namespace dossier
