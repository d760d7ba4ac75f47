#include "gui/profile_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "printing/qt_text.h"
#include "profile/profile_tables.h"

namespace dossier {

namespace {

constexpr const char* kFillInKey = "profile/fillIn";
constexpr const char* kRoleKey = "profile/role";  // empty for any

// The profile as the panel shows it: one item a line, the motive's detail under the motive.
std::vector<std::pair<QString, QString>> Items(const CharacterProfile& p) {
    if (p.empty()) return {};
    return {{"Role", ToQString(p.role)},
            {"Loyalty", ToQString(p.loyalty)},
            {"Motive", ToQString(p.motive) + ": " + ToQString(p.motiveDetail)},
            {"Leverage", ToQString(p.leverage)},
            {"Mannerism", ToQString(p.mannerism)},
            {"Cover", ToQString(p.cover.name) + ", " + ToQString(p.cover.occupation)},
            {"Cover status", ToQString(p.cover.status)}};
}

}  // namespace

ProfileMenu::ProfileMenu(QMainWindow* window, GenerationModes& modes, FileMenu& files,
                         NamesMenu& names, Dice& dice, QSettings& settings)
    : QObject(window), modes_(modes), files_(files), settings_(settings), drawer_(dice) {
    QMenu* menu = window->menuBar()->addMenu("&Profile");
    menu->setObjectName("mnuProfile");
    fillIn_ = menu->addAction("&Fill In Profile");
    fillIn_->setObjectName("mnuFillInProfile");
    fillIn_->setCheckable(true);
    QMenu* roles = menu->addMenu("&Role");
    roles->setObjectName("mnuRole");
    auto* group = new QActionGroup(roles);
    const std::optional<std::size_t> chosen =
        FindRole(settings_.value(kRoleKey).toString().toStdString());
    const auto addRole = [&](const QString& caption, std::optional<std::size_t> role) {
        QAction* action = roles->addAction(caption);
        action->setCheckable(true);
        action->setActionGroup(group);
        action->setChecked(role == chosen);
        connect(action, &QAction::triggered, this, [this, caption, role] {
            settings_.setValue(kRoleKey, role ? caption : QString());
            drawer_.SetRole(role);
        });
    };
    addRole("Any", std::nullopt);
    for (std::size_t i = 0; i < std::size(kRoles); ++i) addRole(ToQString(kRoles[i]), i);
    drawer_.SetRole(chosen);
    newProfile_ = menu->addAction("&New Profile");
    newProfile_->setObjectName("mnuNewProfile");
    connect(newProfile_, &QAction::triggered, this, [this] { NewProfile(); });

    panel_ = new QLabel;
    panel_->setObjectName("lblProfile");
    panel_->setAccessibleName("Profile");
    panel_->setWordWrap(true);
    panel_->setTextFormat(Qt::RichText);
    panel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    panel_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    panel_->setFixedWidth(panel_->fontMetrics().averageCharWidth() * 36);
    panel_->setMargin(6);
    dock_ = new QDockWidget("Profile", window);
    dock_->setObjectName("dockProfile");
    dock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock_->setWidget(panel_);
    window->addDockWidget(Qt::RightDockWidgetArea, dock_);
    connect(&files_, &FileMenu::CurrentChanged, this, [this] { ShowProfile(); });

    // A profile belongs to a named character: it turns names on, and names off turns it off.
    QAction* namesOn = names.fillIn();
    fillIn_->setChecked(settings_.value(kFillInKey, false).toBool() && namesOn->isChecked());
    FillIn(fillIn_->isChecked());
    connect(fillIn_, &QAction::toggled, this, [this, namesOn](bool on) {
        settings_.setValue(kFillInKey, on);
        if (on) namesOn->setChecked(true);
        FillIn(on);
    });
    connect(namesOn, &QAction::toggled, this, [this](bool on) {
        if (!on) fillIn_->setChecked(false);
    });
}

void ProfileMenu::FillIn(bool on) {
    modes_.SetProfiler(on ? &drawer_ : nullptr);
    newProfile_->setEnabled(on);
    // Off, the window is as it always was: no panel beside the tabs.
    dock_->setVisible(on);
    ShowProfile();
}

void ProfileMenu::ShowProfile() {
    const SavedCharacter* current = files_.current();
    const auto items = Items(current != nullptr ? current->profile : CharacterProfile{});
    QString shown, read;
    for (const auto& [label, value] : items) {
        shown += "<p style=\"margin-bottom:4px\"><b>" + label + "</b><br>" + value.toHtmlEscaped() +
                 "</p>";
        read += label + ": " + value + "\n";
    }
    if (items.empty()) shown = read = "No profile yet: generate a character.";
    panel_->setText(shown);
    panel_->setAccessibleDescription(read.trimmed());
}

void ProfileMenu::NewProfile() {
    // With no character on screen, the file menu says so.
    const SavedCharacter* current = files_.current();
    drawer_.Keep(std::nullopt);
    files_.Reprofile(current != nullptr ? drawer_.Draw(current->Text(Field::cboSex), current->names)
                                        : CharacterProfile{});
}

std::optional<std::size_t> ProfileMenu::role() const {
    return FindRole(settings_.value(kRoleKey).toString().toStdString());
}

}  // namespace dossier
