// The File menu driven offscreen, its dialogs answered by the test.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPdfWriter>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <deque>
#include <fstream>

#include "record/random_dice.h"
#include "saved/character_json.h"
#include "saved/roster.h"
#include "test_support.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;
using testing::PdfPages;
using testing::Poppler;
using testing::ReadAll;

// Runs of blanks as one: a PDF's text keeps the words and their order, not the blanks.
std::string Squeezed(const std::string& text) {
    std::string squeezed;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\n' || c == '\f';
        if (!blank || (!squeezed.empty() && squeezed.back() != ' ')) squeezed += blank ? ' ' : c;
    }
    return squeezed;
}

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
    bool Print(const QString&, const std::function<void(QPagedPaintDevice&)>& paint) override {
        QPdfWriter printer(QString::fromStdString(printed.string()));
        paint(printer);
        return true;
    }
    std::deque<fs::path> paths;
    QStringList offered;
    std::optional<int> choice = 1;
    fs::path printed;

  private:
    std::optional<fs::path> Next() {
        if (paths.empty()) return std::nullopt;
        fs::path next = paths.front();
        paths.pop_front();
        return next;
    }
};

class FileMenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(folder);
        files.printed = folder / "printed.pdf";
        window = std::make_unique<MainWindow>(
            WindowServices{&dice, &dialogs, nullptr, folder / "char.txt", [] {}, &files});
        window->show();
    }
    void TearDown() override { fs::remove_all(folder); }
    void Trigger(const char* action) { window->findChild<QAction*>(action)->trigger(); }
    void Generate() {
        window->tabs()->setCurrentIndex(2);
        QTest::mouseClick(window->findChild<QPushButton*>("cmdQuikGen"), Qt::LeftButton);
    }
    std::string Sheet() const { return ReadAll(folder / "char.txt"); }
    std::string Text(Field field) const { return std::string(window->record().Text(field)); }

    SeededDice dice{21};
    testing::ScriptedDialogs dialogs;
    ScriptedFiles files;
    fs::path folder = testing::UniqueTempPath("file-menu");
    std::unique_ptr<MainWindow> window;
};

TEST_F(FileMenuTest, BeforeAnySheetEachActionSaysSoAndChangesNothing) {
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
    const std::string sheet = Sheet();
    const std::string level = Text(Field::txtLevel);
    files.paths = {folder / "npc.json", folder / "copy.txt"};
    Trigger("mnuSaveCharacter");
    Trigger("mnuSaveSheetAs");
    EXPECT_EQ(ReadAll(folder / "copy.txt"), sheet) << "the sheet file, byte for byte";

    Generate();
    ASSERT_NE(Sheet(), sheet);
    files.paths = {folder / "npc.json"};
    Trigger("mnuOpenCharacter");
    EXPECT_EQ(Sheet(), sheet) << "its saved sheet is the sheet file again";
    EXPECT_EQ(Text(Field::txtLevel), level);
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
    for (const fs::path& pdf : {folder / "sheet.pdf", files.printed}) {
        EXPECT_EQ(PdfPages(pdf), 1) << pdf;
        const std::string text = Squeezed(Poppler("pdftotext -layout", pdf, "-"));
        for (const std::string& line : ReadableSheetLines(Sheet())) {
            const std::string words = Squeezed(line.substr(0, line.find_last_not_of(' ') + 1));
            if (words.find_first_not_of("_- ") != std::string::npos) {
                EXPECT_NE(text.find(words), std::string::npos) << words;
            }
        }
    }
    EXPECT_EQ(PdfPages(folder / "roster.pdf"), 1) << "five NPCs, at least four to a page";
    const std::string markdown = ReadAll(folder / "roster.md");
    EXPECT_NE(markdown.find("## 5. "), std::string::npos);
    EXPECT_EQ(markdown.find("## 6. "), std::string::npos);
}

}  // namespace
}  // namespace dossier
