// The window driven offscreen: its controls, its checks, its File menu, the program itself.
#include <gtest/gtest.h>

#include <yaml-cpp/yaml.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "core/dice/random_dice.h"
#include "core/saved/character_json.h"
#include "core/saved/roster.h"
#include "gui/about_box.h"
#include "gui/fitting_font.h"
#include "gui/fitting_label.h"
#include "gui/fitting_line_edit.h"
#include "gui/main_window.h"
#include "gui/network_window.h"
#include "gui/window_layout.h"
#include "gui/wrapping_button.h"
#include "support/frontend_fakes.h"
#include "support/test_support.h"

namespace dossier {
namespace {

using enum Field;

namespace fs = std::filesystem;
using testing::PdfPages;
using testing::ReadAll;

class RecordingViewer final : public SheetViewer {
  public:
    bool Open(const fs::path& sheet) override {
        opened.push_back(sheet);
        return works;
    }
    std::vector<fs::path> opened;
    bool works = true;
};

class ScriptedFiles final : public FileChooser {
  public:
    std::optional<fs::path> SaveFile(const QString&, const QString&, const QString&) override {
        return Next();
    }
    std::optional<fs::path> OpenFile(const QString&, const QString&) override { return Next(); }
    std::optional<int> ChooseOne(const QString&, const QString&,
                                 const QStringList& items) override {
        offered = items;
        return choice;
    }
    std::optional<int> AskNumber(const QString&, const QString&, int, int lowest,
                                 int highest) override {
        asked = {lowest, highest};
        return number;
    }
    bool Print(const QString&, const std::function<void(QPagedPaintDevice&)>& paint) override {
        QPdfWriter printer(QString::fromStdString(printed.string()));
        paint(printer);
        return true;
    }
    std::deque<fs::path> paths;
    QStringList offered;
    std::optional<int> choice = 1;
    std::optional<int> number = 8;
    std::pair<int, int> asked;
    fs::path printed;

    std::optional<fs::path> Next() {
        if (paths.empty()) return std::nullopt;
        fs::path next = paths.front();
        paths.pop_front();
        return next;
    }
};

class MainWindowTest : public ::testing::Test {
  protected:
    // A run with the same process number (Wine reuses them) may have left its settings.
    MainWindowTest() { settings.clear(); }
    void SetUp() override {
        fs::create_directories(folder);
        files.printed = folder / "printed.pdf";
        window = std::make_unique<MainWindow>(WindowServices{
            &dice, realDialogs ? nullptr : &dialogs, &viewer, sheet, [this] { ++exits; }, &files,
            &nameDice, &settings, nullptr, &networkDice});
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        fs::remove_all(folder);
        settings.sync();  // else the settings would write the file again as the test ends
        fs::remove(folder.string() + "-settings.ini");
    }

