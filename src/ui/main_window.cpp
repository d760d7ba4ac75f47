#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "../../resources/dossier.xpm"
#include "generators/age_handedness.h"
#include "platform/utf8_text.h"
#include "record/random_dice.h"
#include "sheet/sheet_file.h"
#include "ui/about_box.h"
#include "ui/desktop_sheet_viewer.h"
#include "ui/field_validation.h"
#include "ui/fitting_line_edit.h"
#include "ui/qt_dialogs.h"
#include "ui/wrapping_button.h"

namespace dossier {

namespace {

// Positions are given in twips; 15 make one logical pixel, and Qt scales for the screen.
int Px(int twips) {
    return (twips + 7) / 15;
}
QRect Twips(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QLabel* AddLabel(QWidget* parent, const char* name, const char* caption, const QRect& geometry,
                 QWidget* buddy) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (buddy != nullptr) {
        label->setBuddy(buddy);
        buddy->setAccessibleName(caption);
    }
    return label;
}

QGroupBox* AddFrame(QWidget* parent, const char* name, const char* caption) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

QComboBox* MakeCombo(QWidget* parent, Field field, const QStringList& entries) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(Q(FieldName(field)));
    // Typing is a value, never completed to an entry: a line edit that already has a
    // completer keeps the combo box from building its own, a costly part of start-up.
    auto* line = new QLineEdit(combo);
    line->setCompleter(new QCompleter(line));
    combo->setLineEdit(line);
    line->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);  // nor added to the list
    combo->addItems(entries);
    combo->setCurrentIndex(-1);
    return combo;
}

QLineEdit* MakeText(QWidget* parent, Field field, bool computed) {
    auto* text = new FittingLineEdit(parent);
    text->setObjectName(Q(FieldName(field)));
    text->setReadOnly(computed);
    return text;
}

}  // namespace

