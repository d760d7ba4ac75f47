#pragma once

#include <QObject>

#include "frontend/generation_modes.h"
#include "gui/file_menu.h"
#include "naming/name_drawer.h"

class QAction;
class QLabel;
class QMainWindow;
class QSettings;

namespace dossier {

// The Names menu: whether generations fill in a name and codename, from which origin, and a new
// one for the character on screen. Its choices are remembered between runs; while names are
// filled in, a status line under the tabs shows the character's.
class NamesMenu final : public QObject {
    Q_OBJECT

  public:
    NamesMenu(QMainWindow* window, GenerationModes& modes, FileMenu& files, Dice& dice,
              QSettings& settings);

    // Draws another name and codename for the character on screen and writes its sheet again.
    void NewName();
    QLabel* statusLine() const { return status_; }
    // Whether generations fill in names; a profile turns it on.
    QAction* fillIn() const { return fillIn_; }
    // The origin chosen, empty for any.
    std::string origin() const;

  private:
    void FillIn(bool on);
    void ChooseOrigin(const QString& origin);
    void ShowNames();

    QMainWindow* window_;
    GenerationModes& modes_;
    FileMenu& files_;
    QSettings& settings_;
    NameDrawer drawer_;
    QAction* fillIn_ = nullptr;
    QAction* newName_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace dossier