    template <typename T = QWidget>
    T* Find(const char* name) const {
        return window->findChild<T*>(name);
    }
    QLineEdit* Line(Field field) const {
        QWidget* control = window->Control(field);
        if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->lineEdit();
        return qobject_cast<QLineEdit*>(control);
    }
    void ExpectControlsMirrorTheRecord(const char* after) const {
        for (const FieldInfo& info : kFields) {
            EXPECT_EQ(Line(info.field)->text().toStdString(), Text(info.field))
                << info.name << " after " << after;
        }
    }
    void Click(const char* name) {
        auto* button = Find<QPushButton>(name);
        window->tabs()->setCurrentWidget(button->parentWidget());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    std::string Text(Field field) const { return std::string(window->record().Text(field)); }
    void Trigger(const char* action) { window->findChild<QAction*>(action)->trigger(); }
    void Generate() { Click("cmdQuikGen"); }
    std::string Sheet() const { return ReadAll(sheet); }

    SeededDice dice{99};
    SeededDice nameDice{7};
    SeededDice networkDice{3};
    testing::ScriptedDialogs dialogs;
    RecordingViewer viewer;
    ScriptedFiles files;
    fs::path folder = testing::UniqueTempPath("window");
    fs::path sheet = folder / "char.txt";
    QSettings settings{QString::fromStdString(folder.string() + "-settings.ini"),
                       QSettings::IniFormat};
    int exits = 0;
    bool realDialogs = false;
    std::unique_ptr<MainWindow> window;
};

using FileMenuTest = MainWindowTest;

TEST_F(MainWindowTest, StartsAsDesignedWithItsTabOrder) {
    EXPECT_EQ(window->windowTitle(), "Character Generation");
    EXPECT_EQ(window->tabs()->count(), 3);
    ExpectControlsMirrorTheRecord("start-up");
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window is not resizable";
    int readOnly = 0;
    for (const FieldInfo& info : kFields) readOnly += Line(info.field)->isReadOnly();
    EXPECT_EQ(readOnly, 15) << "the fourteen derived traits and the physique";
    auto* hidden = Find<QPushButton>("cmdUserChars");
    EXPECT_TRUE(hidden->geometry().bottom() < 0 && !hidden->isEnabled());

    // The controls the Tab key reaches, in the order the window was designed with.
    const QStringList designed = {
        "txtPS",       "txtCH",       "txtWP",        "txtCO",          "txtK",      "txtCD",
        "txtPR",       "txtHTH",      "txtSV",        "txtOF",          "txtDP",     "txtEV",
        "txtDA",       "txtOB",       "txtSR",        "txtGV",          "txtMV",     "txtLL",
        "txtWell",     "txtBA",       "cmdPrimary",   "cmdUseParam",    "cmdTrandC", "cmdView",
        "cmdExit1",    "cboSex",      "cboHair",      "cboHandedness",  "cboRace",   "cboHeight",
        "cboWeight",   "cboMilitary", "cboBranch",    "txtLevel",       "txtAge",    "cboGlasses",
        "cboLoss",     "cmdGenChars", "cmdExit",      "cmdView1",       "cmdSrandT", "cmdUserChars",
        "cmdQuikGen",  "cdmRandwL",   "cmdRandbySex", "cmdrandbySandL", "cmdExit2",  "cmdView2",
        "cboPhysique", "cmdClear"};
    QStringList order;
    for (const QString& name : designed)
        if (Find(name.toUtf8().constData())->focusPolicy() & Qt::TabFocus) order << name;
    QStringList chain;
    QWidget* widget = Find("txtPS");
    do {
        if (widget->focusPolicy() & Qt::TabFocus && !widget->objectName().isEmpty() &&
            order.contains(widget->objectName()))
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != Find("txtPS") && chain.size() < order.size());
    EXPECT_EQ(chain, order);
}

TEST_F(MainWindowTest, EveryButtonRunsAndTheControlsFollow) {
    const std::tuple<const char*, std::vector<std::string>, bool> presses[] = {
        {"cmdGenChars", {}, false},
        {"cmdPrimary", {}, true},
        {"cmdUseParam", {}, true},
        {"cmdTrandC", {}, true},
        {"cmdSrandT", {}, true},
        {"cmdQuikGen", {}, true},
        {"cdmRandwL", {"7"}, true},
        {"cmdRandbySex", {"f"}, true},
        {"cmdrandbySandL", {"m", "12"}, true},
        {"cmdClear", {}, false}};
    for (const auto& [button, answers, writesSheet] : presses) {
        fs::remove(sheet);
        for (const std::string& answer : answers) dialogs.Queue(answer);
        Click(button);
        EXPECT_TRUE(dialogs.AllAnswered()) << button;
        EXPECT_EQ(fs::exists(sheet), writesSheet) << button;
        ExpectControlsMirrorTheRecord(button);
    }
    for (const char* button : {"cmdView", "cmdView1", "cmdView2"}) Click(button);
    EXPECT_EQ(viewer.opened, (std::vector<fs::path>{sheet, sheet, sheet}));
    viewer.works = false;
    dialogs.log.clear();
    Click("cmdView2");
    ASSERT_EQ(dialogs.log.size(), 1U);
    EXPECT_NE(dialogs.log[0].find(sheet.string()), std::string::npos) << "says which file to open";
    window->ShowAbout();
    QPointer<AboutBox> about = window->aboutBox();
    for (const char* button : {"cmdExit", "cmdExit1", "cmdExit2"}) Click(button);
    EXPECT_EQ(exits, 3);
    EXPECT_TRUE(about.isNull() || !about->isVisible()) << "Exit also closes the about box";
}

TEST_F(MainWindowTest, TypingWritesTheRecord) {
    QLineEdit* age = Line(txtAge);
    age->clear();
    QTest::keyClicks(age, " ");  // the age hook rolls at once, and the field shows it
    EXPECT_GE(std::stoi(std::string(Text(txtAge))), 22);
    EXPECT_EQ(age->text().toStdString(), Text(txtAge));
    Line(cboSex)->selectAll();
    QTest::keyClicks(Line(cboSex), "Fem");
    EXPECT_EQ(Text(cboSex), "Fem") << "never completed to a list entry";
    qobject_cast<QComboBox*>(window->Control(cboHeight))->setCurrentIndex(9);
    EXPECT_EQ(Text(cboHeight), "5'10\"") << "a picked height keeps its inch mark";

    window->record().Write(cboSex, "Male");
    Line(cboWeight)->setFocus();
    QTest::keyClick(Line(cboWeight), Qt::Key_Tab);  // leaving the caption rolls a weight
    EXPECT_NE(Text(cboWeight), "Weight");
}

TEST_F(MainWindowTest, WhatADialogStandsOverIsAlreadyShown) {
    std::vector<std::string> shown;
    dialogs.whileShown = [&] {
        shown.push_back(Line(cboSex)->text().toStdString() + "|" +
                        Line(txtLevel)->text().toStdString());
    };
    window->record().Write(cboSex, "Male");
    for (const char* answer : {"x", "f", "30", "3"}) dialogs.Queue(answer);
    Click("cmdrandbySandL");
    EXPECT_EQ(shown, (std::vector<std::string>{"Male|5", "Sex|5", "Sex|5", "Female|5", "Female|30",
                                               "Female|30"}))
        << "sex prompt, Invalid Sex, sex prompt, level prompt, Invalid Level, level prompt";
}

TEST_F(MainWindowTest, ANumberTooWideForItsBoxIsNeverShownCut) {
    for (const auto& [field, typed] :
         {std::pair{txtPS, "8035"}, {txtCD, "32767"}, {txtPS, "-32768"}}) {
        QLineEdit* box = Line(field);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Tab);
        const auto* fitting = qobject_cast<FittingLineEdit*>(box);
        // Where QLineEdit draws its text: the style's contents less its two-pixel margins.
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        const int room =
            box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - 4;
        const bool whole = box->fontMetrics().horizontalAdvance(box->text()) <= room;
        EXPECT_TRUE(whole || (fitting->isCut() && box->cursorPosition() == 0))
            << typed << ": shown whole, or from its start with the cut marked";
        EXPECT_EQ(box->toolTip(), typed);
        EXPECT_EQ(box->accessibleDescription(), typed);
    }
}

// Judged here, not by the window's own fitting: no line wider than the area, and the lines'
// letters inside its height (a descender may reach below its foot).
bool Whole(const QFont& font, const QRect& area, int flags, const QString& text) {
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(area, flags, text);
    return needed.width() <= area.width() && needed.height() - metrics.descent() <= area.height();
}

TEST_F(MainWindowTest, EveryCaptionShowsWholeAndNoSmallerThanItMust) {
    for (int tab = 0; tab < window->tabs()->count(); ++tab) {
        window->tabs()->setCurrentIndex(tab);  // a page's controls are fitted as it shows
        QApplication::processEvents();
        const QWidget* page = window->tabs()->widget(tab);
        for (const WrappingButton* button : page->findChildren<WrappingButton*>()) {
            const QFont font = button->CaptionFont();
            const QRect area = button->CaptionArea();
            const auto flags = WrappingButton::kCaptionFlags;
            EXPECT_TRUE(Whole(font, area, flags, button->text()))
                << button->objectName().toStdString();
            QFont larger = font;
            larger.setPointSize(font.pointSize() + 1);
            EXPECT_TRUE(font.pointSize() >= button->font().pointSize() ||
                        !Whole(larger, area, flags, button->text()))
                << button->objectName().toStdString() << " is smaller than it need be";
        }
        for (const FittingLabel* label : page->findChildren<FittingLabel*>()) {
            EXPECT_TRUE(
                Whole(label->font(), label->contentsRect(), FittingLabel::kFlags, label->text()))
                << label->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, OneModelessAboutBoxThatEscapeAndEnterClose) {
    window->ShowAbout();
    AboutBox* first = window->aboutBox();
    window->ShowAbout();
    EXPECT_EQ(window->aboutBox(), first);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the main window stays usable";
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        window->ShowAbout();
        QTest::keyClick(window->aboutBox(), key);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(window->aboutBox(), nullptr) << key;
    }
}

TEST_F(FileMenuTest, BeforeAnySheetEachActionSaysSoAndChangesNothing) {
    EXPECT_EQ(window->menuBar()->actions().at(0)->text(), "&File") << "before Help";
    const std::pair<const char*, QKeySequence> shortcuts[] = {
        {"mnuOpenCharacter", QKeySequence::Open},
        {"mnuSaveCharacter", QKeySequence::Save},
        {"mnuPrintSheet", QKeySequence::Print}};
    for (const auto& [name, keys] : shortcuts)
        EXPECT_EQ(window->findChild<QAction*>(name)->shortcut(), QKeySequence(keys)) << name;
    for (const char* action : {"mnuSaveSheetAs", "mnuSaveCharacter", "mnuPrintSheet",
                               "mnuExportPdf", "mnuSessionRoster"}) {
        dialogs.log.clear();
        Trigger(action);
        ASSERT_EQ(dialogs.log.size(), 1U) << action;
        EXPECT_NE(dialogs.log[0].find("No character"), std::string::npos) << dialogs.log[0];
    }
    EXPECT_TRUE(fs::is_empty(folder)) << "no file was written";
}

TEST_F(FileMenuTest, ACharacterSavedAndOpenedAgainGivesTheSameSheet) {
    Generate();
    const std::string saved = Sheet();
    const std::string level = Text(txtLevel);
    // A name beyond ASCII, which Windows takes only through its wide-character calls.
    files.paths = {folder / u8"M\u00fcller.json", folder / "copy.txt"};
    Trigger("mnuSaveCharacter");
    Trigger("mnuSaveSheetAs");
    EXPECT_EQ(ReadAll(folder / "copy.txt"), saved) << "the sheet file, byte for byte";

    Generate();
    ASSERT_NE(Sheet(), saved);
    files.paths = {folder / u8"M\u00fcller.json"};
    Trigger("mnuOpenCharacter");
    EXPECT_EQ(Sheet(), saved) << "its saved sheet is the sheet file again";
    EXPECT_EQ(Text(txtLevel), level);
    const std::string race = Text(cboRace);  // from there a button works on it
    Click("cmdSrandT");
    EXPECT_EQ(Text(cboRace), race);
    EXPECT_NE(Sheet(), saved);
}

TEST_F(FileMenuTest, NamesFilledInShowUnderTheTabsAndANewNameRewritesOnlyTheirLines) {
    auto* status = Find<QLabel>("lblNames");
    Generate();
    EXPECT_FALSE(status->isVisible()) << "off, the window is as it always was";

    Trigger("mnuFillInNames");
    window->findChild<QMenu*>("mnuOrigin")->actions().at(1)->trigger();
    Generate();
    const std::string first = Sheet();
    const QString shown = status->text();
    EXPECT_TRUE(status->isVisible());
    const CharacterNames& names = window->fileMenu()->current()->names;
    EXPECT_EQ(shown.toStdString(), "Name: " + names.name + "   Alias: " + names.alias);

    Trigger("mnuNewName");
    EXPECT_NE(status->text(), shown);
    const std::vector<std::string> was = testing::Lines(first), now = testing::Lines(Sheet());
    for (std::size_t line = 0; line < was.size(); ++line)
        EXPECT_EQ(was[line] != now.at(line), line == 1 || line == 2) << line << ": " << now[line];

    // Remembered for the next window.
    window.reset();
    SetUp();
    EXPECT_TRUE(window->findChild<QAction*>("mnuFillInNames")->isChecked());
    EXPECT_TRUE(window->findChild<QMenu*>("mnuOrigin")->actions().at(1)->isChecked());
}

TEST_F(FileMenuTest, AProfileShowsBesideTheTabsAndANewProfileRewritesOnlyItsBlock) {
    auto* panel = Find<QLabel>("lblProfile");
    const QSize size = window->size();
    Generate();
    EXPECT_FALSE(panel->isVisible()) << "off, the window is as it always was";
    EXPECT_EQ(window->size(), size);
    EXPECT_EQ(Sheet().find("PROFILE"), std::string::npos);

    Trigger("mnuFillInProfile");
    EXPECT_TRUE(window->findChild<QAction*>("mnuFillInNames")->isChecked()) << "names come too";
    QMenu* roles = window->findChild<QMenu*>("mnuRole");
    roles->actions().at(7)->trigger();  // Any, then the roles: the seventh is Mole
    Generate();
    const SavedCharacter& made = *window->fileMenu()->current();
    EXPECT_EQ(made.profile.role, "Mole");
    EXPECT_FALSE(made.names.empty());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_NE(
        panel->accessibleDescription().toStdString().find("Leverage: " + made.profile.leverage),
        std::string::npos);
    const std::string first = Sheet();
    const std::string block = first.substr(first.find("\r\n\"PROFILE\""));

    Trigger("mnuNewProfile");
    const std::string again = Sheet();
    EXPECT_EQ(again.substr(0, again.find("\r\n\"PROFILE\"")),
              first.substr(0, first.find("\r\n\"PROFILE\"")));
    EXPECT_NE(again.substr(again.find("\r\n\"PROFILE\"")), block);

    // Remembered for the next window; names off takes the profile off.
    window.reset();
    SetUp();
    EXPECT_TRUE(window->findChild<QAction*>("mnuFillInProfile")->isChecked());
    EXPECT_TRUE(window->findChild<QMenu*>("mnuRole")->actions().at(7)->isChecked());
    Trigger("mnuFillInNames");
    EXPECT_FALSE(window->findChild<QAction*>("mnuFillInProfile")->isChecked());
}

// The "Roll Again" of the menu a right-click on the control opens.
void RollAgainFrom(QWidget* control) {
    emit control->customContextMenuRequested(QPoint(2, 2));
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        auto* menu = qobject_cast<QMenu*>(shown);
        if (menu == nullptr || menu->objectName() != "mnuRollAgain" || !menu->isVisible()) continue;
        EXPECT_EQ(menu->actions().at(0)->text(), "Roll Again");
        menu->actions().at(0)->trigger();
        menu->close();
        return;
    }
    ADD_FAILURE() << "no Roll Again menu";
}

TEST_F(FileMenuTest, RollAgainOnAValueRollsItAloneAndWritesTheSheetAgain) {
    RollAgainFrom(Line(cboHeight));
    EXPECT_EQ(dialogs.log.size(), 1U) << "no character yet: it says so";
    Generate();
    window->record().Write(cboRace, "Typed Race");  // typed since the sheet: it stays
    const std::string first = Sheet();
    std::map<Field, std::string> before;
    for (const FieldInfo& info : kFields) before[info.field] = Text(info.field);
    for (int i = 0; i < 10 && Text(cboHeight) == before[cboHeight]; ++i)
        RollAgainFrom(Line(cboHeight));
    EXPECT_NE(Sheet(), first);
    EXPECT_NE(Sheet().find("Height     " + Text(cboHeight) + "\""), std::string::npos);
    EXPECT_NE(Sheet().find("Race       Typed Race\""), std::string::npos);
    for (const FieldInfo& info : kFields)
        EXPECT_TRUE(Text(info.field) == before[info.field] || info.field == cboHeight ||
                    info.field == cboPhysique)
            << info.name;
}

TEST_F(FileMenuTest, AFileOfSeveralLetsTheUserPickAndABadOneChangesNothing) {
    for (int i = 0; i < 3; ++i) Generate();
    std::string lines;
    for (std::size_t i = 0; i < 3; ++i)
        lines += CharacterJsonLine(window->fileMenu()->session()[i], 1);
    std::ofstream(folder / "party.jsonl", std::ios::binary) << lines;
    files.paths = {folder / "party.jsonl"};
    Trigger("mnuOpenCharacter");
    EXPECT_EQ(files.offered.size(), 3);
    EXPECT_EQ(Sheet(), window->fileMenu()->session()[1].sheetText);

    const std::string before = Sheet();
    std::ofstream(folder / "bad.json") << "{\"format\": 1,";
    files.paths = {folder / "bad.json"};
    dialogs.log.clear();
    Trigger("mnuOpenCharacter");
    ASSERT_EQ(dialogs.log.size(), 1U);
    EXPECT_NE(dialogs.log[0].find("bad.json: line 1: not JSON"), std::string::npos)
        << dialogs.log[0];
    EXPECT_EQ(Sheet(), before);
}

TEST_F(FileMenuTest, PrintPdfAndTheSessionRoster) {
    for (int i = 0; i < 5; ++i) Generate();
    files.paths = {folder / "sheet.pdf", folder / "roster.pdf", folder / "roster.md"};
    Trigger("mnuExportPdf");
    Trigger("mnuPrintSheet");
    Trigger("mnuSessionRoster");
    Trigger("mnuSessionRoster");
    if (const auto why = testing::WhyNoPoppler()) GTEST_SKIP() << *why;
    for (const fs::path& pdf : {folder / "sheet.pdf", files.printed}) {
        EXPECT_EQ(PdfPages(pdf), 1) << pdf;
        EXPECT_EQ(testing::Squeezed(testing::PdfPageText(pdf, 1)),
                  testing::ReadableExpected(Sheet()));
    }
    EXPECT_EQ(PdfPages(folder / "roster.pdf"), 1) << "five NPCs, at least four to a page";
    const std::string markdown = ReadAll(folder / "roster.md");
    EXPECT_NE(markdown.find("## 5. "), std::string::npos);
    EXPECT_EQ(markdown.find("## 6. "), std::string::npos);
}

TEST_F(FileMenuTest, ANetworkShowsInItsOwnWindowAndAMemberChosenOpensInTheMainWindow) {
    settings.setValue("profile/role", "Defector");
    files.number = 12;
    Trigger("mnuNewNetwork");
    EXPECT_EQ(files.asked, std::make_pair(3, 30));
    NetworkWindow* shown = window->networkMenu()->shown();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    const Network& network = shown->network();
    ASSERT_EQ(shown->members()->count(), 12);
    int handlers = 0, asked = 0;
    for (const SavedCharacter& member : network.members) {
        handlers += member.profile.role == "Handler";
        asked += member.profile.role == "Defector";
        EXPECT_FALSE(member.names.name.empty());
    }
    EXPECT_EQ(handlers, 1);
    EXPECT_GE(asked, 1) << "the Profile menu's role";
    // The picture is drawn: a good share of the view is ink.
    const QImage picture = shown->findChild<QWidget*>("picNetwork")->grab().toImage();
    int ink = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) ink += qGray(picture.pixel(x, y)) < 128;
    EXPECT_GT(ink, picture.width() * picture.height() / 200);

