#pragma once

#include <QObject>
#include <filesystem>
#include <optional>
#include <vector>

#include "saved/saved_character.h"
#include "sheet/sheet_sink.h"
#include "ui/dialogs.h"
#include "ui/file_chooser.h"

class QMenu;

namespace dossier {

// Writes each sheet to the sheet file and keeps it for the File menu until the press that
// made it ends.
class KeepingSheetSink final : public SheetSink {
  public:
    explicit KeepingSheetSink(std::filesystem::path path) : file_(std::move(path)) {}
    void Deliver(const CharacterRecord& record, const CharacterSheet& sheet) override;
    const std::filesystem::path& path() const { return file_.path(); }
    // The sheet delivered since the last call, with what it printed of the changing fields.
    std::optional<std::pair<CharacterSheet, SheetMoment>> TakeDelivered();

  private:
    SheetFileSink file_;
    std::optional<std::pair<CharacterSheet, SheetMoment>> delivered_;
};

// The File menu: keeping, reopening and printing characters. The session is every character
// generated since the window opened, in memory only.
class FileMenu final : public QObject {
    Q_OBJECT

  public:
    FileMenu(QMenu* menu, CharacterRecord& record, KeepingSheetSink& sink, Dialogs& dialogs,
             FileChooser& chooser);

    // After each press: a sheet written during it makes a new current character.
    void PressEnded();

    const std::vector<SavedCharacter>& session() const { return session_; }

    void SaveSheetAs();
    void SaveCharacter();
    void OpenCharacter();
    void PrintSheet();
    void ExportSheetAsPdf();
    void SessionRoster();

  private:
    bool HaveSheet(const char* title);
    void Tell(const std::string& message, const char* title);

    CharacterRecord& record_;
    KeepingSheetSink& sink_;
    Dialogs& dialogs_;
    FileChooser& chooser_;
    std::optional<SavedCharacter> current_;  // the character whose sheet is the sheet file
    std::vector<SavedCharacter> session_;
};

}  // namespace dossier
