// Renders each tab of the window and the about box to PNG files, for the README.
//   dossier_screenshots [FOLDER]
// Or saves what the display shows of a window of another program, such as dossier.exe under
// Wine, found by its X window id (xdotool search):
//   dossier_screenshots --window ID FILE.png
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>

#include "core/dice/random_dice.h"
#include "frontend/generation_modes.h"
#include "gui/about_box.h"
#include "gui/file_chooser.h"
#include "gui/main_window.h"
#include "gui/window_platform.h"

namespace {

// Answers New Network's question with eight members; asks nothing else.
class EightMembers final : public dossier::FileChooser {
  public:
    std::optional<std::filesystem::path> SaveFile(const QString&, const QString&,
                                                  const QString&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> OpenFile(const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<int> ChooseOne(const QString&, const QString&, const QStringList&) override {
        return std::nullopt;
    }
    std::optional<int> AskNumber(const QString&, const QString&, int, int, int) override {
        return 8;
    }
    bool Print(const QString&, const std::function<void(QPagedPaintDevice&)>&) override {
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    dossier::PrepareWindowPlatform();
    QApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--window") {
        const auto id = static_cast<WId>(QByteArray(argv[2]).toULongLong());
        return QGuiApplication::primaryScreen()->grabWindow(id).save(
                   QString::fromLocal8Bit(argv[3]))
                   ? 0
                   : 1;
    }
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(folder);

    dossier::SeededDice dice(4);
    dossier::SeededDice nameDice(4);
    dossier::SeededDice profileDice(4);
    dossier::SeededDice networkDice(5);
    EightMembers files;
    // Settings of its own: the pictures never depend on what a user chose.
    QSettings settings(QDir::tempPath() + "/dossier-screenshot-settings.ini", QSettings::IniFormat);
    settings.clear();
    dossier::WindowServices services;
    services.dice = &dice;
    services.nameDice = &nameDice;
    services.profileDice = &profileDice;
    services.networkDice = &networkDice;
    services.files = &files;
    services.settings = &settings;
    services.sheetPath = (QDir::tempPath() + "/dossier-screenshot-char.txt").toStdString();
    dossier::MainWindow window(services);
    window.show();
    const char* names[] = {"characteristics", "traits", "quick-generation"};

    QTimer::singleShot(300, [&] {
        for (int tab = 0; tab < 3; ++tab) {
            window.tabs()->setCurrentIndex(tab);
            QApplication::processEvents();
            window.grab().save(folder + "/" + names[tab] + ".png");
        }
        // The same window after "Completely Random Generation".
        window.tabs()->setCurrentIndex(2);
        QMetaObject::invokeMethod(window.findChild<QObject*>("cmdQuikGen"), "click");
        for (int tab = 0; tab < 2; ++tab) {
            window.tabs()->setCurrentIndex(tab);
            QApplication::processEvents();
            window.grab().save(folder + "/" + names[tab] + "-generated.png");
        }
        // The File menu open over the window, as the screen shows it.
        auto* file = window.findChild<QMenu*>("mnuFile");
        file->popup(window.mapToGlobal(
            window.menuBar()->actionGeometry(window.menuBar()->actions()[0]).bottomLeft()));
        QTimer::singleShot(300, [&, file] {
            const QRect shown = window.frameGeometry().united(file->geometry());
            QGuiApplication::primaryScreen()
                ->grabWindow(0, shown.x(), shown.y(), shown.width(), shown.height())
                .save(folder + "/file-menu.png");
            file->hide();
            window.ShowAbout();
            QApplication::processEvents();
            QTimer::singleShot(300, [&] {
                window.aboutBox()->grab().save(folder + "/about.png");
                window.aboutBox()->close();
                // Names filled in: the status line under the tabs shows them.
                window.findChild<QAction*>("mnuFillInNames")->trigger();
                window.tabs()->setCurrentIndex(2);
                QMetaObject::invokeMethod(window.findChild<QObject*>("cmdQuikGen"), "click");
                window.tabs()->setCurrentIndex(0);
                QApplication::processEvents();
                window.grab().save(folder + "/names-status.png");
                // A profile filled in: the panel beside the tabs shows it.
                window.findChild<QAction*>("mnuFillInProfile")->trigger();
                window.tabs()->setCurrentIndex(2);
                QMetaObject::invokeMethod(window.findChild<QObject*>("cmdQuikGen"), "click");
                window.tabs()->setCurrentIndex(0);
                QApplication::processEvents();
                window.grab().save(folder + "/profile-panel.png");
                // A right-click on the height: Roll Again above the box's own actions.
                auto* height = window.findChild<QComboBox*>("cboHeight")->lineEdit();
                emit height->customContextMenuRequested(QPoint(10, 8));
                QTimer::singleShot(300, [&] {
                    QRect area = window.frameGeometry();
                    for (QWidget* popup : QApplication::topLevelWidgets())
                        if (popup->isVisible() && popup->objectName() == "mnuRollAgain")
                            area = area.united(popup->geometry());
                    QGuiApplication::primaryScreen()
                        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                        .save(folder + "/roll-again-menu.png");
                    // A network of eight in its own window.
                    window.findChild<QAction*>("mnuNewNetwork")->trigger();
                    QWidget* network = window.networkMenu()->shown();
                    network->resize(1000, 620);
                    QTimer::singleShot(300, [&, network] {
                        network->grab().save(folder + "/network-window.png");
                        QApplication::quit();
                    });
                });
            });
        });
    });
    return QApplication::exec();
}
