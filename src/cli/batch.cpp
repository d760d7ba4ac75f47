#include "cli/batch.h"

#include <cerrno>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <system_error>

#include "cli/mode_run.h"
#include "cli/preset_report.h"
#include "platform/utf8_text.h"
#include "printing/character_document.h"
#include "record/random_dice.h"
#include "saved/character_json.h"
#include "saved/roster.h"
#include "sheet/sheet_file.h"

namespace dossier::cli {

namespace fs = std::filesystem;

namespace {

// The bytes one character takes in a text format; the roster's heading comes first.
std::string Encoded(Format format, const SavedCharacter& character, long long index) {
    switch (format) {
        case Format::Json:
            return CharacterJsonLine(character, index);
        case Format::Roster:
            return (index == 1 ? RosterMarkdownHeading() : std::string()) +
                   RosterMarkdownBlock(MakeRosterBlock(character, index));
        default:
            // Every channel gets the same bytes: the sheet file's encoding.
            return ToSheetEncoding(character.sheetText);
    }
}

// Where the characters go.
class Destination {
  public:
    virtual ~Destination() = default;
    virtual void Put(long long index, const SavedCharacter& character) = 0;
    virtual void Finish() {}
    // What the user has of the batch when it stops after `generated` characters.
    virtual std::string Kept(long long generated, long long total) const = 0;
    // Where the finished batch went, for a user at a terminal; empty when it is in plain view.
    virtual std::string Where() const { return {}; }
};

std::string SheetsOf(long long done, long long total) {
    return std::to_string(done) + " of " + std::to_string(total) +
           (total == 1 ? " sheet" : " sheets");
}

class StreamDestination final : public Destination {
  public:
    StreamDestination(std::ostream& out, Format format) : out_(out), format_(format) {}
    void Put(long long index, const SavedCharacter& character) override {
        const std::string text = Encoded(format_, character, index);
        errno = 0;
        out_.write(text.data(), static_cast<std::streamsize>(text.size()));
        Check();
        put_ = index;
    }
    void Finish() override {
        errno = 0;
        out_.flush();
        Check();
    }
    std::string Kept(long long /*generated*/, long long total) const override {
        return SheetsOf(put_, total) + " went to standard output";
    }

  private:
    // The stream keeps no reason of its own; the system's is still in errno.
    void Check() {
        if (out_) return;
        throw SheetWriteError("standard output", errno != 0 ? std::generic_category().message(errno)
                                                            : "the stream refused the data");
    }
    std::ostream& out_;
    Format format_;
    long long put_ = 0;
};

const fs::path& Tidied(const fs::path& path) {
    RemoveAbandonedTemporaries(path.has_parent_path() ? path.parent_path() : ".");
    return path;
}

class FileDestination final : public Destination {
  public:
    FileDestination(const fs::path& path, Format format)
        : file_(Tidied(path)), path_(path), format_(format) {}
    void Put(long long index, const SavedCharacter& character) override {
        file_.Write(Encoded(format_, character, index));
    }
    void Finish() override { file_.Commit(); }
    std::string Kept(long long /*generated*/, long long /*total*/) const override {
        return "nothing was written to " + PathToUtf8(path_);
    }
    std::string Where() const override { return PathToUtf8(path_); }

  private:
    ReplacingFile file_;
    fs::path path_;
    Format format_;
};

// A PDF of sheets or the roster, built page by page.
class DocumentDestination final : public Destination {
  public:
    DocumentDestination(const fs::path& path, PdfKind kind)
        : document_(OpenPdf(Tidied(path), kind)), path_(path) {}
    void Put(long long index, const SavedCharacter& character) override {
        document_->Add(character, index);
    }
    void Finish() override { document_->Finish(); }
    std::string Kept(long long /*generated*/, long long /*total*/) const override {
        return "nothing was written to " + PathToUtf8(path_);
    }
    std::string Where() const override { return PathToUtf8(path_); }

  private:
    std::unique_ptr<CharacterDocument> document_;
    fs::path path_;
};

// One sheet file per character, DIR/char-<i>.txt with i zero-padded to a fixed width.
// The files reach the disk together when the batch ends: one sync instead of one a file.
class FolderDestination final : public Destination {
  public:
    explicit FolderDestination(fs::path folder) : folder_(std::move(folder)) {
        RemoveAbandonedTemporaries(folder_);
    }
    ~FolderDestination() override {
        if (written_ > 0) SyncFileSystemOf(folder_);
    }
    void Put(long long index, const SavedCharacter& character) override {
        std::string number = std::to_string(index);
        number.insert(0, kSheetNumberDigits - number.size(), '0');
        ReplaceFileWith(folder_ / ("char-" + number + ".txt"),
                        Encoded(Format::Sheet, character, index), Durability::Deferred);
        ++written_;
    }
    std::string Kept(long long /*generated*/, long long total) const override {
        return SheetsOf(written_, total) + " written to " + PathToUtf8(folder_);
    }
    std::string Where() const override { return PathToUtf8(folder_); }

