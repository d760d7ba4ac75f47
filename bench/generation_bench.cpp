// Characters per second for quick mode in memory, to /dev/null and to sheet files, each
// beside the floor of the same work: the die rolls alone, and plain writes of the same bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "generators/age_handedness.h"
#include "record/random_dice.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_sink.h"
#include "ui/generation_modes.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;

class NoDialogs final : public Dialogs {
  public:
    std::optional<std::string> Prompt(const std::string&, const std::string&) override {
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
    void Deliver(const CharacterRecord&, CharacterSheet sheet) override {
        text = std::move(sheet.text);
    }
    std::string text;
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
            GenerationModes(record, sink, dialogs).cmdQuikGen_Click();
            bytes += sink.text.size();
        }
        return Typical{static_cast<int>(dice.rolls / kCharacters),
                       std::string(bytes / kCharacters, 'x')};
    }();
    return typical;
}

template <typename Deliver>
void GenerateQuick(benchmark::State& state, SheetSink& sink, Deliver deliver) {
    SeededDice dice(1);
    NoDialogs dialogs;
    for (auto _ : state) {
        CharacterRecord record = StartupRecord(dice);
        GenerationModes modes(record, sink, dialogs);
        benchmark::DoNotOptimize(modes.cmdQuikGen_Click());
        deliver();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_QuickInMemory(benchmark::State& state) {
    KeepSheet sink;
    GenerateQuick(state, sink, [] {});
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
    KeepSheet sink;
    GenerateQuick(state, sink, [&] { std::fwrite(sink.text.data(), 1, sink.text.size(), out); });
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

void BM_QuickToFiles(benchmark::State& state) {
    const fs::path path = fs::temp_directory_path() / "dossier-bench-char.txt";
    SheetFileSink sink(path);
    GenerateQuick(state, sink, [] {});
    fs::remove(path);
}
BENCHMARK(BM_QuickToFiles);

// The same replacement with nothing but plain writes: a temporary file, then a rename.
void BM_FloorWritesToFiles(benchmark::State& state) {
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
BENCHMARK(BM_FloorWritesToFiles);

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
