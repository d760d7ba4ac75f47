#pragma once

#include <QObject>

#include "frontend/generation_modes.h"
#include "gui/file_menu.h"
#include "gui/names_menu.h"
#include "profile/profile_drawer.h"

class QAction;
class QDockWidget;
class QLabel;
class QMainWindow;
class QSettings;

namespace dossier {

// The Profile menu: whether generations fill in a profile (and with it a name), with which role,
// and a new one for the character on screen. Its choices are remembered between runs; while
// profiles are filled in, a panel beside the tabs shows the character's.
class ProfileMenu final : public QObject {
    Q_OBJECT

  public:
    ProfileMenu(QMainWindow* window, GenerationModes& modes, FileMenu& files, NamesMenu& names,
                Dice& dice, QSettings& settings);

    // Draws another profile for the character on screen and writes its sheet again.
    void NewProfile();
    QLabel* panel() const { return panel_; }
    // The role chosen, a place in kRoles; nothing for any.
    std::optional<std::size_t> role() const;

  private:
    void FillIn(bool on);
    void ShowProfile();

    GenerationModes& modes_;
    FileMenu& files_;
    QSettings& settings_;
    ProfileDrawer drawer_;
    QAction* fillIn_ = nullptr;
    QAction* newProfile_ = nullptr;
    QDockWidget* dock_ = nullptr;
    QLabel* panel_ = nullptr;
};

}  // namespace dossier
