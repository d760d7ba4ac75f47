#include "cli/batch.h"

#include <cerrno>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <system_error>

#include "cli/character_json.h"
#include "cli/mode_run.h"
#include "cli/preset_report.h"
#include "generators/age_handedness.h"
#include "platform/utf8_text.h"
#include "record/random_dice.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_sink.h"

namespace dossier::cli {

namespace fs = std::filesystem;

namespace {

// Where the generated texts go.
class Destination {
  public:
    virtual ~Destination() = default;
    virtual void Put(long long index, const std::string& text) = 0;
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
        return "nothing was written to " + PathToUtf8(path_);
    }
    std::string Where() const override { return PathToUtf8(path_); }

  private:
    static const fs::path& Tidied(const fs::path& path) {
        RemoveAbandonedTemporaries(path.has_parent_path() ? path.parent_path() : ".");
        return path;
    }
    ReplacingFile file_;
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
    void Put(long long index, const std::string& text) override {
        std::string number = std::to_string(index);
        number.insert(0, kSheetNumberDigits - number.size(), '0');
        ReplaceFileWith(folder_ / ("char-" + number + ".txt"), text, Durability::Deferred);
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
    const bool json = options.format == Format::Json;
    if (options.output == "-" || (json && !options.output)) {
        return std::make_unique<StreamDestination>(out);
    }
    const fs::path path = options.output ? PathFromUtf8(*options.output) : DefaultSheetPath();
    if (!options.outputIsFolder) return std::make_unique<FileDestination>(path);
    std::error_code error;
    fs::create_directories(path, error);
    if (error) throw SheetWriteError(path, error.message());
    if (json) return std::make_unique<FileDestination>(path / "characters.jsonl");
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
        Progress progress(err, options.count,
                          environment.stderrIsTerminal && options.count >= 1000);
        for (long long index = 1; index <= options.count && stopSignal() == 0; ++index) {
            ModeRun run(*dice);
            if (!RunMode(options, *options.mode, run)) {
                err << run.messages;
                if (run.messages.empty()) err << "dossier-cli: the character was not generated\n";
                return 2;
            }
            if (options.format == Format::Json) {
                destination->Put(index, CharacterJsonLine(index, options.mode->name, run.record,
                                                          run.sheet, run.moment));
            } else {
                // Every channel gets the same bytes: the sheet file's encoding.
                destination->Put(index, ToSheetEncoding(std::move(run.sheet.text)));
            }
            generated = index;
            if (index == 1) err << PresetReport(options);
            progress.Done(index);
        }
        if (const int signal = stopSignal(); signal != 0) {
            err << "\ndossier-cli: stopped by signal " << signal << ": "
                << destination->Kept(generated, options.count) << '\n';
            return 128 + signal;
        }
        destination->Finish();
        if (environment.stderrIsTerminal && !destination->Where().empty()) {
            const char* what = options.format == Format::Json ? " character" : " sheet";
            err << "dossier-cli: wrote " << options.count << what << (options.count == 1 ? "" : "s")
                << " to " << destination->Where() << '\n';
        }
    } catch (const SheetWriteError& error) {
        err << "dossier-cli: cannot write " << PathToUtf8(error.path()) << ": " << error.reason();
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
