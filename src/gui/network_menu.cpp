#include "gui/network_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include "frontend/quick_characters.h"
#include "naming/name_drawer.h"
#include "network/network_maker.h"
#include "profile/profile_drawer.h"

namespace dossier {

NetworkMenu::NetworkMenu(QMainWindow* window, QMenu* fileMenu, FileMenu& files, NamesMenu& names,
                         ProfileMenu& profiles, Dice& dice, Dialogs& dialogs, FileChooser& chooser)
    : QObject(window),
      window_(window),
      files_(files),
      names_(names),
      profiles_(profiles),
      dice_(dice),
      dialogs_(dialogs),
      chooser_(chooser) {
    fileMenu->addSeparator();
    QAction* action = fileMenu->addAction("New &Network...");
    action->setObjectName("mnuNewNetwork");
    connect(action, &QAction::triggered, this, [this] { NewNetwork(); });
    connect(&files_, &FileMenu::NetworkOpened, this,
            [this](const Network& network) { Show(network); });
}

void NetworkMenu::NewNetwork() {
    const std::optional<int> size = chooser_.AskNumber(
        "New Network",
        QStringLiteral("How many members, %1 to %2?").arg(kSmallestNetwork).arg(kLargestNetwork), 8,
        kSmallestNetwork, kLargestNetwork);
    if (!size) return;
    // Drawers of the network's own: its names are unique among its members, and the main
    // window's names and profiles roll as they would without it.
    NameDrawer namer(dice_, names_.origin());
    ProfileDrawer profiler(dice_);
    QuickCharacters members(dice_, &namer, &profiler);
    bool made = true;
    Network network = MakeNetwork(
        *size, dice_,
        [&](std::size_t role) {
            profiler.SetRole(role);
            std::optional<SavedCharacter> member = members.Make("window");
            made = made && member.has_value();
            return member.value_or(SavedCharacter());
        },
        profiles_.role());
    if (!made) {
        dialogs_.Message("The network's members could not all be generated.", "New Network");
        return;
    }
    Show(network);
}

NetworkWindow* NetworkMenu::Show(const Network& network) {
    auto* shown = new NetworkWindow(network, dialogs_, chooser_, window_);
    shown->setWindowFlag(Qt::Window);
    connect(shown, &NetworkWindow::MemberChosen, this, [this, shown](std::size_t member) {
        if (files_.Open(shown->network().members[member], "Open Character")) {
            window_->raise();
            window_->activateWindow();
        }
    });
    shown->show();
    shown_ = shown;
    return shown;
}

}  // namespace dossier
