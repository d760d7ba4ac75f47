#include "record/random_dice.h"

#include <chrono>

namespace dossier {

namespace {

std::uint64_t SplitMix64(std::uint64_t& state) {
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t SystemClockTicks() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

float GeneratorDice::Draw() {
    BeforeDraw();
    // 24 bits fill a float's mantissa exactly, so r is uniform over [0, 1) and never 1.
    const auto bits = static_cast<std::uint32_t>(SplitMix64(state_) >> 40);
    return static_cast<float>(bits) * (1.0F / 16777216.0F);
}

int GeneratorDice::DieRoll(std::int16_t sides) { return DieRollFromDraw(Draw(), sides); }

ClockDice::ClockDice() : ClockDice(SystemClockTicks) {}

ClockDice::ClockDice(Clock clock) : GeneratorDice(0), clock_(std::move(clock)) {}

void ClockDice::BeforeDraw() { Mix(clock_()); }

}  // namespace dossier
