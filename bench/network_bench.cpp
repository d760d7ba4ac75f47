// Networks: 1,000 of 8 members as JSON Lines, and one of 30 with its PDF, each beside the same
// members made as a plain batch (names and profiles, no structure, no links).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/dice/random_dice.h"
#include "core/saved/character_json.h"
#include "frontend/quick_characters.h"
#include "naming/name_drawer.h"
#include "network/network_maker.h"
#include "printing/character_document.h"
#include "profile/profile_drawer.h"

namespace dossier {
namespace {

struct Makers {
    explicit Makers(std::uint64_t seed) : dice(seed), namer(dice), profiler(dice) {}
    SeededDice dice;
    NameDrawer namer;
    ProfileDrawer profiler;
    QuickCharacters quick{dice, &namer, &profiler};

    Network Make(int size) {
        return MakeNetwork(size, dice, [this](std::size_t role) {
            profiler.SetRole(role);
            return *quick.Make("quick");
        });
    }
};

std::size_t JsonOf(const Network& network) {
    std::size_t bytes = 0;
    for (std::size_t m = 0; m < network.members.size(); ++m)
        bytes += NetworkMemberJsonLine(network, m).size();
    return bytes;
}

void BM_ThousandNetworksOfEightAsJson(benchmark::State& state) {
    for (auto _ : state) {
        Makers makers(1);
        std::size_t bytes = 0;
        for (int n = 0; n < 1000; ++n) bytes += JsonOf(makers.Make(8));
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ThousandNetworksOfEightAsJson)->Unit(benchmark::kMillisecond);

// The floor: the same 8,000 characters, named and profiled, as plain character lines.
void BM_ThousandBatchesOfEightAsJson(benchmark::State& state) {
    for (auto _ : state) {
        Makers makers(1);
        CharacterJsonWriter json;
        std::size_t bytes = 0;
        for (int n = 0; n < 8000; ++n) bytes += json.Line(*makers.quick.Make("quick"), n).size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ThousandBatchesOfEightAsJson)->Unit(benchmark::kMillisecond);

void BM_NetworkOfThirtyAsPdf(benchmark::State& state) {
    const std::filesystem::path pdf = std::filesystem::temp_directory_path() / "dossier-bench.pdf";
    for (auto _ : state) {
        Makers makers(2);
        WriteNetworkPdf(pdf, makers.Make(30));
    }
    std::filesystem::remove(pdf);
}
BENCHMARK(BM_NetworkOfThirtyAsPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace dossier
