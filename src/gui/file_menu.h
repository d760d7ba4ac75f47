#pragma once

#include <QObject>
#include <filesystem>
#include <optional>
#include <vector>

#include "core/saved/network.h"
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

    // The character whose sheet is the sheet file, if any.
    const SavedCharacter* current() const { return current_ ? &*current_ : nullptr; }
    // Gives it another name and codename: its sheet is laid out again from what was rolled for
    // it, and written; the session's roster holds the new names. False, and the user told why,
    // when the sheet cannot be written.
    bool Rename(const CharacterNames& names);
    // The same with another profile.
    bool Reprofile(const CharacterProfile& profile);
    // The character on screen becomes this one, its sheet written; with nothing, the user is
    // told that there is no character yet. False when there is none or the sheet is not written.
    bool Replace(std::optional<SavedCharacter> character, const char* title);

    void SaveSheetAs();
    void SaveCharacter();
    void OpenCharacter();
    // The character becomes the one on screen, its sheet the sheet file, as Open Character
    // makes it. False, and the user told why, when the sheet cannot be written.
    bool Open(const SavedCharacter& character, const char* title);
    void PrintSheet();
    void ExportSheetAsPdf();
    // The character on screen as a note, a virtual tabletop actor, a spreadsheet row or a PDF,
    // by the file's extension.
    void ExportCharacter();
    void SessionRoster();

  signals:
    // Another character's sheet is the sheet file, or the same under another name or profile.
    void CurrentChanged();
    // Open Character was given a network's file.
    void NetworkOpened(const dossier::Network& network);

  private:
    bool HaveSheet(const char* title);
    // Lays out the current character's sheet again as changed and writes it.
    bool Rewrite(SavedCharacter changed, const char* title);
    void Tell(const std::string& message, const char* title);

    CharacterRecord& record_;
    KeepingSheetSink& sink_;
    Dialogs& dialogs_;
    FileChooser& chooser_;
    std::optional<SavedCharacter> current_;  // the character whose sheet is the sheet file
    std::vector<SavedCharacter> session_;
    bool currentInSession_ = false;  // it is the session's last: it was generated, not opened
};

}  // namespace dossier
