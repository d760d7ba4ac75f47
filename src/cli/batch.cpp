#include "cli/batch.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <system_error>

#include "cli/mode_run.h"
#include "cli/preset_report.h"
#include "core/dice/random_dice.h"
#include "core/saved/character_json.h"
#include "core/saved/roster.h"
#include "export/csv_rows.h"
#include "export/export_file_names.h"
#include "export/foundry_actors.h"
#include "export/markdown_notes.h"
#include "frontend/field_checks.h"
#include "naming/name_drawer.h"
#include "network/network_graphs.h"
#include "network/network_maker.h"
#include "platform/sheet_file.h"
#include "platform/utf8_text.h"
#include "printing/character_document.h"
#include "profile/profile_drawer.h"
#include "reroll/reroller.h"

namespace dossier::cli {

namespace fs = std::filesystem;

namespace {

// One character as the batch made it: straight from the generation, or saved. Only the
// formats that need the saved form pay for it.
class Made {
  public:
    Made(const ModeRunner& runner, std::string_view mode) : runner_(&runner), mode_(mode) {}
    explicit Made(const SavedCharacter& saved) : saved_(&saved) {}

    const std::string& SheetText() const {
        return saved_ != nullptr ? saved_->sheetText : runner_->sheet().text;
    }
    // The JSON line, from the generation itself when there is no saved form yet.
    std::string Json(CharacterJsonWriter& json, long long index) const {
        if (saved_ != nullptr) return json.Line(*saved_, index);
        return json.Line(runner_->record(), runner_->sheet(), runner_->moment(), mode_, index);
    }
    const SavedCharacter& Saved() const {
        if (saved_ == nullptr) {
            kept_ = SaveCharacter(runner_->record(), runner_->sheet(), runner_->moment(),
                                  std::string(mode_));
            saved_ = &*kept_;
        }
        return *saved_;
    }

  private:
    const ModeRunner* runner_ = nullptr;
    std::string_view mode_;
    mutable const SavedCharacter* saved_ = nullptr;
    mutable std::optional<SavedCharacter> kept_;
};

// The bytes each character takes in a text format; the roster's heading comes first, the
// spreadsheet's byte order mark and header before its first row. Every channel gets a sheet in
// the same bytes: the sheet file's encoding.
class Encoder {
  public:
    Encoder(Format format, CsvShape shape) : format_(format) {
        if (format == Format::Csv) csv_.emplace(shape);
    }
    std::string operator()(const Made& character, long long index) {
        switch (format_) {
            case Format::Json:
                return character.Json(json_, index);
            case Format::Roster:
                return (index == 1 ? RosterMarkdownHeading() : std::string()) +
                       RosterMarkdownBlock(MakeRosterBlock(character.Saved(), index));
            case Format::Csv: {
                std::string bytes;
                if (!headed_) bytes = std::string(kUtf8ByteOrderMark) + csv_->Header();
                headed_ = true;
                return bytes + csv_->Row(character.Saved(), index);
            }
            default:
                return ToSheetEncoding(character.SheetText());
        }
    }

  private:
    Format format_;
    CharacterJsonWriter json_;
    std::optional<CsvTable> csv_;
    bool headed_ = false;
};

// Where the characters go.
class Destination {
  public:
    virtual ~Destination() = default;
    virtual void Put(long long index, const Made& character) = 0;
    virtual void Finish() {}
    // What the user has of the batch when it stops after `generated` characters.
    virtual std::string Kept(long long generated, long long total) const = 0;
    // Where the finished batch went, for a user at a terminal; empty when it is in plain view.
    virtual std::string Where() const { return {}; }
    // A signal stops the batch: what is whole so far may still go out.
    virtual void Interrupted() {}
};

std::string SheetsOf(long long done, long long total) {
    return std::to_string(done) + " of " + std::to_string(total) +
           (total == 1 ? " sheet" : " sheets");
}

// Gathers whole sheets and hands them on some 64 KiB at a time: a stream given one sheet at a
// time makes a system call for each.
class StreamDestination final : public Destination {
  public:
    StreamDestination(std::ostream& out, Format format, CsvShape shape)
        : out_(out), encode_(format, shape) {
        gathered_.reserve(kGathered + 4096);
    }
    void Put(long long index, const Made& character) override {
        gathered_ += encode_(character, index);
        ++pending_;
        if (gathered_.size() >= kGathered) Hand();
    }
    void Finish() override {
        Hand();
        errno = 0;
        out_.flush();
        Check();
    }
    void Interrupted() override {
        try {
            Finish();
        } catch (const WriteError&) {
            // Stopping anyway; what went out is counted.
        }
    }
    std::string Kept(long long /*generated*/, long long total) const override {
        return SheetsOf(put_, total) + " went to standard output";
    }

