#include "gui/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

#include "core/rules/age_handedness.h"
#include "gui/about_box.h"
#include "gui/focus_checks.h"
#include "gui/window_layout.h"
#include "platform/utf8_text.h"
#include "resources/dossier.xpm"

namespace dossier {

MainWindow::MainWindow(WindowServices services)
    : QMainWindow(nullptr),
      services_(std::move(services)),
      own_(std::make_unique<OwnServices>(services_, this)),
      record_(std::make_unique<CharacterRecord>(StartupRecord(*services_.dice))),
      sink_(std::make_unique<KeepingSheetSink>(services_.sheetPath)),
      modes_(std::make_unique<GenerationModes>(*record_, *sink_, *services_.dialogs)) {
    setObjectName("frmCharGen");
    setWindowTitle("Character Generation");
    setWindowIcon(QIcon(QPixmap(dossier_icon_xpm)));
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    auto* client = new QWidget(this);
    client->setFixedSize(Px(7905), Px(5580));
    setCentralWidget(client);

    tabs_ = new QTabWidget(client);
    tabs_->setObjectName("SSTab1");
    tabs_->setGeometry(Px(360), Px(0), Px(7335), Px(5535));
    new WindowLayout(tabs_);
    tabs_->setCurrentIndex(0);

    for (const FieldInfo& info : kFields) Bind(info.field, findChild<QWidget*>(info.name.data()));
    for (const ModeButton& button : kModeButtons) {
        connect(findChild<QPushButton*>(button.name), &QPushButton::clicked, this,
                [this, mode = button.mode] { Press(mode); });
    }
    for (const char* name : kViewButtons) {
        connect(findChild<QPushButton*>(name), &QPushButton::clicked, this,
                [this] { OpenSheetInViewer(); });
    }
    auto* cmdUserChars = findChild<QPushButton*>("cmdUserChars");
    cmdUserChars->setEnabled(false);
    cmdUserChars->setFocusPolicy(Qt::NoFocus);
    BuildMenu();
    rollAgain_ = new RollAgainMenu(this, *record_, *fileMenu_, *services_.dialogs, *services_.dice,
                                   *services_.nameDice, *services_.profileDice);
    for (const FieldInfo& info : kFields) rollAgain_->Offer(info.field, Control(info.field));
    const auto targets = [](std::initializer_list<const char*> words) {
        std::vector<const RerollTarget*> found;
        for (const char* word : words) found.push_back(FindRerollTarget(word));
        return found;
    };
    rollAgain_->Offer(namesMenu_->statusLine(), targets({"name", "alias"}));
    rollAgain_->Offer(profileMenu_->panel(),
                      targets({"role", "motive", "leverage", "loyalty", "mannerism", "cover"}));
    QWidget* previous = nullptr;
    for (const char* name : kTabOrder) {
        QWidget* widget = findChild<QWidget*>(name);
        if (previous != nullptr) setTabOrder(previous, widget);
        previous = widget;
    }

    record_->working.sexFixed = 0;  // as the window loads
    Refresh();
    record_->SetListener(this);
    // For the whole application: focus changes and clicks must be seen before they reach the
    // widget that takes the focus.
    focusChecks_ = new FocusChecks(this, *record_, *services_.dialogs, controls_);
    qApp->installEventFilter(focusChecks_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(focusChecks_);
    delete about_.data();
}

AboutBox* MainWindow::aboutBox() const {
    return about_.data();
}

void MainWindow::BuildMenu() {
    QMenu* mnuFile = menuBar()->addMenu("&File");
    fileMenu_ = new FileMenu(mnuFile, *record_, *sink_, *services_.dialogs, *services_.files);
    namesMenu_ = new NamesMenu(this, *modes_, *fileMenu_, *services_.nameDice, *services_.settings);
    profileMenu_ = new ProfileMenu(this, *modes_, *fileMenu_, *namesMenu_, *services_.profileDice,
                                   *services_.settings);
    networkMenu_ = new NetworkMenu(this, mnuFile, *fileMenu_, *namesMenu_, *profileMenu_,
                                   *services_.networkDice, *services_.dialogs, *services_.files);
    QMenu* mnuHelp = menuBar()->addMenu("&Help");
    mnuHelp->setObjectName("mnuHelp");
    QAction* mnuAbout = mnuHelp->addAction("&About");
    mnuAbout->setObjectName("mnuAbout");
    connect(mnuAbout, &QAction::triggered, this, [this] { ShowAbout(); });
}

void MainWindow::Bind(Field field, QWidget* control) {
    controls_[Index(field)] = control;
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        connect(combo, &QComboBox::editTextChanged, this,
                [this, field, combo](const QString& text) {
                    // Narrow lists cut long texts; the whole text is a hover or a screen reader
                    // away.
                    combo->setToolTip(text.trimmed().isEmpty() ? QString() : text);
                    combo->setAccessibleDescription(text);
                    OnEdited(field, text);
                });
    } else if (auto* text = qobject_cast<QLineEdit*>(control)) {
        connect(text, &QLineEdit::textChanged, this,
                [this, field](const QString& value) { OnEdited(field, value); });
    }
}

void MainWindow::OnEdited(Field field, const QString& text) {
    if (refreshing_) return;
    record_->Write(field, text.toStdString());
}

void MainWindow::FieldWritten(Field field) {
    ShowField(field);
}

void MainWindow::ShowField(Field field) {
    QWidget* control = controls_[Index(field)];
    QLineEdit* line = qobject_cast<QLineEdit*>(control);
    if (auto* combo = qobject_cast<QComboBox*>(control)) line = combo->lineEdit();
    const QString text = QString::fromUtf8(record_->Text(field));
    if (line == nullptr || line->text() == text) return;
    const bool wasRefreshing = refreshing_;
    refreshing_ = true;
    line->setText(text);
    // Show a long text from its start, as it reads, unless the user is typing in it.
    if (!line->hasFocus()) line->setCursorPosition(0);
    refreshing_ = wasRefreshing;
}

void MainWindow::Refresh() {
    for (const FieldInfo& info : kFields) ShowField(info.field);
}

void MainWindow::Press(Mode mode) {
    const Outcome outcome = modes_->Press(mode);
    fileMenu_->PressEnded();
    if (outcome == Outcome::ExitRequested) Exit();
}

void MainWindow::Exit() {
    if (about_) about_->close();
    services_.exitProgram();
}

void MainWindow::ShowAbout() {
    if (!about_) about_ = new AboutBox(nullptr);  // no owner: the main window stays usable
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::OpenSheetInViewer() {
    if (services_.viewer->Open(sink_->path())) return;
    services_.dialogs->Message("No program could be started to open the character sheet. Open " +
                                   PathToUtf8(sink_->path()) + " with a text editor.",
                               "Open Word Pad");
}

}  // namespace dossier
