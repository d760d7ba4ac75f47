#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "record/random_dice.h"
#include "ui/about_box.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedDialogs;

class RecordingViewer final : public SheetViewer {
public:
    bool Open(const fs::path& sheet) override {
        opened.push_back(sheet);
        return works;
    }
    std::vector<fs::path> opened;
    bool works = true;
};

class Window : public ::testing::Test {
protected:
    void SetUp() override {
        sheet = fs::temp_directory_path() /
                ("dossier-window-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".txt");
        fs::remove(sheet);
        WindowServices services;
        services.dice = &dice;
        services.dialogs = &dialogs;
        services.viewer = &viewer;
        services.sheetPath = sheet;
        services.exitProgram = [this] { ++exits; };
        window = std::make_unique<MainWindow>(services);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        window.reset();
        fs::remove(sheet);
    }

    template <typename T = QWidget>
    T* Find(const char* name) const {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString Shown(Field field) const {
        QWidget* control = window->Control(field);
        if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText();
        return qobject_cast<QLineEdit*>(control)->text();
    }
    void ExpectControlsMirrorTheRecord(const std::string& after) const {
        for (const FieldInfo& info : AllFields()) {
            EXPECT_EQ(Shown(info.field).toStdString(), window->record().Text(info.field))
                << info.name << " after " << after;
        }
    }
    void Click(const char* button) {
        auto* widget = Find<QPushButton>(button);
        window->tabs()->setCurrentWidget(widget->parentWidget());
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    const std::string& Text(Field field) const { return window->record().Text(field); }

    SeededDice dice{99};
    ScriptedDialogs dialogs;
    RecordingViewer viewer;
    fs::path sheet;
    int exits = 0;
    std::unique_ptr<MainWindow> window;
};

TEST_F(Window, StartsWithTheDesignTimeTexts) {
    EXPECT_EQ(window->windowTitle(), "Character Generation");
    EXPECT_EQ(window->objectName(), "frmCharGen");
    QTabWidget* tabs = window->tabs();
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "Characteristics");
    EXPECT_EQ(tabs->tabText(1), "Traits");
    EXPECT_EQ(tabs->tabText(2), "Quick Generation");
    EXPECT_EQ(tabs->currentIndex(), 0);
    ExpectControlsMirrorTheRecord("start-up");
    EXPECT_EQ(Shown(Field::cboLoss), "% Loss of CD");
    EXPECT_EQ(Shown(Field::txtAge), "22");
    EXPECT_EQ(Shown(Field::txtLevel), "5");
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window is not resizable";
}

TEST_F(Window, ListsKeepTheirOrder) {
    const auto items = [this](Field field) {
        QStringList entries;
        auto* combo = qobject_cast<QComboBox*>(window->Control(field));
        for (int i = 0; i < combo->count(); ++i) entries << combo->itemText(i);
        return entries;
    };
    EXPECT_EQ(items(Field::cboSex), QStringList({"Female", "Male"}));
    EXPECT_EQ(items(Field::cboHair), QStringList({"Blonde", "Brown/Brunette", "Red/Auburn", "Black", "Gray"}));
    EXPECT_EQ(items(Field::cboBranch), QStringList({"Army", "Air Force", "Marine Corp.", "Navy", "N/A"}));
    const QStringList heights = items(Field::cboHeight);
    ASSERT_EQ(heights.size(), 16);
    EXPECT_EQ(heights.front(), "5'1\"");
    EXPECT_EQ(heights.back(), "6'4\"");
    const QStringList ranks = items(Field::cboMilitary);
    ASSERT_EQ(ranks.size(), 38);
    EXPECT_EQ(ranks[0], "General");
    EXPECT_EQ(ranks[33], "Airman ");
    EXPECT_EQ(ranks[37], "No Military Service");
    EXPECT_TRUE(items(Field::cboWeight).isEmpty());
    EXPECT_TRUE(items(Field::cboLoss).isEmpty());
}

TEST_F(Window, AccessibleNamesAreTheLabelsCaptions) {
    const std::pair<Field, const char*> names[] = {
        {Field::cboSex, "Gender"},         {Field::cboRace, "Race"},
        {Field::cboHair, "Hair Color"},    {Field::cboHeight, "Height"},
        {Field::cboMilitary, "Military Service"}, {Field::cboBranch, "Military Branch"},
        {Field::txtAge, "Age"},            {Field::txtLevel, "Level"},
        {Field::txtPS, "Physical Strength"}, {Field::txtK, "Kowledge"},
        {Field::txtOF, "Offense"},         {Field::txtHTH, "Hand to Hand Combat Value"},
        {Field::cboPhysique, "Physique"},  {Field::cboGlasses, "Glasses"},
        {Field::cboLoss, "W/O Glasses Loss"},
    };
    for (const auto& [field, name] : names) {
        EXPECT_EQ(window->Control(field)->accessibleName(), name) << FieldName(field);
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            EXPECT_EQ(label->buddy()->accessibleName(), label->text());
        }
    }
    EXPECT_EQ(Find<QPushButton>("cmdGenChars")->accessibleName(), "Random Characterisitcs Only ");
    EXPECT_EQ(Find<QPushButton>("cdmRandwL")->text(), "Random Generation  By Level");
}

TEST_F(Window, ComputedFieldsAreReadOnly) {
    for (Field field : {Field::txtOF, Field::txtDP, Field::txtSR, Field::txtDA, Field::txtOB,
                        Field::txtEV, Field::txtGV, Field::txtMV, Field::txtLL, Field::txtWell,
                        Field::txtBA, Field::txtPR, Field::txtHTH, Field::txtSV, Field::cboPhysique}) {
        EXPECT_TRUE(qobject_cast<QLineEdit*>(window->Control(field))->isReadOnly()) << FieldName(field);
    }
    EXPECT_FALSE(qobject_cast<QLineEdit*>(window->Control(Field::txtPS))->isReadOnly());
}

TEST_F(Window, GeometryFollowsTheTwips) {
    // Positions count from the tab control's top-left corner, its row of tabs included.
    const auto inTabs = [this](const char* name) {
        QWidget* widget = Find(name);
        return QRect(widget->mapTo(window->tabs(), QPoint(0, 0)), widget->size());
    };
    EXPECT_EQ(window->tabs()->geometry(), QRect(24, 0, 489, 369));
    EXPECT_EQ(window->centralWidget()->size(), QSize(527, 372));
    EXPECT_EQ(inTabs("fraChar"), QRect(40, 32, 273, 185));
    EXPECT_EQ(inTabs("cmdGenChars"), QRect(24, 280, 97, 49));
    EXPECT_EQ(inTabs("cboSex"), QRect(48, 64, 97, 21));
    EXPECT_EQ(inTabs("cboPhysique"), QRect(344, 184, 81, 19));
}

TEST_F(Window, UseMyCharacteristicsCanNeverBeClicked) {
    auto* button = Find<QPushButton>("cmdUserChars");
    EXPECT_EQ(button->text(), "Use My Characteristics");
    EXPECT_LT(button->mapTo(window->tabs(), QPoint(0, 0)).y(), 0) << "above the tab control";
    EXPECT_LT(button->geometry().bottom(), 0) << "entirely above its page";
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
}

TEST_F(Window, EveryGenerationButtonRunsAndTheControlsFollow) {
    struct Press {
        const char* button;
        std::vector<std::optional<std::string>> answers;
        bool writesSheet;
    };
    const Press presses[] = {
        {"cmdGenChars", {}, false},    {"cmdPrimary", {}, true},      {"cmdUseParam", {}, true},
        {"cmdTrandC", {}, true},       {"cmdSrandT", {}, true},       {"cmdQuikGen", {}, true},
        {"cdmRandwL", {"7"}, true},    {"cmdRandbySex", {"f"}, true}, {"cmdrandbySandL", {"m", "12"}, true},
        {"cmdClear", {}, false},
    };
    for (const Press& press : presses) {
        fs::remove(sheet);
        for (const auto& answer : press.answers) dialogs.Queue(answer);
        Click(press.button);
        EXPECT_TRUE(dialogs.AllAnswered()) << press.button;
        EXPECT_EQ(fs::exists(sheet), press.writesSheet) << press.button;
        ExpectControlsMirrorTheRecord(press.button);
    }
    EXPECT_EQ(Text(Field::cboSex), "Sex") << "Clear Form came last";
    EXPECT_EQ(Text(Field::txtLevel), "12");
    EXPECT_EQ(window->record().working.sexFixed, 0);
}

TEST_F(Window, ViewButtonsOpenTheSheetPath) {
    for (const char* button : {"cmdView", "cmdView1", "cmdView2"}) Click(button);
    EXPECT_EQ(viewer.opened, (std::vector<fs::path>{sheet, sheet, sheet}));
    EXPECT_TRUE(dialogs.log.empty());
    viewer.works = false;
    Click("cmdView2");
    ASSERT_EQ(dialogs.log.size(), 1U);
    EXPECT_NE(dialogs.log[0].find(sheet.string()), std::string::npos);
}

TEST_F(Window, ExitButtonsEndTheProgramAlsoWithTheAboutBoxOpen) {
    window->mnuAbout_Click();
    QPointer<AboutBox> about = window->aboutBox();
    for (const char* button : {"cmdExit", "cmdExit1", "cmdExit2"}) Click(button);
    EXPECT_EQ(exits, 3);
    QApplication::processEvents();
    EXPECT_TRUE(about.isNull() || !about->isVisible());
}

TEST_F(Window, TypingWritesTheRecordAndABlankAgeRollsAtOnce) {
    auto* age = qobject_cast<QLineEdit*>(window->Control(Field::txtAge));
    age->clear();
    EXPECT_EQ(Text(Field::txtAge), "");
    QTest::keyClicks(age, " ");
    const int rolled = std::stoi(Text(Field::txtAge));
    EXPECT_GE(rolled, 22);
    EXPECT_LE(rolled, 42);
    EXPECT_EQ(age->text().toStdString(), Text(Field::txtAge)) << "the rolled age shows at once";

    auto* sex = qobject_cast<QComboBox*>(window->Control(Field::cboSex));
    sex->lineEdit()->selectAll();
    QTest::keyClicks(sex->lineEdit(), "Fem");
    EXPECT_EQ(Text(Field::cboSex), "Fem") << "typing is never completed to a list entry";

    auto* height = qobject_cast<QComboBox*>(window->Control(Field::cboHeight));
    height->setCurrentIndex(9);
    EXPECT_EQ(Text(Field::cboHeight), "5'10\"") << "a picked height keeps its inch mark";
}

TEST_F(Window, LeavingAnInvalidAgeOrLevelEmptiesItAndTakesTheFocusBack) {
    struct Row {
        Field field;
        const char* typed;
        const char* message;
    };
    const Row rows[] = {
        {Field::txtAge, "101", "message|Enter an integer from 1 to 100.|Invalid Age"},
        {Field::txtAge, "022", "message|Enter an integer from 1 to 100.|Invalid Age"},
        {Field::txtLevel, "21", "message|Enter an integer from 1 to 20.|Invalid Level"},
        {Field::txtLevel, "5 ", "message|Enter an integer from 1 to 20.|Invalid Level"},
    };
    for (const Row& row : rows) {
        auto* field = qobject_cast<QLineEdit*>(window->Control(row.field));
        field->setFocus();
        field->clear();
        QTest::keyClicks(field, row.typed);
        dialogs.log.clear();
        QTest::keyClick(field, Qt::Key_Tab);
        QApplication::processEvents();
        EXPECT_EQ(dialogs.log, std::vector<std::string>{row.message}) << row.typed;
        EXPECT_EQ(Text(row.field), "");
        EXPECT_EQ(field->text(), "");
        EXPECT_TRUE(field->hasFocus()) << row.typed;
    }
    auto* level = qobject_cast<QLineEdit*>(window->Control(Field::txtLevel));
    QTest::keyClicks(level, "20");
    dialogs.log.clear();
    QTest::keyClick(level, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_TRUE(dialogs.log.empty()) << "20 is a valid level";
}

TEST_F(Window, AClickAwayFromAnInvalidFieldRunsTheCheckInsteadOfTheButton) {
    auto* age = qobject_cast<QLineEdit*>(window->Control(Field::txtAge));
    age->setFocus();
    age->clear();
    QTest::keyClicks(age, "0");
    dialogs.log.clear();
    QTest::mouseClick(Find<QPushButton>("cmdClear"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(dialogs.log, std::vector<std::string>{"message|Enter an integer from 1 to 100.|Invalid Age"});
    EXPECT_EQ(Text(Field::cboSex), "Sex");
    EXPECT_TRUE(age->hasFocus());
    // Clear Form did not run: a value typed elsewhere stays.
    window->record().Write(Field::cboRace, "Asian");
    window->Refresh();
    QTest::keyClicks(age, "30");
    QTest::mouseClick(Find<QPushButton>("cmdClear"), Qt::LeftButton);
    EXPECT_EQ(Text(Field::cboRace), "Race") << "with a valid age the click goes through";
}

TEST_F(Window, LeavingTheWeightCaptionRollsAWeight) {
    window->record().Write(Field::cboSex, "Male");
    auto* weight = qobject_cast<QComboBox*>(window->Control(Field::cboWeight));
    weight->setFocus();
    QTest::keyClick(weight, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_NE(Text(Field::cboWeight), "Weight");
    EXPECT_EQ(Shown(Field::cboWeight).toStdString(), Text(Field::cboWeight));
}

TEST_F(Window, OneAboutBoxModelessWithItsTexts) {
    window->mnuAbout_Click();
    AboutBox* first = window->aboutBox();
    ASSERT_NE(first, nullptr);
    window->mnuAbout_Click();
    EXPECT_EQ(window->aboutBox(), first);
    int boxes = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) boxes += qobject_cast<AboutBox*>(top) != nullptr;
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(first->windowTitle(), "About Dossier");
    EXPECT_EQ(first->findChild<QLabel*>("lblTitle")->text(), "Dossier");
    EXPECT_EQ(first->findChild<QLabel*>("lblVersion")->text(), "Version 4.1");
    EXPECT_FALSE(first->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(first->findChild<QPushButton*>("cmdOK")->isDefault());

    QPointer<AboutBox> guard(first);
    QTest::keyClick(first, Qt::Key_Escape);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull()) << "Escape unloads the box";
    window->mnuAbout_Click();
    EXPECT_NE(window->aboutBox(), nullptr) << "the next opening builds it afresh";
    QTest::mouseClick(window->aboutBox()->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->aboutBox(), nullptr);
}

TEST_F(Window, TabOrderFollowsTheList) {
    const char* expected[] = {"txtPS", "txtCH", "txtWP", "txtCO", "txtK", "txtCD", "txtPR", "txtHTH"};
    QWidget* widget = Find("txtPS");
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        widget = widget->nextInFocusChain();
        while ((widget->focusPolicy() & Qt::TabFocus) == 0 || widget->focusProxy() != nullptr) {
            widget = widget->nextInFocusChain();
        }
        EXPECT_EQ(widget->objectName().toStdString(), expected[i]);
    }
}

}  // namespace
}  // namespace dossier
