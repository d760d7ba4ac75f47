#pragma once

#include <cstdint>
#include <functional>

#include "core/dice/dice.h"

namespace dossier {

// Draws from a 64-bit generator state and applies the die arithmetic.
class GeneratorDice : public Dice {
  public:
    int DieRoll(std::int16_t sides) final;

  protected:
    explicit GeneratorDice(std::uint64_t state) : state_(state) {}

    // Folds a value into the state; the state keeps moving, so equal values
    // folded in twice still give different draws.
    void Mix(std::uint64_t value) { state_ ^= value; }

  private:
    virtual void BeforeDraw() {}
    std::uint32_t DrawBits();  // 24 uniform bits

    std::uint64_t state_;
};

// Re-seeds from the clock before every roll, as a desk of real dice would: no run repeats
// another. Rolls within one clock tick stay independent because the clock is mixed into
// the running state rather than replacing it, and each instance starts from its own state,
// so processes started together roll differently too.
class ClockDice final : public GeneratorDice {
  public:
    using Clock = std::function<std::uint64_t()>;

    ClockDice();
    explicit ClockDice(Clock clock);  // for tests: a clock that may stand still

  private:
    void BeforeDraw() override;

    Clock clock_;
};

// Same seed, same rolls: for reproducible batches and benchmarks.
class SeededDice final : public GeneratorDice {
  public:
    explicit SeededDice(std::uint64_t seed) : GeneratorDice(seed) {}
};

}  // namespace dossier