  private:
    static constexpr std::size_t kGathered = 1 << 16;

    void Hand() {
        if (gathered_.empty()) return;
        errno = 0;
        out_.write(gathered_.data(), static_cast<std::streamsize>(gathered_.size()));
        Check();
        put_ += pending_;
        pending_ = 0;
        gathered_.clear();
    }
    // The stream keeps no reason of its own; the system's is still in errno.
    void Check() {
        if (out_) return;
        throw WriteError("standard output", errno != 0 ? std::generic_category().message(errno)
                                                       : "the stream refused the data");
    }
    std::ostream& out_;
    Encoder encode_;
    std::string gathered_;
    long long pending_ = 0;  // sheets gathered, not yet handed on
    long long put_ = 0;      // sheets handed on
};

const fs::path& Tidied(const fs::path& path) {
    RemoveAbandonedTemporaries(path.has_parent_path() ? path.parent_path() : ".");
    return path;
}

class FileDestination final : public Destination {
  public:
    FileDestination(const fs::path& path, Format format, CsvShape shape)
        : file_(Tidied(path)), path_(path), encode_(format, shape) {}
    void Put(long long index, const Made& character) override {
        file_.Write(encode_(character, index));
    }
    void Finish() override { file_.Commit(); }
    std::string Kept(long long /*generated*/, long long /*total*/) const override {
        return "nothing was written to " + PathToUtf8(path_);
    }
    std::string Where() const override { return PathToUtf8(path_); }

