#include <QApplication>

#include "ui/about_box.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(dossier::kApplicationTitle);
    QApplication::setApplicationVersion("4.1");
    QApplication::setDesktopFileName("dossier");
    dossier::MainWindow window;
    window.show();
    return QApplication::exec();
}
