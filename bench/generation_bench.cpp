// Speed of one quick-mode character, in memory and with its sheet written, beside the
// floors of the same work: the die rolls alone and plain writes of the same bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "generators/age_handedness.h"
#include "record/random_dice.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_sink.h"
#include "ui/generation_modes.h"

namespace dossier {
namespace {

class NoDialogs final : public Dialogs {
public:
    std::optional<std::string> Prompt(const std::string&, const std::string&) override { return {}; }
    void Message(const std::string&, const std::string&) override {}
};

class KeepLastSheet final : public SheetSink {
public:
    void Deliver(const CharacterRecord&, CharacterSheet sheet) override { bytes = sheet.text.size(); }
    std::size_t bytes = 0;
};

void BM_QuickCharacterInMemory(benchmark::State& state) {
    SeededDice dice(1);
    KeepLastSheet sink;
    NoDialogs dialogs;
    for (auto _ : state) {
        CharacterRecord record = StartupRecord(dice);
        GenerationModes modes(record, sink, dialogs);
        benchmark::DoNotOptimize(modes.cmdQuikGen_Click());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_QuickCharacterInMemory);

void BM_QuickCharacterWithSheetFile(benchmark::State& state) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "dossier-bench-char.txt";
    SeededDice dice(1);
    SheetFileSink sink(path);
    NoDialogs dialogs;
    for (auto _ : state) {
        CharacterRecord record = StartupRecord(dice);
        GenerationModes modes(record, sink, dialogs);
        benchmark::DoNotOptimize(modes.cmdQuikGen_Click());
    }
    state.SetItemsProcessed(state.iterations());
    std::filesystem::remove(path);
}
BENCHMARK(BM_QuickCharacterWithSheetFile);

// Floor: the die rolls of one character (about 130 draws) without any rule around them.
void BM_FloorDieRollsOnly(benchmark::State& state) {
    SeededDice dice(1);
    for (auto _ : state) {
        int sum = 0;
        for (int i = 0; i < 130; ++i) sum += dice.DieRoll(100);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FloorDieRollsOnly);

void BM_FloorClockDieRolls(benchmark::State& state) {
    ClockDice dice;
    for (auto _ : state) {
        int sum = 0;
        for (int i = 0; i < 130; ++i) sum += dice.DieRoll(100);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FloorClockDieRolls);

// Floor: replacing a file of a sheet's size with plain writes and a rename.
void BM_FloorPlainSheetWrite(benchmark::State& state) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "dossier-bench-floor.txt";
    const std::filesystem::path temporary = path.string() + ".tmp";
    const std::string bytes(1800, 'x');
    for (auto _ : state) {
        std::FILE* file = std::fopen(temporary.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        std::rename(temporary.c_str(), path.c_str());
    }
    state.SetItemsProcessed(state.iterations());
    std::filesystem::remove(path);
}
BENCHMARK(BM_FloorPlainSheetWrite);

}  // namespace
}  // namespace dossier