  private:
    ReplacingFile file_;
    fs::path path_;
    Encoder encode_;
};

// A PDF of sheets or the roster, built page by page.
class DocumentDestination final : public Destination {
  public:
    DocumentDestination(const fs::path& path, PdfKind kind)
        : document_(OpenPdf(Tidied(path), kind)), path_(path) {}
    void Put(long long index, const Made& character) override {
        document_->Add(character.Saved(), index);
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
    void Put(long long index, const Made& character) override {
        std::string number = std::to_string(index);
        number.insert(0, kSheetNumberDigits - number.size(), '0');
        ReplaceFileWith(folder_ / ("char-" + number + ".txt"),
                        ToSheetEncoding(character.SheetText()), Durability::Deferred);
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

// A file a character under the character's name, notes or actors; the files reach the disk
// together when the batch ends.
class NamedFilesDestination final : public Destination {
  public:
    NamedFilesDestination(fs::path folder, Format format)
        : folder_(std::move(folder)),
          format_(format),
          names_(format == Format::Markdown ? ".md" : ".json") {
        RemoveAbandonedTemporaries(folder_);
    }
    ~NamedFilesDestination() override {
        if (written_ > 0) SyncFileSystemOf(folder_);
    }
    void Put(long long index, const Made& character) override {
        const SavedCharacter& saved = character.Saved();
        const std::string bytes = format_ == Format::Markdown ? MarkdownNote(saved, index)
                                                              : FoundryActorJson(saved, index);
        ReplaceFileWith(folder_ / PathFromUtf8(names_.FileName(saved.names.name, index)), bytes,
                        Durability::Deferred);
        ++written_;
    }
    std::string Kept(long long /*generated*/, long long total) const override {
        return std::to_string(written_) + " of " + std::to_string(total) + " files written to " +
               PathToUtf8(folder_);
    }
    std::string Where() const override { return PathToUtf8(folder_); }

  private:
    fs::path folder_;
    Format format_;
    FileNamer names_;
    long long written_ = 0;
};

fs::path MadeFolder(const fs::path& path) {
    std::error_code error;
    fs::create_directories(path, error);
    if (error) throw WriteError(path, error.message());
    return path;
}

std::unique_ptr<Destination> ChooseDestination(const CliOptions& options, std::ostream& out,
                                               CsvShape shape = {}) {
    const Format format = options.format;
    if (format == Format::Pdf || format == Format::RosterPdf) {
        return std::make_unique<DocumentDestination>(
            PathFromUtf8(*options.output),
            format == Format::Pdf ? PdfKind::Sheets : PdfKind::Roster);
    }
    if (NeedsFolder(format)) {
        return std::make_unique<NamedFilesDestination>(MadeFolder(PathFromUtf8(*options.output)),
                                                       format);
    }
    const bool json = format == Format::Json, csv = format == Format::Csv;
    if (options.output == "-" || ((json || csv) && !options.output)) {
        return std::make_unique<StreamDestination>(out, format, shape);
    }
    const fs::path path = options.output ? PathFromUtf8(*options.output) : DefaultSheetPath();
    if (!options.outputIsFolder) return std::make_unique<FileDestination>(path, format, shape);
    MadeFolder(path);
    if (json) return std::make_unique<FileDestination>(path / "characters.jsonl", format, shape);
    if (csv) return std::make_unique<FileDestination>(path / "characters.csv", format, shape);
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
        if (options.load) {
            SavedFile file = ReadSavedFile(PathFromUtf8(*options.load));
            loaded_ = std::move(file.content.members);
            if (file.isNetwork) loadedLinks_ = std::move(file.content.links);
        }
        dice_ = MakeDice(0);
        runner_.emplace(options, *dice_);
        // Names come from dice of their own, so turning them on changes no other roll. A
        // character loaded with a name keeps it when the mode runs again on it.
        const bool named =
            std::any_of(loaded_.begin(), loaded_.end(),
                        [](const SavedCharacter& saved) { return !saved.names.empty(); });
        if (options.namesOrigin || (options.mode != nullptr && named)) {
            nameDice_ = MakeDice(kNameStream);
            namer_.emplace(*nameDice_, options.namesOrigin.value_or(""));
        }
        // Profiles too; a loaded one stays when the mode runs again, as the person it is.
        const bool profiled =
            std::any_of(loaded_.begin(), loaded_.end(),
                        [](const SavedCharacter& saved) { return !saved.profile.empty(); });
        if (!options.reroll.empty()) {
            nameDice_ = MakeDice(kNameStream);
            profileDice_ = MakeDice(kProfileStream);
            reroller_.emplace(*dice_, *nameDice_, *profileDice_);
        }
        if (options.profile || (options.mode != nullptr && profiled)) {
            profileDice_ = MakeDice(kProfileStream);
            profiler_.emplace(*profileDice_);
            profiler_->SetRole(options.role);
        }
    }
    long long count() const {
        return options_.load ? static_cast<long long>(loaded_.size()) : options_.count;
    }
    // The index-th character (from 1), valid until the next; nothing when the mode would not
    // make it, and messages() says why.
    std::optional<Made> Make(long long index) {
        if (reroller_) {
            rerolled_ = reroller_->Reroll(loaded_[index - 1], options_.reroll);
            return Made(rerolled_);
        }
        if (options_.load && options_.mode == nullptr) {
            if (!namer_) return Made(loaded_[index - 1]);
            // Names and profiles given or asked for go onto the saved character; nothing else
            // is rolled.
            renamed_ = loaded_[index - 1];
            const std::string& sex = renamed_.Text(Field::cboSex);
            NameFor(index);
            renamed_.names = namer_->Draw(sex);
            if (ProfileFor(index)) profiler_->Profile(sex, renamed_.names, renamed_.profile);
            renamed_.sheetText = LaidOutSheet(renamed_);
            return Made(renamed_);
        }
        const Presets* presets = &options_.presets;
        if (options_.load) {
            // The saved character typed in as presets; the mode's own answers stay.
            typed_.clear();
            const SavedCharacter& saved = loaded_[index - 1];
            for (const FieldInfo& info : kFields)
                typed_.emplace_back(info.field, saved.Text(info.field));
            // Presets given with --load are typed in after, over the saved fields.
            typed_.insert(typed_.end(), options_.presets.begin(), options_.presets.end());
            presets = &typed_;
        }
        NameFor(index);
        ProfileFor(index);
        if (!runner_->Run(*options_.mode, *presets)) return std::nullopt;
        return Made(*runner_, options_.mode->cliWord);
    }
    const std::string& messages() const { return runner_->messages(); }

    // The columns a spreadsheet of these characters needs.
    CsvShape Shape() const {
        const auto any = [this](auto has) {
            return std::any_of(loaded_.begin(), loaded_.end(), has);
        };
        return {.named = options_.namesOrigin.has_value() ||
                         any([](const SavedCharacter& c) { return !c.names.empty(); }),
                .profiled = options_.profile ||
                            any([](const SavedCharacter& c) { return !c.profile.empty(); }),
                .networked = false};
    }
    // Whether the characters are a network's members: one asked for, or one loaded.
    bool network() const { return options_.network || loadedLinks_; }
    // The network, its members made or loaded; nothing when the mode would not make one, and
    // messages() says why.
    std::optional<Network> MakeNetwork() {
        Network network;
        if (loadedLinks_) {
            for (long long index = 1; index <= count(); ++index) {
                const std::optional<Made> member = Make(index);
                if (!member) return std::nullopt;
                network.members.push_back(member->Saved());
            }
            network.links = *loadedLinks_;
            return network;
        }
        bool made = true;
        long long index = 0;
        const std::unique_ptr<Dice> structureDice = MakeDice(kNetworkStream);
        network = dossier::MakeNetwork(
            *options_.network, *structureDice,
            [&](std::size_t role) {
                profiler_->SetRole(role);
                const std::optional<Made> member = made ? Make(++index) : std::nullopt;
                made = member.has_value();
                return made ? member->Saved() : SavedCharacter();
            },
            options_.role);
        if (!made) return std::nullopt;
        return network;
    }

  private:
    // Folded into the seed for the names' own dice.
    static constexpr std::uint64_t kNameStream = 0x4E414D4553ULL;
    static constexpr std::uint64_t kProfileStream = 0x50524F46494C45ULL;
    static constexpr std::uint64_t kNetworkStream = 0x4E4554574F524BULL;

    std::unique_ptr<Dice> MakeDice(std::uint64_t stream) const {
        if (options_.seed) return std::make_unique<SeededDice>(*options_.seed ^ stream);
        return std::make_unique<ClockDice>();
    }
    // The names the user gave stay, then those the loaded character has; where names are on,
    // the rest is drawn.
    void NameFor(long long index) {
        if (!namer_) return;
        std::optional<std::string> name = options_.name, alias = options_.alias;
        std::string origin;
        const CharacterNames* saved = options_.load ? &loaded_[index - 1].names : nullptr;
        std::optional<std::string> keptForSex;
        if (saved != nullptr && !saved->empty()) {
            if (!name) {
                name = saved->name, origin = saved->origin;
                // A drawn name follows the sex; one the user typed (no origin) stays.
                if (!origin.empty()) keptForSex = loaded_[index - 1].Text(Field::cboSex);
            }
            if (!alias) alias = saved->alias;
        }
        namer_->Fix(name, alias, origin, keptForSex);
        runner_->SetNamer(options_.namesOrigin || name ? &*namer_ : nullptr);
    }

    // The profile the loaded character has stays; where profiles are on, one is drawn for a
    // character without. False when the character gets none.
    bool ProfileFor(long long index) {
        if (!profiler_) return false;
        const SavedCharacter* saved = options_.load ? &loaded_[index - 1] : nullptr;
        const bool kept = saved != nullptr && !saved->profile.empty();
        if (kept) {
            profiler_->Keep(saved->profile, saved->Text(Field::cboSex));
        } else {
            profiler_->Keep(std::nullopt);
        }
        const bool profiled = kept || options_.profile;
        runner_->SetProfiler(profiled ? &*profiler_ : nullptr);
        return profiled;
    }

    const CliOptions& options_;
    std::vector<SavedCharacter> loaded_;
    std::optional<std::vector<std::vector<NetworkLink>>> loadedLinks_;
    std::unique_ptr<Dice> dice_;
    std::unique_ptr<Dice> nameDice_;
    std::optional<NameDrawer> namer_;
    std::unique_ptr<Dice> profileDice_;
    std::optional<ProfileDrawer> profiler_;
    std::optional<Reroller> reroller_;
    SavedCharacter rerolled_;
    std::optional<ModeRunner> runner_;
    Presets typed_;
    SavedCharacter renamed_;
};

// A network in a format that takes it whole: its members' JSON lines, its graph or its PDF.
// Returns where it went, empty for standard output.
std::string WriteWholeNetwork(const CliOptions& options, const Network& network,
                              std::ostream& out) {
    if (options.format == Format::NetworkPdf) {
        WriteNetworkPdf(Tidied(PathFromUtf8(*options.output)), network,
                        options.playersCopy ? NetworkCopy::Players : NetworkCopy::GameMaster);
        return *options.output;
    }
    if (options.format == Format::Markdown) {
        // A note a member, linked to the others', and the network's own.
        const fs::path folder = MadeFolder(PathFromUtf8(*options.output));
        RemoveAbandonedTemporaries(folder);
        FileNamer names(".md");
        std::vector<std::string> stems;
        for (std::size_t m = 0; m < network.members.size(); ++m)
            stems.push_back(
                names.Stem(network.members[m].names.name, static_cast<long long>(m + 1)));
        stems.push_back(names.Stem("Network", 0));
        for (std::size_t m = 0; m < network.members.size(); ++m) {
            ReplaceFileWith(folder / PathFromUtf8(stems[m] + ".md"),
                            MarkdownNote(network, m, stems), Durability::Deferred);
        }
        ReplaceFileWith(folder / PathFromUtf8(stems.back() + ".md"),
                        NetworkIndexNote(network, stems), Durability::Deferred);
        SyncFileSystemOf(folder);
        return PathToUtf8(folder);
    }
    std::string text;
    const char* fileName = "network.mmd";
    if (options.format == Format::Csv) {
        const CsvTable table({.named = true, .profiled = true, .networked = true});
        text = std::string(kUtf8ByteOrderMark) + table.Header();
        for (std::size_t m = 0; m < network.members.size(); ++m) text += table.Row(network, m);
        fileName = "network.csv";
    } else if (options.format == Format::Json) {
        for (std::size_t m = 0; m < network.members.size(); ++m)
            text += NetworkMemberJsonLine(network, m);
        fileName = "network.jsonl";
    } else if (options.format == Format::Dot) {
        text = NetworkDot(network);
        fileName = "network.dot";
    } else {
        text = NetworkMermaid(network);
    }
    if (!options.output || *options.output == "-") {
        errno = 0;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out)
            throw WriteError("standard output", errno != 0 ? std::generic_category().message(errno)
                                                           : "the stream refused the data");
        return {};
    }
    fs::path path = PathFromUtf8(*options.output);
    if (options.outputIsFolder) path = MadeFolder(path) / fileName;
    ReplaceFileWith(Tidied(path), text);
    return PathToUtf8(path);
}

// A network made or loaded: written whole, or member by member as a batch of characters.
int RunNetwork(const CliOptions& options, Characters& characters, std::ostream& out,
               std::ostream& err, const BatchEnvironment& environment) {
    std::optional<Network> network = characters.MakeNetwork();
    if (network && options.playersCopy) network = PlayersCopy(std::move(*network));
    if (!network) {
        err << characters.messages();
        if (characters.messages().empty()) err << "dossier-cli: the network was not made\n";
        return 2;
    }
    const std::size_t size = network->members.size();
    std::string where;
    if (options.format == Format::Json || options.format == Format::Csv ||
        options.format == Format::Markdown || DrawsNetwork(options.format)) {
        where = WriteWholeNetwork(options, *network, out);
    } else {
        const std::unique_ptr<Destination> destination = ChooseDestination(options, out);
        for (std::size_t m = 0; m < size; ++m)
            destination->Put(static_cast<long long>(m + 1), Made(network->members[m]));
        destination->Finish();
        where = destination->Where();
    }
    if (environment.stderrIsTerminal && !where.empty())
        err << "dossier-cli: wrote a network of " << size << " to " << where << '\n';
    return 0;
}

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
        if (characters.network()) return RunNetwork(options, characters, out, err, environment);
        if (DrawsNetwork(options.format) || options.playersCopy) {
            err << "dossier-cli: " << *options.load
                << " holds characters, not a network, and only a network is drawn\n";
            return 2;
        }
        destination = ChooseDestination(options, out, characters.Shape());
        // A pick makes the batch up to it and writes only the last.
        const long long made = options.pick.value_or(total);
        Progress progress(err, made, environment.stderrIsTerminal && made >= 1000);
        for (long long index = 1; index <= made && stopSignal() == 0; ++index) {
            const std::optional<Made> character = characters.Make(index);
            if (!character) {
                err << characters.messages();
                if (characters.messages().empty())
                    err << "dossier-cli: the character was not generated\n";
                return 2;
            }
            if (index > made - total) {
                destination->Put(index, *character);
                ++generated;
            }
            if (index == 1 && !options.load) err << PresetReport(options);
            progress.Done(index);
        }
        if (const int signal = stopSignal(); signal != 0) {
            destination->Interrupted();
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
    } catch (const FieldValueError& error) {  // a loaded value rolled from is no number
        const UserMessage message = MessageFor(error);
        err << "dossier-cli: " << message.title << ": " << message.text << '\n';
        return 2;
    } catch (const WriteError& error) {
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
