#include "gui/file_menu.h"

#include <QAction>
#include <QMenu>
#include <QPagedPaintDevice>

#include "core/saved/character_json.h"
#include "core/saved/roster.h"
#include "export/csv_rows.h"
#include "export/export_file_names.h"
#include "export/foundry_actors.h"
#include "export/markdown_notes.h"
#include "platform/sheet_file.h"
#include "platform/utf8_text.h"
#include "printing/character_document.h"
#include "printing/page_painters.h"

namespace dossier {

FileMenu::FileMenu(QMenu* menu, CharacterRecord& record, KeepingSheetSink& sink, Dialogs& dialogs,
                   FileChooser& chooser)
    : QObject(menu), record_(record), sink_(sink), dialogs_(dialogs), chooser_(chooser) {
    menu->setObjectName("mnuFile");
    const auto add = [&](const char* name, const char* text, QKeySequence shortcut,
                         void (FileMenu::*run)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, [this, run] { (this->*run)(); });
    };
    add("mnuOpenCharacter", "&Open Character...", QKeySequence::Open, &FileMenu::OpenCharacter);
    add("mnuSaveCharacter", "&Save Character...", QKeySequence::Save, &FileMenu::SaveCharacter);
    add("mnuSaveSheetAs", "Save Sheet &As...", QKeySequence::SaveAs, &FileMenu::SaveSheetAs);
    menu->addSeparator();
    add("mnuPrintSheet", "&Print Sheet...", QKeySequence::Print, &FileMenu::PrintSheet);
    add("mnuExportPdf", "&Export Sheet as PDF...", QKeySequence(), &FileMenu::ExportSheetAsPdf);
    add("mnuExportCharacter", "Export &Character...", QKeySequence(), &FileMenu::ExportCharacter);
    add("mnuSessionRoster", "Session &Roster...", QKeySequence(), &FileMenu::SessionRoster);
}

void FileMenu::PressEnded() {
    if (auto delivered = sink_.TakeDelivered()) {
        current_ = dossier::SaveCharacter(record_, delivered->first, delivered->second, "window");
        session_.push_back(*current_);
        currentInSession_ = true;
        emit CurrentChanged();
    }
}

void FileMenu::Tell(const std::string& message, const char* title) {
    dialogs_.Message(message, title);
}

bool FileMenu::HaveSheet(const char* title) {
    if (current_) return true;
    Tell("No character sheet has been written yet: generate a character or open one first.", title);
    return false;
}

void FileMenu::SaveSheetAs() {
    constexpr const char* kTitle = "Save Sheet As";
    if (!HaveSheet(kTitle)) return;
    const auto path = chooser_.SaveFile(kTitle, "Text files (*.txt);;All files (*)", "char.txt");
    if (!path) return;
    try {
        // The very bytes of the sheet file, in its encoding.
        ReplaceFileWith(*path, ToSheetEncoding(current_->sheetText));
    } catch (const WriteError& error) {
        Tell(error.what(), kTitle);
    }
}

void FileMenu::SaveCharacter() {
    constexpr const char* kTitle = "Save Character";
    if (!HaveSheet(kTitle)) return;
    const auto path =
        chooser_.SaveFile(kTitle, "Dossier characters (*.json);;All files (*)", "character.json");
    if (!path) return;
    try {
        ReplaceFileWith(*path, CharacterJsonLine(*current_, 1));
    } catch (const WriteError& error) {
        Tell(error.what(), kTitle);
    }
}

void FileMenu::OpenCharacter() {
    constexpr const char* kTitle = "Open Character";
    const auto path =
        chooser_.OpenFile(kTitle, "Dossier characters (*.json *.jsonl);;All files (*)");
    if (!path) return;
    std::vector<SavedCharacter> characters;
    try {
        SavedFile file = ReadSavedFile(*path);
        if (file.isNetwork) {
            emit NetworkOpened(file.content);
            return;
        }
        characters = std::move(file.content.members);
    } catch (const CharacterFileError& error) {
        Tell(std::string("The character could not be opened: ") + error.what(), kTitle);
        return;
    }
    std::size_t chosen = 0;
    if (characters.size() > 1) {
        QStringList titles;
        for (std::size_t i = 0; i < characters.size(); ++i) {
            titles << QString::fromStdString(
                MakeRosterBlock(characters[i], static_cast<long long>(i + 1)).title);
        }
        const std::optional<int> pick = chooser_.ChooseOne(
            kTitle, "The file holds several characters. Open which one?", titles);
        if (!pick || *pick < 0) return;
        chosen = static_cast<std::size_t>(*pick);
    }
    Open(characters[chosen], kTitle);
}

bool FileMenu::Open(const SavedCharacter& character, const char* title) {
    try {
        // Its sheet becomes the sheet file again, so Open Word Pad and printing show it.
        WriteSheetFile(sink_.path(), character.sheetText);
    } catch (const WriteError& error) {
        Tell(error.what(), title);
        return false;
    }
    TypeInto(record_, character);
    current_ = character;
    currentInSession_ = false;
    emit CurrentChanged();
    return true;
}

