#include "core/dice/random_dice.h"

#include <chrono>
#include <random>

#include "platform/process.h"

namespace dossier {

namespace {

std::uint64_t SplitMix64(std::uint64_t& state) {
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// A state no other process starts from: the system's entropy, then the process id and a
// fine clock in case the entropy source is a fixed sequence (as it may be on some MinGW
// builds). The clock mixed in before every roll cannot do this alone: processes started
// within one of its coarse ticks would roll alike.
std::uint64_t OwnStartingState() {
    std::uint64_t state = 0;
    try {
        std::random_device entropy;
        state = (std::uint64_t{entropy()} << 32) ^ entropy();
    } catch (const std::exception&) {
        // No entropy source: the process id and the clock below still tell runs apart.
    }
    state ^= static_cast<std::uint64_t>(ProcessId()) << 40;
    state ^= static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return SplitMix64(state);
}

}  // namespace

std::uint32_t GeneratorDice::DrawBits() {
    BeforeDraw();
    // 24 bits fill a float's mantissa exactly, so the draw bits / 2^24 is uniform over [0, 1).
    return static_cast<std::uint32_t>(SplitMix64(state_) >> 40);
}

int GeneratorDice::DieRoll(std::int16_t sides) {
    return DieRollFromBits(DrawBits(), sides);
}

// The clock is read before every roll; its ticks may be milliseconds apart, which the mixing
// into the running state already allows for.
ClockDice::ClockDice() : ClockDice(CheapClockTicks) {}

ClockDice::ClockDice(Clock clock) : GeneratorDice(OwnStartingState()), clock_(std::move(clock)) {}

void ClockDice::BeforeDraw() {
    Mix(clock_());
}

}  // namespace dossier