    shown->members()->setCurrentRow(3);
    QTest::mouseClick(shown->findChild<QPushButton*>("btnOpenMember"), Qt::LeftButton);
    EXPECT_EQ(Text(Field::txtPS), network.members[3].Text(Field::txtPS));
    EXPECT_NE(Sheet().find(network.members[3].names.name), std::string::npos);

    // Saved, then opened by Open Character: the same network in a window of its own.
    files.paths = {folder / "ring.jsonl", folder / "ring.pdf", folder / "handout.pdf",
                   folder / "ring.jsonl"};
    for (const char* action : {"mnuSaveNetwork", "mnuExportNetworkPdf", "mnuExportPlayersCopy"})
        shown->findChild<QAction*>(action)->trigger();
    Trigger("mnuOpenCharacter");
    NetworkWindow* reopened = window->networkMenu()->shown();
    ASSERT_NE(reopened, shown);
    EXPECT_EQ(reopened->network().links, network.links);
    EXPECT_EQ(reopened->network().members.back().sheetText, network.members.back().sheetText);
    files.number.reset();  // Cancel: no network
    Trigger("mnuNewNetwork");
    EXPECT_EQ(window->networkMenu()->shown(), reopened);
    if (const auto why = testing::WhyNoPoppler()) GTEST_SKIP() << *why;
    EXPECT_EQ(PdfPages(folder / "ring.pdf"), 1 + 2 + 12);
    EXPECT_NE(testing::PdfPageText(folder / "handout.pdf", 1).find("the players' copy"),
              std::string::npos);
}

TEST_F(FileMenuTest, ExportCharacterWritesTheFormatItsFileNames) {
    Trigger("mnuFillInProfile");
    for (int i = 0; i < 3; ++i) Generate();
    const SavedCharacter& current = *window->fileMenu()->current();
    files.paths = {folder / "npc.md", folder / "npc.JSON", folder / "npc.csv", folder / "npc.pdf",
                   folder / "roster.csv"};
    for (int i = 0; i < 4; ++i) Trigger("mnuExportCharacter");
    Trigger("mnuSessionRoster");
    const std::string note = ReadAll(folder / "npc.md");
    ASSERT_TRUE(note.starts_with("---\n"));
    EXPECT_EQ(YAML::Load(note.substr(4, note.find("\n---\n", 4) - 4))["name"].as<std::string>(),
              current.names.name);
    EXPECT_EQ(nlohmann::json::parse(ReadAll(folder / "npc.JSON"))["name"], current.names.name);
    const std::string row = ReadAll(folder / "npc.csv");
    EXPECT_TRUE(
        row.starts_with("\xEF\xBB\xBF"
                        "format,index,mode,name,alias,origin,profile.role"))
        << row.substr(0, 100);
    EXPECT_EQ(testing::Occurrences(row, "\r\n"), 2);
    EXPECT_EQ(testing::Occurrences(ReadAll(folder / "roster.csv"), "\r\n"), 1 + 3);
    if (const auto why = testing::WhyNoPoppler()) GTEST_SKIP() << *why;
    EXPECT_EQ(PdfPages(folder / "npc.pdf"), 1);
}

// With the real modal message box, dismissed with Enter as a user does.
class FocusChecksTest : public MainWindowTest {
  protected:
    void SetUp() override {
        realDialogs = true;
        MainWindowTest::SetUp();
    }
    // Presses Enter on every message box that opens, and keeps what each said.
    void AnswerMessagesWithEnter() {
        auto* timer = new QTimer(window.get());
        QObject::connect(timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                said.push_back(box->text().toStdString());
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        timer->start(10);
    }
    std::vector<std::string> said;
};

TEST_F(FocusChecksTest, ARefusedAgeOrLevelIsEmptiedAndCheckedAgainEachTimeItLosesTheFocus) {
    AnswerMessagesWithEnter();
    QTabBar* tabBar = window->tabs()->tabBar();
    for (const auto& [field, typed, message] :
         {std::tuple{txtAge, "022", "Enter an integer from 1 to 100."},
          std::tuple{txtLevel, "5 ", "Enter an integer from 1 to 20."}}) {
        said.clear();
        QLineEdit* line = Line(field);
        line->setFocus();
        line->selectAll();
        QTest::keyClicks(line, typed);
        QTest::keyClick(line, Qt::Key_Tab);
        QTest::qWait(100);
        EXPECT_EQ(said, std::vector<std::string>{message});
        EXPECT_EQ(line->text(), "");
        EXPECT_EQ(Text(field), "");
        EXPECT_TRUE(line->hasFocus()) << typed;
        QTest::mouseClick(tabBar, Qt::LeftButton, {}, tabBar->tabRect(1).center());
        QTest::qWait(100);
        EXPECT_EQ(said.size(), 2U) << "the emptied field is refused again";
        EXPECT_EQ(window->tabs()->currentIndex(), 0);
        EXPECT_TRUE(line->hasFocus()) << typed;
        QTest::keyClicks(line, "7");  // a refused field keeps the focus until it is valid
    }
}

TEST_F(FocusChecksTest, AClickAwayFromARefusedFieldOnlyChecksItAndTheNextIsTheUsersOwn) {
    AnswerMessagesWithEnter();
    window->record().Write(cboRace, "Asian");
    QLineEdit* age = Line(txtAge);
    age->setFocus();
    age->selectAll();
    QTest::keyClicks(age, "0");
    // The user lets go of the button while the message stands, so the release goes to the box.
    QTest::mousePress(Find<QPushButton>("cmdClear"), Qt::LeftButton);
    QTest::qWait(100);
    EXPECT_EQ(said, std::vector<std::string>{"Enter an integer from 1 to 100."});
    EXPECT_EQ(Text(cboRace), "Asian") << "Clear Form did not run";
    EXPECT_TRUE(age->hasFocus());
    QTest::keyClicks(age, "22");
    // A button runs on the release of its click: a swallowed release would leave it unrun.
    QTest::mouseClick(Find<QPushButton>("cmdClear"), Qt::LeftButton);
    EXPECT_TRUE(window->record().IsUnset(cboRace)) << "one click runs Clear Form";
}

}  // namespace
}  // namespace dossier
