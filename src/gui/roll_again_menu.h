#pragma once

#include <QObject>
#include <optional>

#include "core/record/character_record.h"
#include "frontend/dialogs.h"
#include "gui/file_menu.h"
#include "reroll/reroller.h"

class QLabel;
class QPoint;
class QWidget;

namespace dossier {

// "Roll Again" in the context menu of every value that can be rolled alone: the characteristics,
// the primary traits and the level (beside the boxes' own editing actions), the name and alias
// under the tabs, and the profile's items in its panel. The character on screen, as the window
// shows it, gets the value rolled again and its sheet written anew; nothing else changes.
class RollAgainMenu final : public QObject {
    Q_OBJECT

  public:
    RollAgainMenu(QWidget* window, CharacterRecord& record, FileMenu& files, Dialogs& dialogs,
                  Dice& dice, Dice& nameDice, Dice& profileDice);

    // Offers it on a field's control, a line edit or an editable list's.
    void Offer(Field field, QWidget* control);
    // Offers the targets on a label that shows them, one entry each.
    void Offer(QLabel* label, std::vector<const RerollTarget*> targets);

    void RollAgain(const RerollTarget& target);

  private:
    CharacterRecord& record_;
    FileMenu& files_;
    Dialogs& dialogs_;
    Dice &dice_, &nameDice_, &profileDice_;
    // Made at the first Roll Again: its names' tables would slow every start of the window.
    std::optional<Reroller> reroller_;
};

}  // namespace dossier
