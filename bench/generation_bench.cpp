// Characters per second for quick mode in memory, to /dev/null and to sheet files, each
// beside the floor of the same work: the die rolls alone, and plain writes of the same bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/dice/random_dice.h"
#include "core/rules/age_handedness.h"
#include "frontend/generation_modes.h"
#include "frontend/sheet_file_sink.h"
#include "platform/sheet_file.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;

class NoDialogs final : public Dialogs {
  public:
    std::optional<std::string> Prompt(Question, const std::string&, const std::string&) override {
        return {};
    }
    void Message(const std::string&, const std::string&) override {}
};

class CountingDice final : public Dice {
  public:
    explicit CountingDice(Dice& inner) : inner_(inner) {}
    int DieRoll(std::int16_t sides) override {
        ++rolls;
        return inner_.DieRoll(sides);
    }
    long long rolls = 0;

  private:
    Dice& inner_;
};

class KeepSheet final : public SheetSink {
  public:
    void Deliver(const CharacterRecord&, const CharacterSheet& sheet) override {
        text = sheet.text;
    }
    std::string text;
};

// Looks at the sheet where it lies, as dossier-cli's batches do.
class SeeSheet final : public SheetSink {
  public:
    void Deliver(const CharacterRecord&, const CharacterSheet& sheet) override {
        text = &sheet.text;
    }
    const std::string* text = nullptr;
};

// What one quick-mode character costs on average: its rolls and the size of its sheet.
struct Typical {
    int rolls;
    std::string sheet;
};

const Typical& TypicalCharacter() {
    static const Typical typical = [] {
        SeededDice seeded(1);
        CountingDice dice(seeded);
        KeepSheet sink;
        NoDialogs dialogs;
        std::size_t bytes = 0;
        constexpr int kCharacters = 10000;
        for (int i = 0; i < kCharacters; ++i) {
            CharacterRecord record = StartupRecord(dice);
            GenerationModes(record, sink, dialogs).Press(Mode::QuickRandom);
            bytes += sink.text.size();
        }
        return Typical{static_cast<int>(dice.rolls / kCharacters),
                       std::string(bytes / kCharacters, 'x')};
    }();
    return typical;
}

// As dossier-cli runs a batch: one record, reset to its start-up texts for each character.
template <typename Deliver>
void GenerateQuick(benchmark::State& state, SheetSink& sink, Deliver deliver) {
    SeededDice dice(1);
    NoDialogs dialogs;
    CharacterRecord record = StartupRecord(dice);
    GenerationModes modes(record, sink, dialogs);
    for (auto _ : state) {
        record.Reset();
        benchmark::DoNotOptimize(modes.Press(Mode::QuickRandom));
        deliver();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_QuickInMemory(benchmark::State& state) {
    SeeSheet sink;
    GenerateQuick(state, sink, [&sink] { benchmark::DoNotOptimize(sink.text->data()); });
}
BENCHMARK(BM_QuickInMemory);

void BM_FloorDieRolls(benchmark::State& state) {
    const int rolls = TypicalCharacter().rolls;
    SeededDice dice(1);
    for (auto _ : state) {
        int sum = 0;
        for (int i = 0; i < rolls; ++i) sum += dice.DieRoll(100);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FloorDieRolls);

void BM_QuickToDevNull(benchmark::State& state) {
    std::FILE* out = std::fopen("/dev/null", "wb");
    SeeSheet sink;
    GenerateQuick(state, sink, [&] { std::fwrite(sink.text->data(), 1, sink.text->size(), out); });
    std::fclose(out);
}
BENCHMARK(BM_QuickToDevNull);

void BM_FloorWritesToDevNull(benchmark::State& state) {
    const std::string& bytes = TypicalCharacter().sheet;
    std::FILE* out = std::fopen("/dev/null", "wb");
    for (auto _ : state) std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FloorWritesToDevNull);

// A batch of sheets into a folder, as dossier-cli --output DIR/ writes it: one new file a
// sheet, each whole before it takes its name, and one sync of the lot at the end.
constexpr int kBatch = 1000;

std::string BatchFile(const fs::path& folder, int index) {
    char name[32];
    std::snprintf(name, sizeof name, "char-%07d.txt", index);
    return (folder / name).string();
}

template <typename WriteBatch>
void TimeBatches(benchmark::State& state, const char* stem, WriteBatch writeBatch) {
    const fs::path folder = fs::temp_directory_path() / stem;
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (auto _ : state) {
        writeBatch(folder);
        state.PauseTiming();
        for (const auto& entry : fs::directory_iterator(folder)) fs::remove(entry.path());
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kBatch);
    fs::remove_all(folder);
}

void BM_QuickBatchToFolder(benchmark::State& state) {
    SeededDice dice(1);
    NoDialogs dialogs;
    KeepSheet sink;
    TimeBatches(state, "dossier-bench-batch", [&](const fs::path& folder) {
        for (int i = 1; i <= kBatch; ++i) {
            CharacterRecord record = StartupRecord(dice);
            GenerationModes(record, sink, dialogs).Press(Mode::QuickRandom);
            WriteSheetFile(BatchFile(folder, i), sink.text, Durability::Deferred);
        }
        SyncFileSystemOf(folder);
    });
}
BENCHMARK(BM_QuickBatchToFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: the same bytes into the same new files with plain writes, then the same one
// sync, without which the bytes are not on the disk yet.
void BM_FloorBatchToFolder(benchmark::State& state) {
    const std::string& bytes = TypicalCharacter().sheet;
    TimeBatches(state, "dossier-bench-floor", [&](const fs::path& folder) {
        for (int i = 1; i <= kBatch; ++i) {
            std::FILE* file = std::fopen(BatchFile(folder, i).c_str(), "wb");
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
        SyncFileSystemOf(folder);
    });
}
BENCHMARK(BM_FloorBatchToFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

// The window's one sheet, replacing the last: it reaches the disk before it takes the name.
void BM_QuickToSheetFileDurably(benchmark::State& state) {
    const fs::path path = fs::temp_directory_path() / "dossier-bench-char.txt";
    SheetFileSink sink(path);
    GenerateQuick(state, sink, [] {});
    fs::remove(path);
}
BENCHMARK(BM_QuickToSheetFileDurably)->UseRealTime();

// Its floor: a plain replacement, a temporary file renamed over the sheet, with no sync.
void BM_FloorReplaceFile(benchmark::State& state) {
    const fs::path path = fs::temp_directory_path() / "dossier-bench-floor.txt";
    const std::string temporary = path.string() + ".tmp";
    const std::string& bytes = TypicalCharacter().sheet;
    for (auto _ : state) {
        std::FILE* file = std::fopen(temporary.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        std::rename(temporary.c_str(), path.c_str());
    }
    state.SetItemsProcessed(state.iterations());
    fs::remove(path);
}
BENCHMARK(BM_FloorReplaceFile)->UseRealTime();

void BM_ClockDiceRolls(benchmark::State& state) {
    const int rolls = TypicalCharacter().rolls;
    ClockDice dice;
    for (auto _ : state) {
        int sum = 0;
        for (int i = 0; i < rolls; ++i) sum += dice.DieRoll(100);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ClockDiceRolls);

}  // namespace
}  // namespace dossier
