#include "gui/names_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>

#include "printing/qt_text.h"

namespace dossier {

namespace {

constexpr const char* kFillInKey = "names/fillIn";
constexpr const char* kOriginKey = "names/origin";  // empty for any

}  // namespace

NamesMenu::NamesMenu(QMainWindow* window, GenerationModes& modes, FileMenu& files, Dice& dice,
                     QSettings& settings)
    : QObject(window),
      window_(window),
      modes_(modes),
      files_(files),
      settings_(settings),
      drawer_(dice) {
    QMenu* menu = window->menuBar()->addMenu("&Names");
    menu->setObjectName("mnuNames");
    fillIn_ = menu->addAction("&Fill In Name and Alias");
    fillIn_->setObjectName("mnuFillInNames");
    fillIn_->setCheckable(true);
    QMenu* origins = menu->addMenu("&Origin");
    origins->setObjectName("mnuOrigin");
    auto* group = new QActionGroup(origins);
    const QString chosen = settings_.value(kOriginKey).toString();
    const auto addOrigin = [&](const QString& caption, const QString& origin) {
        QAction* action = origins->addAction(caption);
        action->setCheckable(true);
        action->setActionGroup(group);
        action->setChecked(origin == chosen);
        connect(action, &QAction::triggered, this, [this, origin] { ChooseOrigin(origin); });
    };
    addOrigin("Any", QString());
    for (const OriginNames& names : NameOrigins())
        addOrigin(ToQString(names.origin), ToQString(names.origin));
    if (group->checkedAction() == nullptr) group->actions().front()->setChecked(true);
    drawer_.SetOrigin(FindOrigin(chosen.toStdString()).value_or(""));
    newName_ = menu->addAction("&New Name");
    newName_->setObjectName("mnuNewName");
    newName_->setShortcut(QKeySequence::New);
    connect(newName_, &QAction::triggered, this, [this] { NewName(); });

    status_ = new QLabel(window);
    status_->setObjectName("lblNames");
    status_->setAccessibleName("Name and alias");
    window->statusBar()->setSizeGripEnabled(false);
    window->statusBar()->addWidget(status_);
    connect(&files_, &FileMenu::CurrentChanged, this, [this] { ShowNames(); });
    fillIn_->setChecked(settings_.value(kFillInKey, false).toBool());
    FillIn(fillIn_->isChecked());
    connect(fillIn_, &QAction::toggled, this, [this](bool on) {
        settings_.setValue(kFillInKey, on);
        FillIn(on);
    });
}

void NamesMenu::FillIn(bool on) {
    modes_.SetNamer(on ? &drawer_ : nullptr);
    newName_->setEnabled(on);
    // Off, the window is as it always was: no status line under the tabs.
    window_->statusBar()->setVisible(on);
    ShowNames();
}

void NamesMenu::ChooseOrigin(const QString& origin) {
    settings_.setValue(kOriginKey, origin);
    drawer_.SetOrigin(origin.toStdString());
}

void NamesMenu::ShowNames() {
    const SavedCharacter* current = files_.current();
    const CharacterNames names = current != nullptr ? current->names : CharacterNames{};
    const QString text =
        names.empty() ? QString()
                      : "Name: " + ToQString(names.name) + "   Alias: " + ToQString(names.alias);
    status_->setText(text);
    status_->setAccessibleDescription(text);
}

void NamesMenu::NewName() {
    // With no character on screen, the file menu says so.
    const SavedCharacter* current = files_.current();
    drawer_.Fix(std::nullopt, std::nullopt);
    files_.Rename(current != nullptr ? drawer_.Draw(current->Text(Field::cboSex))
                                     : CharacterNames{});
}

std::string NamesMenu::origin() const {
    return settings_.value(kOriginKey).toString().toStdString();
}

}  // namespace dossier
