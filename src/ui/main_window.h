#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "record/character_record.h"
#include "sheet/sheet_sink.h"
#include "sheet/sheet_viewer.h"
#include "ui/file_chooser.h"
#include "ui/file_menu.h"
#include "ui/generation_modes.h"

class QTabWidget;
class QPushButton;

namespace dossier {

class AboutBox;

// What the window works with; tests replace any of it.
struct WindowServices {
    Dice* dice = nullptr;               // the window's own clock dice when null
    Dialogs* dialogs = nullptr;         // modal Qt dialogs when null
    SheetViewer* viewer = nullptr;      // the desktop's viewer when null
    std::filesystem::path sheetPath;    // the default sheet path when empty
    std::function<void()> exitProgram;  // ends the application with status 0 when empty
    FileChooser* files = nullptr;       // Qt's file, choice and print dialogs when null
};

// frmCharGen: the character record's front end. Every field is a control of the same
// name; typing writes the record at once, and every write to the record reaches its
// control as it is made.
class MainWindow final : public QMainWindow, private RecordListener {
    Q_OBJECT

  public:
    explicit MainWindow(WindowServices services = {});
    ~MainWindow() override;

    CharacterRecord& record() { return *record_; }
    QWidget* Control(Field field) const { return controls_[Index(field)]; }
    QTabWidget* tabs() const { return SSTab1_; }
    AboutBox* aboutBox() const;
    FileMenu* fileMenu() const { return fileMenu_; }

    // Shows the controls the record's texts.
    void Refresh();

    void mnuAbout_Click();
    void cmdView_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Placement {
        QWidget* widget;
        QRect rect;  // relative to the tab control, its row of tabs included
    };

    void BuildCharacteristicsTab(QWidget* page);
    void BuildTraitsTab(QWidget* page);
    void BuildQuickGenerationTab(QWidget* page);
    void BuildMenu();
    void SetTabOrder();

    void PlaceOnPage(QWidget* page, QWidget* widget, const QRect& twips);
    void LayOutPage(QWidget* page);
    void Bind(Field field, QWidget* control);
    void OnEdited(Field field, const QString& text);
    void FieldWritten(Field field) override;
    void ShowField(Field field);
    QPushButton* AddButton(QWidget* parent, const char* name, const char* caption,
                           const QRect& twips, std::function<void()> onClick);
    QPushButton* AddModeButton(QWidget* page, const char* name, const char* caption,
                               const QRect& twips, Outcome (GenerationModes::*press)());
    void Press(Outcome (GenerationModes::*press)());
    void Exit();

    // The focus-lost checks of the age and level; false when the field was refused.
    bool CheckLeaving(Field field);
    std::optional<Field> ValidatedFieldOf(const QWidget* widget) const;

    std::unique_ptr<Dice> ownDice_;
    std::unique_ptr<Dialogs> ownDialogs_;
    std::unique_ptr<SheetViewer> ownViewer_;
    std::unique_ptr<FileChooser> ownFiles_;
    Dialogs* dialogs_;
    SheetViewer* viewer_;
    std::function<void()> exitProgram_;
    std::unique_ptr<CharacterRecord> record_;
    std::unique_ptr<KeepingSheetSink> sink_;
    std::unique_ptr<GenerationModes> modes_;

    QTabWidget* SSTab1_ = nullptr;
    std::array<QWidget*, kFieldCount> controls_{};
    std::vector<std::pair<QWidget*, std::vector<Placement>>> pages_;
    QPointer<AboutBox> about_;
    FileMenu* fileMenu_ = nullptr;
    FileChooser* files_ = nullptr;
    bool refreshing_ = false;
    bool checking_ = false;
    bool returningFocus_ = false;
    bool swallowClick_ = false;
};

}  // namespace dossier