  private:
    fs::path folder_;
    long long written_ = 0;
};

std::unique_ptr<Destination> ChooseDestination(const CliOptions& options, std::ostream& out) {
    const Format format = options.format;
    if (format == Format::Pdf || format == Format::RosterPdf) {
        return std::make_unique<DocumentDestination>(
            PathFromUtf8(*options.output),
            format == Format::Pdf ? PdfKind::Sheets : PdfKind::Roster);
    }
    const bool json = format == Format::Json;
    if (options.output == "-" || (json && !options.output)) {
        return std::make_unique<StreamDestination>(out, format);
    }
    const fs::path path = options.output ? PathFromUtf8(*options.output) : DefaultSheetPath();
    if (!options.outputIsFolder) return std::make_unique<FileDestination>(path, format);
    std::error_code error;
    fs::create_directories(path, error);
    if (error) throw SheetWriteError(path, error.message());
    if (json) return std::make_unique<FileDestination>(path / "characters.jsonl", format);
    return std::make_unique<FolderDestination>(path);
}

class Progress {
  public:
    Progress(std::ostream& err, long long total, bool enabled)
        : err_(err), total_(total), step_(total / 100 > 0 ? total / 100 : 1), enabled_(enabled) {}
    void Done(long long count) {
        if (!enabled_ || (count % step_ != 0 && count != total_)) return;
        err_ << "\rdossier-cli: " << count << " of " << total_ << " characters" << std::flush;
        if (count == total_) err_ << '\n';
    }

  private:
    std::ostream& err_;
    long long total_;
    long long step_;
    bool enabled_;
};

// Where each character comes from: generated by the mode, or loaded and, with a mode,
// generated again from its saved fields.
class Characters {
  public:
    explicit Characters(const CliOptions& options) : options_(options) {
        if (options.load) loaded_ = ReadCharacterFile(PathFromUtf8(*options.load));
        if (options.seed) {
            dice_ = std::make_unique<SeededDice>(*options.seed);
        } else {
            dice_ = std::make_unique<ClockDice>();
        }
    }
    long long count() const {
        return options_.load ? static_cast<long long>(loaded_.size()) : options_.count;
    }
    // The index-th character (from 1), or nothing when the mode would not make it; then
    // messages says why.
    std::optional<SavedCharacter> Make(long long index, std::string& messages) {
        if (options_.load && options_.mode == nullptr) return loaded_[index - 1];
        CliOptions typed = options_;
        if (options_.load) {
            // The saved character typed in as presets; the mode's own answers stay.
            typed.presets.clear();
            const SavedCharacter& saved = loaded_[index - 1];
            for (const FieldInfo& info : AllFields())
                typed.presets.emplace_back(info.field, saved.Text(info.field));
        }
        ModeRun run(*dice_);
        if (!RunMode(typed, *options_.mode, run)) {
            messages = run.messages;
            return std::nullopt;
        }
        return SaveCharacter(run.record, run.sheet, run.moment, options_.mode->name);
    }

  private:
    const CliOptions& options_;
    std::vector<SavedCharacter> loaded_;
    std::unique_ptr<Dice> dice_;
};

}  // namespace

int RunBatch(const CliOptions& options, std::ostream& out, std::ostream& err,
             const BatchEnvironment& environment) {
    const auto stopSignal = [&environment] {
        return environment.stopSignal != nullptr ? static_cast<int>(*environment.stopSignal) : 0;
    };
    std::unique_ptr<Destination> destination;
    long long generated = 0;
    long long total = options.count;
    try {
        Characters characters(options);
        total = characters.count();
        destination = ChooseDestination(options, out);
        Progress progress(err, total, environment.stderrIsTerminal && total >= 1000);
        for (long long index = 1; index <= total && stopSignal() == 0; ++index) {
            std::string messages;
            const std::optional<SavedCharacter> character = characters.Make(index, messages);
            if (!character) {
                err << messages;
                if (messages.empty()) err << "dossier-cli: the character was not generated\n";
                return 2;
            }
            destination->Put(index, *character);
            generated = index;
            if (index == 1 && !options.load) err << PresetReport(options);
            progress.Done(index);
        }
        if (const int signal = stopSignal(); signal != 0) {
            err << "\ndossier-cli: stopped by signal " << signal << ": "
                << destination->Kept(generated, total) << '\n';
            return 128 + signal;
        }
        destination->Finish();
        if (environment.stderrIsTerminal && !destination->Where().empty()) {
            const char* what = options.format == Format::Sheet ? " sheet" : " character";
            err << "dossier-cli: wrote " << total << what << (total == 1 ? "" : "s") << " to "
                << destination->Where() << '\n';
        }
    } catch (const CharacterFileError& error) {
        err << "dossier-cli: " << error.what() << '\n';
        return 2;
    } catch (const SheetWriteError& error) {
        err << "dossier-cli: cannot write " << PathToUtf8(error.path()) << ": " << error.reason();
        if (const int signal = stopSignal(); signal != 0) {
            err << "\ndossier-cli: stopped by signal " << signal;
            if (destination) err << ": " << destination->Kept(generated, total);
            err << '\n';
            return 128 + signal;
        }
        if (destination && total > 1) err << " (" << destination->Kept(generated, total) << ")";
        err << '\n';
        return 1;
    }
    return 0;
}

}  // namespace dossier::cli
