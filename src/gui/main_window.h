#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "core/record/character_record.h"
#include "frontend/generation_modes.h"
#include "frontend/sheet_file_sink.h"
#include "gui/file_menu.h"
#include "gui/names_menu.h"
#include "gui/network_menu.h"
#include "gui/profile_menu.h"
#include "gui/roll_again_menu.h"
#include "gui/window_services.h"

class QTabWidget;

namespace dossier {

class AboutBox;
class FocusChecks;

// The character record's window. Every field is a control of the same name; typing writes
// the record at once, and every write to the record reaches its control as it is made.
class MainWindow final : public QMainWindow, private RecordListener {
    Q_OBJECT

  public:
    explicit MainWindow(WindowServices services = {});
    ~MainWindow() override;

    CharacterRecord& record() { return *record_; }
    QWidget* Control(Field field) const { return controls_[Index(field)]; }
    QTabWidget* tabs() const { return tabs_; }
    AboutBox* aboutBox() const;
    FileMenu* fileMenu() const { return fileMenu_; }
    NamesMenu* namesMenu() const { return namesMenu_; }
    ProfileMenu* profileMenu() const { return profileMenu_; }
    NetworkMenu* networkMenu() const { return networkMenu_; }

    // Shows the controls the record's texts.
    void Refresh();

    void ShowAbout();
    void OpenSheetInViewer();

  private:
    void BuildMenu();
    void Bind(Field field, QWidget* control);
    void OnEdited(Field field, const QString& text);
    void FieldWritten(Field field) override;
    void ShowField(Field field);
    void Press(Mode mode);
    void Exit();

    WindowServices services_;
    std::unique_ptr<OwnServices> own_;
    std::unique_ptr<CharacterRecord> record_;
    std::unique_ptr<KeepingSheetSink> sink_;
    std::unique_ptr<GenerationModes> modes_;

    QTabWidget* tabs_ = nullptr;
    std::array<QWidget*, kFieldCount> controls_{};
    QPointer<AboutBox> about_;
    FileMenu* fileMenu_ = nullptr;
    NamesMenu* namesMenu_ = nullptr;
    ProfileMenu* profileMenu_ = nullptr;
    NetworkMenu* networkMenu_ = nullptr;
    RollAgainMenu* rollAgain_ = nullptr;
    FocusChecks* focusChecks_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace dossier
