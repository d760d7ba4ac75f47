// Starts either the Dossier window or a bare Qt window and quits at its first painted
// frame, so that whole-process timings compare the two start-ups.
#include <QApplication>
#include <QWidget>
#include <cstring>

#include "gui/main_window.h"

namespace {

class QuitOnFirstPaint final : public QObject {
  public:
    explicit QuitOnFirstPaint(QWidget* window) : window_(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint) QCoreApplication::exit(0);
        return false;
    }

  private:
    QWidget* window_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = std::make_unique<QWidget>();
        window->resize(527, 392);
    } else {
        window = std::make_unique<dossier::MainWindow>();
    }
    QuitOnFirstPaint quit(window.get());
    window->installEventFilter(&quit);
    window->show();
    return QApplication::exec();
}
