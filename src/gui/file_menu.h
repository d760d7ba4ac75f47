#pragma once

#include <QObject>
#include <filesystem>
#include <optional>
#include <vector>

#include "core/saved/saved_character.h"
#include "frontend/dialogs.h"
#include "frontend/sheet_file_sink.h"
#include "gui/file_chooser.h"

class QMenu;

namespace dossier {

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
