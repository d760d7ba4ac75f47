#include "cli/batch.h"

#include <cerrno>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <system_error>

#include "cli/character_json.h"
#include "generators/age_handedness.h"
#include "record/random_dice.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_sink.h"

namespace dossier::cli {

namespace fs = std::filesystem;

namespace {

// Keeps the sheet a mode delivers, with the fields that may change after it.
class CaptureSink final : public SheetSink {
  public:
    void Deliver(const CharacterRecord& record, CharacterSheet sheet) override {
        sheet_ = std::move(sheet);
        moment_ = {record.Text(Field::cboGlasses), record.Text(Field::cboLoss),
                   record.Text(Field::cboPhysique)};
        delivered_ = true;
    }
    bool delivered() const { return delivered_; }
    const CharacterSheet& sheet() const { return sheet_; }
    const SheetMoment& moment() const { return moment_; }

  private:
    CharacterSheet sheet_;
    SheetMoment moment_;
    bool delivered_ = false;
};

// Answers each prompt once from the options; asked again means the answer was refused,
// and a terminal has no one to ask, so the second time counts as a cancel.
class PresetAnswers final : public Dialogs {
  public:
    explicit PresetAnswers(const CliOptions& options) : options_(options) {}

    std::optional<std::string> Prompt(const std::string& /*message*/,
                                      const std::string& title) override {
        const bool sex = title == "Sex";
        bool& asked = sex ? askedSex_ : askedLevel_;
        if (asked) return std::nullopt;
        asked = true;
        return sex ? options_.sexAnswer : options_.levelAnswer;
    }
    void Message(const std::string& message, const std::string& title) override {
        messages_ += "dossier-cli: " + title + ": " + message + '\n';
    }
    const std::string& messages() const { return messages_; }

  private:
    const CliOptions& options_;
    bool askedSex_ = false;
    bool askedLevel_ = false;
    std::string messages_;
};

// Where the generated texts go.
class Destination {
  public:
    virtual ~Destination() = default;
    virtual void Put(long long index, const std::string& text) = 0;
    virtual void Finish() {}
    // What the user has of the batch when it stops after `generated` characters.
    virtual std::string Kept(long long generated, long long total) const = 0;
};

std::string SheetsOf(long long done, long long total) {
    return std::to_string(done) + " of " + std::to_string(total) +
           (total == 1 ? " sheet" : " sheets");
}

class StreamDestination final : public Destination {
  public:
    explicit StreamDestination(std::ostream& out) : out_(out) {}
    void Put(long long index, const std::string& text) override {
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
    long long put_ = 0;
};

class FileDestination final : public Destination {
  public:
    explicit FileDestination(const fs::path& path) : file_(Tidied(path)), path_(path) {}
    void Put(long long /*index*/, const std::string& text) override { file_.Write(text); }
    void Finish() override { file_.Commit(); }
    std::string Kept(long long /*generated*/, long long /*total*/) const override {
        return "nothing was written to " + path_.string();
    }

  private:
    static const fs::path& Tidied(const fs::path& path) {
        RemoveAbandonedTemporaries(path.has_parent_path() ? path.parent_path() : ".");
        return path;
    }
    ReplacingFile file_;
    fs::path path_;
};

// One sheet file per character, DIR/char-<i>.txt with i zero-padded to the width of count.
// The files reach the disk together when the batch ends: one sync instead of one a file.
class FolderDestination final : public Destination {
  public:
    FolderDestination(fs::path folder, long long count)
        : folder_(std::move(folder)), width_(std::to_string(count).size()) {
        RemoveAbandonedTemporaries(folder_);
    }
    ~FolderDestination() override {
        if (written_ > 0) SyncFileSystemOf(folder_);
    }
    void Put(long long index, const std::string& text) override {
        std::string number = std::to_string(index);
        number.insert(0, width_ - number.size(), '0');
        WriteSheetFile(folder_ / ("char-" + number + ".txt"), text, Durability::Deferred);
        ++written_;
    }
    std::string Kept(long long /*generated*/, long long total) const override {
        return SheetsOf(written_, total) + " written to " + folder_.string();
    }

  private:
    fs::path folder_;
    std::size_t width_;
    long long written_ = 0;
};

std::unique_ptr<Destination> ChooseDestination(const CliOptions& options, std::ostream& out) {
    const bool json = options.format == Format::Json;
    if (options.output == "-" || (json && !options.output)) {
        return std::make_unique<StreamDestination>(out);
    }
    const fs::path path = options.output ? fs::path(*options.output) : DefaultSheetPath();
    std::error_code ignored;
    const bool isFolder = fs::is_directory(path, ignored);
    if (json) {
        return std::make_unique<FileDestination>(isFolder ? path / "characters.jsonl" : path);
    }
    if (options.count == 1 && !isFolder) return std::make_unique<FileDestination>(path);
    if (!isFolder) {
        std::error_code error;
        fs::create_directories(path, error);
        if (error) throw SheetWriteError(path, error.message());
    }
    return std::make_unique<FolderDestination>(path, options.count);
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

}  // namespace

int RunBatch(const CliOptions& options, std::ostream& out, std::ostream& err,
             const BatchEnvironment& environment) {
    std::unique_ptr<Dice> dice;
    if (options.seed) {
        dice = std::make_unique<SeededDice>(*options.seed);
    } else {
        dice = std::make_unique<ClockDice>();
    }
    const auto stopSignal = [&environment] {
        return environment.stopSignal != nullptr ? static_cast<int>(*environment.stopSignal) : 0;
    };
    std::unique_ptr<Destination> destination;
    long long generated = 0;
    try {
        destination = ChooseDestination(options, out);
        Progress progress(err, options.count, environment.showProgress && options.count >= 1000);
        for (long long index = 1; index <= options.count && stopSignal() == 0; ++index) {
            CharacterRecord record = StartupRecord(*dice);
            for (const auto& [field, text] : options.presets) record.Write(field, text);

            CaptureSink sink;
            PresetAnswers answers(options);
            GenerationModes modes(record, sink, answers);
            const Outcome outcome = (modes.*(options.mode->press))();
            if (outcome != Outcome::Completed || !sink.delivered()) {
                err << answers.messages();
                if (answers.messages().empty())
                    err << "dossier-cli: the character was not generated\n";
                return 2;
            }
            if (options.format == Format::Json) {
                destination->Put(index, CharacterJsonLine(index, options.mode->name, record,
                                                          sink.sheet(), sink.moment()));
            } else {
                destination->Put(index, sink.sheet().text);
            }
            generated = index;
            progress.Done(index);
        }
        if (const int signal = stopSignal(); signal != 0) {
            err << "\ndossier-cli: stopped by signal " << signal << ": "
                << destination->Kept(generated, options.count) << '\n';
            return 128 + signal;
        }
        destination->Finish();
    } catch (const SheetWriteError& error) {
        err << "dossier-cli: cannot write " << error.path().string() << ": " << error.reason();
        if (const int signal = stopSignal(); signal != 0) {
            err << "\ndossier-cli: stopped by signal " << signal;
            if (destination) err << ": " << destination->Kept(generated, options.count);
            err << '\n';
            return 128 + signal;
        }
        if (destination && options.count > 1) {
            err << " (" << destination->Kept(generated, options.count) << ")";
        }
        err << '\n';
        return 1;
    }
    return 0;
}

}  // namespace dossier::cli