MainWindow::MainWindow(WindowServices services) : QMainWindow(nullptr) {
    Dice* dice = services.dice;
    if (dice == nullptr) {
        ownDice_ = std::make_unique<ClockDice>();
        dice = ownDice_.get();
    }
    dialogs_ = services.dialogs;
    if (dialogs_ == nullptr) {
        ownDialogs_ = std::make_unique<QtDialogs>(this);
        dialogs_ = ownDialogs_.get();
    }
    viewer_ = services.viewer;
    if (viewer_ == nullptr) {
        ownViewer_ = std::make_unique<DesktopSheetViewer>();
        viewer_ = ownViewer_.get();
    }
    files_ = services.files;
    if (files_ == nullptr) {
        ownFiles_ = std::make_unique<QtFileChooser>(this);
        files_ = ownFiles_.get();
    }
    exitProgram_ = services.exitProgram ? services.exitProgram : [] { QCoreApplication::exit(0); };
    record_ = std::make_unique<CharacterRecord>(StartupRecord(*dice));
    sink_ = std::make_unique<KeepingSheetSink>(services.sheetPath.empty() ? DefaultSheetPath()
                                                                          : services.sheetPath);
    modes_ = std::make_unique<GenerationModes>(*record_, *sink_, *dialogs_);

    setObjectName("frmCharGen");
    setWindowTitle("Character Generation");
    setWindowIcon(QIcon(QPixmap(dossier_icon_xpm)));
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    auto* client = new QWidget(this);
    client->setFixedSize(Px(7905), Px(5580));
    setCentralWidget(client);

    SSTab1_ = new QTabWidget(client);
    SSTab1_->setObjectName("SSTab1");
    SSTab1_->setGeometry(Twips(360, 0, 7335, 5535));
    const char* tabNames[] = {"Characteristics", "Traits", "Quick Generation"};
    for (const char* name : tabNames) {
        auto* page = new QWidget;
        pages_.push_back({page, {}});
        SSTab1_->addTab(page, name);
    }
    BuildCharacteristicsTab(pages_[0].first);
    BuildTraitsTab(pages_[1].first);
    BuildQuickGenerationTab(pages_[2].first);
    SSTab1_->setCurrentIndex(0);
    BuildMenu();
    SetTabOrder();

    record_->working.sexFixed = 0;  // Form_Load
    Refresh();
    record_->SetListener(this);
    // One filter for the whole application: focus changes and clicks must be seen before
    // they reach the widget that takes the focus.
    qApp->installEventFilter(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    delete about_.data();
}

AboutBox* MainWindow::aboutBox() const {
    return about_.data();
}

void MainWindow::PlaceOnPage(QWidget* page, QWidget* widget, const QRect& twips) {
    for (auto& [candidate, placements] : pages_) {
        if (candidate == page) placements.push_back({widget, twips});
    }
}

void MainWindow::LayOutPage(QWidget* page) {
    const QPoint offset = page->mapTo(SSTab1_, QPoint(0, 0));
    for (const auto& [candidate, placements] : pages_) {
        if (candidate != page) continue;
        for (const Placement& placement : placements) {
            placement.widget->setGeometry(placement.rect.translated(-offset));
        }
    }
}

void MainWindow::BuildCharacteristicsTab(QWidget* page) {
    QGroupBox* fraChar = AddFrame(page, "fraChar", "Characteristic Selection");
    PlaceOnPage(page, fraChar, Twips(600, 480, 4095, 2775));

    QStringList heights;
    for (int inches = 61; inches <= 76; ++inches) {
        heights << QString("%1'%2\"").arg(inches / 12).arg(inches % 12);
    }
    struct ComboRow {
        const char* label;
        const char* caption;
        Field field;
        int left, top;
        QStringList entries;
    };
    const ComboRow rows[] = {{"lblSex", "Gender", Field::cboSex, 120, 480, {"Female", "Male"}},
                             {"lblRace",
                              "Race",
                              Field::cboRace,
                              2400,
                              480,
                              {"Asian", "Black", "Middle Eastern", "Native American", "White"}},
                             {"Hair",
                              "Hair Color",
                              Field::cboHair,
                              120,
                              1080,
                              {"Blonde", "Brown/Brunette", "Red/Auburn", "Black", "Gray"}},
                             {"lblHeight", "Height", Field::cboHeight, 2400, 1080, heights},
                             {"lblHandedness",
                              "Handedness",
                              Field::cboHandedness,
                              120,
                              1680,
                              {"Right", "Left", "Ambidextrous"}},
                             {"lblWeight", "Weight", Field::cboWeight, 2400, 1680, {}},
                             {"lblMilitary",
                              "Military Service",
                              Field::cboMilitary,
                              120,
                              2280,
                              {"General",
                               "Admiral",
                               "Colonel",
                               "Captain",
                               "Lt. Colonel",
                               "Commander",
                               "Major",
                               "Lt. Commander",
                               "Lieutenant",
                               "First Lt.",
                               "Lt. j.g.",
                               "Second Lt.",
                               "Chief Master Sgt.",
                               "Command Sgt. Major",
                               "Master Gunnery Sgt.",
                               "Master Chief Petty Officer",
                               "Master Sgt.",
                               "Senior Master Sgt.",
                               "Senior Chief Petty Officer",
                               "Sgt. 1st Class",
                               "Gunnery Sgt.",
                               "Chief Petty Officer",
                               "Staff Sgt.",
                               "Tech. Sgt.",
                               "Petty Officer 1st Class",
                               "Petty Officer 2nd Class",
                               "Petty Officer 3rd Class",
                               "Corporal",
                               "Private 1st Class",
                               "Airman 1st Class",
                               "Lance Corporal",
                               "Seaman",
                               "Private",
                               "Airman ",
                               "Sea. Appr.",
                               "Airman/Basic",
                               "Sea. Recruit",
                               "No Military Service"}},
                             {"lblBranch",
                              "Military Branch",
                              Field::cboBranch,
                              2400,
                              2280,
                              {"Army", "Air Force", "Marine Corp.", "Navy", "N/A"}}};
    for (const ComboRow& row : rows) {
        QComboBox* combo = MakeCombo(fraChar, row.field, row.entries);
        combo->setGeometry(Twips(row.left, row.top, 1455, 315));
        AddLabel(fraChar, row.label, row.caption, Twips(row.left, row.top - 240, 1455, 255), combo);
        Bind(row.field, combo);
    }

    // A frame holding one text box, named after the frame's caption.
    const auto addFramed = [&](const char* frameName, const char* caption, const QRect& frameTwips,
                               Field field, const QRect& boxTwips, bool computed) {
        QGroupBox* frame = AddFrame(page, frameName, caption);
        PlaceOnPage(page, frame, frameTwips);
        QLineEdit* box = MakeText(frame, field, computed);
        box->setGeometry(boxTwips);
        box->setAccessibleName(caption);
        Bind(field, box);
    };
    addFramed("fraLevel", "Level", Twips(600, 3360, 1095, 735), Field::txtLevel,
              Twips(240, 240, 615, 285), false);
    addFramed("fraAge", "Age", Twips(2280, 3360, 1095, 735), Field::txtAge,
              Twips(240, 240, 615, 285), false);
    addFramed("frmPhysique", "Physique", Twips(4920, 2400, 1695, 855), Field::cboPhysique,
              Twips(240, 360, 1215, 285), true);

    QLabel* label10 = AddLabel(page, "Label10", "Characteristics Dependent on Traits", {}, nullptr);
    PlaceOnPage(page, label10, Twips(4920, 600, 2055, 375));

    QComboBox* cboGlasses = MakeCombo(
        page, Field::cboGlasses,
        {"Glasses - no CLs", "Glasses/CLs", "Not Needed/CLs Okay", "Not Needed/no CLs", "N/A"});
    PlaceOnPage(page, cboGlasses, Twips(4920, 1320, 1575, 315));
    PlaceOnPage(page, AddLabel(page, "lblGlasses", "Glasses", {}, cboGlasses),
                Twips(4920, 1080, 1455, 255));
    Bind(Field::cboGlasses, cboGlasses);

    QComboBox* cboLoss = MakeCombo(page, Field::cboLoss, {});
    PlaceOnPage(page, cboLoss, Twips(4920, 1920, 1575, 315));
    PlaceOnPage(page, AddLabel(page, "lblLoss", "W/O Glasses Loss", {}, cboLoss),
                Twips(4920, 1680, 1455, 255));
    Bind(Field::cboLoss, cboLoss);

    AddModeButton(page, "cmdGenChars", "Random Characterisitcs Only ", Twips(360, 4200, 1455, 735),
                  &GenerationModes::cmdGenChars_Click);
    AddModeButton(page, "cmdExit", "Exit", Twips(2040, 4200, 1455, 735),
                  &GenerationModes::cmdExit_Click);
    AddButton(page, "cmdView1", "Open Word Pad", Twips(3720, 4200, 1455, 735),
              [this] { cmdView_Click(); });
    AddModeButton(page, "cmdSrandT", "My Characteristcs Random Traits",
                  Twips(5520, 4200, 1455, 735), &GenerationModes::cmdSrandT_Click);
    AddModeButton(page, "cmdClear", "Clear Form", Twips(5520, 3360, 1455, 615),
                  &GenerationModes::cmdClear_Click);
    // Above the page's top edge: it runs only as a step of other operations.
    QPushButton* cmdUserChars = AddButton(page, "cmdUserChars", "Use My Characteristics",
                                          Twips(3240, -600, 1455, 615), [] {});
    cmdUserChars->setEnabled(false);
    cmdUserChars->setFocusPolicy(Qt::NoFocus);
}

void MainWindow::BuildTraitsTab(QWidget* page) {
    struct TraitRow {
        const char* label;
        const char* caption;
        Field field;
        QRect labelTwips;  // left, top, width, height inside the frame
    };
    // One frame of labelled trait boxes, each box 375 twips wide at fieldLeft, level with its
    // label.
    const auto addFrame = [&](const char* name, const char* caption, const QRect& twips,
                              int fieldLeft, bool computed, std::initializer_list<TraitRow> rows) {
        QGroupBox* frame = AddFrame(page, name, caption);
        PlaceOnPage(page, frame, twips);
        for (const TraitRow& row : rows) {
            QLineEdit* field = MakeText(frame, row.field, computed);
            field->setGeometry(Twips(
                fieldLeft, row.field == Field::txtHTH ? 600 : row.labelTwips.top(), 375, 285));
            AddLabel(frame, row.label, row.caption,
                     Twips(row.labelTwips.left(), row.labelTwips.top(), row.labelTwips.width(),
                           row.labelTwips.height()),
                     field);
            Bind(row.field, field);
        }
    };
    const auto at = [](int top, int width) { return QRect(120, top, width, 255); };
    addFrame("fraPrimary", "Primary Traits", Twips(240, 360, 2415, 2535), 1800, false,
             {{"Label1", "Physical Strength", Field::txtPS, at(240, 1455)},
              {"Label2", "Charm", Field::txtCH, at(600, 1455)},
              {"Label3", "Willpower", Field::txtWP, at(960, 1455)},
              {"Label4", "Courage", Field::txtCO, at(1320, 1455)},
              {"Label5", "Kowledge", Field::txtK, at(1680, 1455)},
              {"Label6", "Coordination", Field::txtCD, at(2040, 1455)}});
    addFrame("fraSecondary", "Secondary Traits", Twips(2760, 360, 2655, 4215), 1920, true,
             {{"lblOF", "Offense", Field::txtOF, at(240, 1695)},
              {"lblDP", "Deception", Field::txtDP, at(600, 1695)},
              {"lblSR", "Shock Resistance", Field::txtSR, at(960, 1695)},
              {"lblDA", "Deactivation", Field::txtDA, at(1320, 1695)},
              {"lblOB", "Observation", Field::txtOB, at(1680, 1695)},
              {"lblEV", "Evasion", Field::txtEV, at(2040, 1695)},
              {"lblGV", "Gambling Value", Field::txtGV, at(2400, 1695)},
              {"lblMV", "Movement Value", Field::txtMV, at(2760, 1695)},
              {"lblLL", "Life Level", Field::txtLL, at(3120, 1695)},
              {"lblWell", "Wellness", Field::txtWell, at(3480, 1695)},
              {"lblBA", "Balance", Field::txtBA, at(3840, 1695)}});
    // The long label takes two lines, starting higher than its box.
    addFrame("fraTertiary", "Tertiary Traits", Twips(240, 3120, 2415, 1455), 1800, true,
             {{"Label7", "Perception", Field::txtPR, at(240, 1575)},
              {"Label8", "Hand to Hand Combat Value", Field::txtHTH, QRect(120, 480, 1575, 375)},
              {"Label9", "Surprise Value", Field::txtSV, at(960, 1575)}});

    AddModeButton(page, "cmdPrimary", "Random Traits Only", Twips(5760, 600, 1335, 735),
                  &GenerationModes::cmdPrimary_Click);
    AddModeButton(page, "cmdUseParam", "Generate NPC Using My Traits", Twips(5760, 1560, 1335, 735),
                  &GenerationModes::cmdUseParam_Click);
    AddModeButton(page, "cmdTrandC", "User Traits Random Characteristics",
                  Twips(5760, 2520, 1335, 735), &GenerationModes::cmdTrandC_Click);
    AddButton(page, "cmdView", "Open Word Pad", Twips(5760, 3480, 1335, 735),
              [this] { cmdView_Click(); });
    AddModeButton(page, "cmdExit1", "Exit", Twips(5760, 4440, 1335, 615),
                  &GenerationModes::cmdExit_Click);
}

void MainWindow::BuildQuickGenerationTab(QWidget* page) {
    AddModeButton(page, "cmdQuikGen", "Completely Random Generation", Twips(1200, 960, 1455, 735),
                  &GenerationModes::cmdQuikGen_Click);
    AddModeButton(page, "cdmRandwL", "Random Generation  By Level", Twips(4080, 960, 1455, 735),
                  &GenerationModes::cdmRandwL_Click);
    AddModeButton(page, "cmdRandbySex", "Random Generation by Sex", Twips(1200, 2280, 1455, 735),
                  &GenerationModes::cmdRandbySex_Click);
    AddModeButton(page, "cmdrandbySandL", "Random Generation By Sex and Level",
                  Twips(4080, 2280, 1455, 735), &GenerationModes::cmdrandbySandL_Click);
    AddModeButton(page, "cmdExit2", "Exit", Twips(1200, 3600, 1455, 615),
                  &GenerationModes::cmdExit_Click);
    AddButton(page, "cmdView2", "Open Word Pad", Twips(4080, 3600, 1455, 615),
              [this] { cmdView_Click(); });
}

void MainWindow::BuildMenu() {
    QMenu* mnuFile = menuBar()->addMenu("&File");
    fileMenu_ = new FileMenu(mnuFile, *record_, *sink_, *dialogs_, *files_);
    QMenu* mnuHelp = menuBar()->addMenu("&Help");
    mnuHelp->setObjectName("mnuHelp");
    QAction* mnuAbout = mnuHelp->addAction("&About");
    mnuAbout->setObjectName("mnuAbout");
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

void MainWindow::SetTabOrder() {
    const char* order[] = {
        "txtPS",       "txtCH",       "txtWP",        "txtCO",          "txtK",      "txtCD",
        "txtPR",       "txtHTH",      "txtSV",        "txtOF",          "txtDP",     "txtEV",
        "txtDA",       "txtOB",       "txtSR",        "txtGV",          "txtMV",     "txtLL",
        "txtWell",     "txtBA",       "cmdPrimary",   "cmdUseParam",    "cmdTrandC", "cmdView",
        "cmdExit1",    "cboSex",      "cboHair",      "cboHandedness",  "cboRace",   "cboHeight",
        "cboWeight",   "cboMilitary", "cboBranch",    "txtLevel",       "txtAge",    "cboGlasses",
        "cboLoss",     "cmdGenChars", "cmdExit",      "cmdView1",       "cmdSrandT", "cmdUserChars",
        "cmdQuikGen",  "cdmRandwL",   "cmdRandbySex", "cmdrandbySandL", "cmdExit2",  "cmdView2",
        "cboPhysique", "cmdClear"};
    QWidget* previous = nullptr;
    for (const char* name : order) {
        auto* widget = findChild<QWidget*>(name);
        if (widget == nullptr) continue;
        if (previous != nullptr) setTabOrder(previous, widget);
        previous = widget;
    }
}

QPushButton* MainWindow::AddButton(QWidget* parent, const char* name, const char* caption,
                                   const QRect& twips, std::function<void()> onClick) {
    auto* button = new WrappingButton(caption, parent);
    button->setObjectName(name);
    PlaceOnPage(parent, button, twips);
    connect(button, &QPushButton::clicked, this, std::move(onClick));
    return button;
}

QPushButton* MainWindow::AddModeButton(QWidget* page, const char* name, const char* caption,
                                       const QRect& twips, Outcome (GenerationModes::*press)()) {
    return AddButton(page, name, caption, twips, [this, press] { Press(press); });
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
    for (const FieldInfo& info : AllFields()) ShowField(info.field);
}

void MainWindow::Press(Outcome (GenerationModes::*press)()) {
    const Outcome outcome = ((*modes_).*press)();
    fileMenu_->PressEnded();
    if (outcome == Outcome::ExitRequested) Exit();
}

void MainWindow::Exit() {
    if (about_) about_->close();
    exitProgram_();
}

void MainWindow::mnuAbout_Click() {
    if (!about_) about_ = new AboutBox(nullptr);  // no owner: the main window stays usable
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::cmdView_Click() {
    if (viewer_->Open(sink_->path())) return;
    dialogs_->Message("No program could be started to open the character sheet. Open " +
                          PathToUtf8(sink_->path()) + " with a text editor.",
                      "Open Word Pad");
}

std::optional<Field> MainWindow::ValidatedFieldOf(const QWidget* widget) const {
    for (Field field : {Field::txtAge, Field::txtLevel}) {
        const QWidget* control = controls_[Index(field)];
        if (widget != nullptr && (widget == control || control->isAncestorOf(widget))) return field;
    }
    return std::nullopt;
}

bool MainWindow::CheckLeaving(Field field) {
    if (checking_) return true;
    checking_ = true;
    const bool valid = field == Field::txtAge ? txtAge_LostFocus(*record_, *dialogs_)
                                              : txtLevel_LostFocus(*record_, *dialogs_);
    checking_ = false;
    if (valid) return true;
    QWidget* control = controls_[Index(field)];
    // Focus is still moving when a check runs; take it back once the move is over. The
    // field that loses the focus to this is not checked: the user did not leave it.
    // The closed message box may leave no window active; the focus only shows in an active one.
    QTimer::singleShot(0, control, [this, control] {
        returningFocus_ = true;
        activateWindow();
        control->setFocus(Qt::OtherFocusReason);
        returningFocus_ = false;
    });
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            for (const auto& page : pages_) {
                if (page.first == watched) LayOutPage(page.first);
            }
            break;
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (widget == controls_[Index(Field::cboWeight)] &&
                reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                cboWeight_LostFocus(*record_);
            }
            const std::optional<Field> field = ValidatedFieldOf(widget);
            if (field && widget == controls_[Index(*field)] && !returningFocus_ &&
                (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                 reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason ||
                 reason == Qt::OtherFocusReason)) {
                // Qt moves the focus before the click reaches its widget: a click that took
                // the focus from a refused field does nothing else.
                if (!CheckLeaving(*field) && reason == Qt::MouseFocusReason) swallowClick_ = true;
            }
            break;
        }
        case QEvent::MouseButtonRelease:
            if (swallowClick_ && widget != nullptr && widget->window() == this) {
                swallowClick_ = false;
                return true;
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            if (swallowClick_ && widget != nullptr && widget->window() == this) return true;
            // A tab takes no focus of its own, so a click on one checks the field that keeps
            // the focus instead; a refused field stays on its page.
            if (qobject_cast<QTabBar*>(widget) == nullptr || widget->window() != this || checking_)
                break;
            // The window's own focus widget: the application's is none while no window is active.
            const std::optional<Field> focused = ValidatedFieldOf(focusWidget());
            if (focused && !CheckLeaving(*focused)) return true;
            break;
        }
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace dossier
