#pragma once

#include <QObject>
#include <QPointer>

#include "core/dice/dice.h"
#include "gui/file_menu.h"
#include "gui/names_menu.h"
#include "gui/network_window.h"
#include "gui/profile_menu.h"

class QMainWindow;
class QMenu;

namespace dossier {

// File > New Network...: a ring of whole characters, named from the Names menu's origin, with
// the Profile menu's role among them, shown in a window of its own. A network's file opened
// by Open Character shows there too; a member chosen there opens in the main window.
class NetworkMenu final : public QObject {
    Q_OBJECT

  public:
    NetworkMenu(QMainWindow* window, QMenu* fileMenu, FileMenu& files, NamesMenu& names,
                ProfileMenu& profiles, Dice& dice, Dialogs& dialogs, FileChooser& chooser);

    void NewNetwork();
    // The network's window, open until the user closes it.
    NetworkWindow* Show(const Network& network);
    NetworkWindow* shown() const { return shown_; }

  private:
    QMainWindow* window_;
    FileMenu& files_;
    NamesMenu& names_;
    ProfileMenu& profiles_;
    Dice& dice_;
    Dialogs& dialogs_;
    FileChooser& chooser_;
    QPointer<NetworkWindow> shown_;
};

}  // namespace dossier