bool FileMenu::Rename(const CharacterNames& names) {
    if (!HaveSheet("New Name")) return false;
    SavedCharacter renamed = *current_;
    renamed.names = names;
    return Rewrite(std::move(renamed), "New Name");
}

bool FileMenu::Reprofile(const CharacterProfile& profile) {
    if (!HaveSheet("New Profile")) return false;
    SavedCharacter changed = *current_;
    changed.profile = profile;
    return Rewrite(std::move(changed), "New Profile");
}

bool FileMenu::Replace(std::optional<SavedCharacter> character, const char* title) {
    if (!HaveSheet(title) || !character) return false;
    return Rewrite(std::move(*character), title);
}

bool FileMenu::Rewrite(SavedCharacter changed, const char* title) {
    changed.sheetText = LaidOutSheet(changed);
    try {
        WriteSheetFile(sink_.path(), changed.sheetText);
    } catch (const WriteError& error) {
        Tell(error.what(), title);
        return false;
    }
    if (currentInSession_) session_.back() = changed;
    current_ = std::move(changed);
    emit CurrentChanged();
    return true;
}

void FileMenu::PrintSheet() {
    if (!HaveSheet("Print Sheet")) return;
    chooser_.Print("Character sheet", [this](QPagedPaintDevice& printer) {
        Pages pages(printer);
        SheetPainter(pages).Add(current_->sheetText);
        pages.End();
    });
}

void FileMenu::ExportSheetAsPdf() {
    constexpr const char* kTitle = "Export Sheet as PDF";
    if (!HaveSheet(kTitle)) return;
    const auto path = chooser_.SaveFile(kTitle, "PDF (*.pdf)", "char.pdf");
    if (!path) return;
    try {
        const std::unique_ptr<CharacterDocument> pdf = OpenPdf(*path, PdfKind::Sheets);
        pdf->Add(*current_, 1);
        pdf->Finish();
    } catch (const WriteError& error) {
        Tell(error.what(), kTitle);
    }
}

namespace {

std::string Extension(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    for (char& c : extension) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return extension;
}

// The spreadsheet of the characters, its columns those the first of each kind needs.
std::string Spreadsheet(const std::vector<SavedCharacter>& characters) {
    CsvShape shape;
    for (const SavedCharacter& character : characters) {
        shape.named = shape.named || !character.names.empty();
        shape.profiled = shape.profiled || !character.profile.empty();
    }
    const CsvTable table(shape);
    std::string text = std::string(kUtf8ByteOrderMark) + table.Header();
    for (std::size_t i = 0; i < characters.size(); ++i)
        text += table.Row(characters[i], static_cast<long long>(i + 1));
    return text;
}

}  // namespace

void FileMenu::ExportCharacter() {
    constexpr const char* kTitle = "Export Character";
    if (!HaveSheet(kTitle)) return;
    const std::string stem = SafeFileStem(current_->names.name);
    const auto path = chooser_.SaveFile(
        kTitle,
        "Markdown note (*.md);;Foundry VTT actor (*.json);;Spreadsheet, CSV (*.csv);;PDF (*.pdf)",
        QString::fromStdString((stem.empty() ? std::string("character") : stem) + ".md"));
    if (!path) return;
    const std::string extension = Extension(*path);
    try {
        if (extension == ".pdf") {
            const std::unique_ptr<CharacterDocument> pdf = OpenPdf(*path, PdfKind::Sheets);
            pdf->Add(*current_, 1);
            pdf->Finish();
        } else if (extension == ".json") {
            ReplaceFileWith(*path, FoundryActorJson(*current_, 1));
        } else if (extension == ".csv") {
            ReplaceFileWith(*path, Spreadsheet({*current_}));
        } else {
            ReplaceFileWith(*path, MarkdownNote(*current_, 1));
        }
    } catch (const WriteError& error) {
        Tell(error.what(), kTitle);
    }
}

void FileMenu::SessionRoster() {
    constexpr const char* kTitle = "Session Roster";
    if (session_.empty()) {
        Tell("No character has been generated since the window opened.", kTitle);
        return;
    }
    const auto path = chooser_.SaveFile(
        kTitle, "PDF (*.pdf);;Markdown (*.md);;Spreadsheet, CSV (*.csv)", "roster.pdf");
    if (!path) return;
    try {
        if (Extension(*path) == ".csv") {
            ReplaceFileWith(*path, Spreadsheet(session_));
            return;
        }
        if (path->extension() == ".md") {
            std::string text = RosterMarkdownHeading();
            for (std::size_t i = 0; i < session_.size(); ++i)
                text += RosterMarkdownBlock(
                    MakeRosterBlock(session_[i], static_cast<long long>(i + 1)));
            ReplaceFileWith(*path, text);
            return;
        }
        const std::unique_ptr<CharacterDocument> pdf = OpenPdf(*path, PdfKind::Roster);
        for (std::size_t i = 0; i < session_.size(); ++i)
            pdf->Add(session_[i], static_cast<long long>(i + 1));
        pdf->Finish();
    } catch (const WriteError& error) {
        Tell(error.what(), kTitle);
    }
}

}  // namespace dossier
