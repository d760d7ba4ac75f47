#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "gui/about_box.h"
#include "gui/main_window.h"
#include "gui/window_platform.h"

namespace {

const std::string kVersion =
    std::to_string(DOSSIER_VERSION_MAJOR) + "." + std::to_string(DOSSIER_VERSION_MINOR);

constexpr const char* kHeadlessHint =
    "run it on a desktop, or under xvfb-run over SSH and in containers; dossier-cli generates "
    "characters without a display";

// Qt's warnings while it looks for a display; the first says why none was found.
QStringList startupWarnings;

// Qt ends the process with an abort when it cannot reach a display; a user deserves one
// line and a plain failure instead.
void ExitOnFatalStartupMessage(QtMsgType type, const QMessageLogContext& /*context*/,
                               const QString& message) {
    if (type != QtFatalMsg) {
        startupWarnings << message;
        return;
    }
    const QString reason = startupWarnings.isEmpty() ? message : startupWarnings.first();
    std::cerr << "dossier: cannot open the window (" << reason.section('\n', 0, 0).toStdString()
              << "): " << kHeadlessHint << '\n';
    std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so they work where no window can open.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "dossier " << kVersion << '\n';
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << "Usage: dossier [Qt options]\n\n"
                         "Opens the Dossier window, which generates non-player characters and "
                         "writes their character sheets.\n"
                         "dossier-cli generates them headless, one or thousands at a time.\n\n"
                         "  -h, --help   show this help\n"
                         "  --version    show the version\n";
            return 0;
        }
    }
    if (!dossier::PrepareWindowPlatform()) {
        std::cerr << "dossier: no display (DISPLAY and WAYLAND_DISPLAY are not set): "
                  << kHeadlessHint << '\n';
        return 1;
    }
    const QtMessageHandler previous = qInstallMessageHandler(ExitOnFatalStartupMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString& warning : startupWarnings) std::cerr << warning.toStdString() << '\n';
    startupWarnings.clear();
    QApplication::setOrganizationName(dossier::kApplicationTitle);
    QApplication::setApplicationName(dossier::kApplicationTitle);
    QApplication::setApplicationVersion(QString::fromStdString(kVersion));
    QApplication::setDesktopFileName("dossier");
    dossier::MainWindow window;
    window.show();
    return QApplication::exec();
}
