#include "record/random_dice.h"

#include <chrono>

#ifdef __linux__
#include <time.h>
#endif

namespace dossier {

namespace {

std::uint64_t SplitMix64(std::uint64_t& state) {
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// The coarse system clock reads in a few nanoseconds where the fine one costs tens, and a
// roll is re-seeded every time; its ticks are milliseconds apart, which the mixing into the
// running state already allows for.
std::uint64_t SystemClockTicks() {
#ifdef __linux__
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000000000U +
           static_cast<std::uint64_t>(now.tv_nsec);
#else
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
#endif
}

}  // namespace

float GeneratorDice::Draw() {
    BeforeDraw();
    // 24 bits fill a float's mantissa exactly, so r is uniform over [0, 1) and never 1.
    const auto bits = static_cast<std::uint32_t>(SplitMix64(state_) >> 40);
    return static_cast<float>(bits) * (1.0F / 16777216.0F);
}

int GeneratorDice::DieRoll(std::int16_t sides) {
    return DieRollFromDraw(Draw(), sides);
}

ClockDice::ClockDice() : ClockDice(SystemClockTicks) {}

ClockDice::ClockDice(Clock clock) : GeneratorDice(0), clock_(std::move(clock)) {}

void ClockDice::BeforeDraw() {
    Mix(clock_());
}

}  // namespace dossier
