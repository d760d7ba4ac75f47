#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "core/dice/dice.h"

namespace dossier {

// One expected roll: the die size the rule must ask for and the result to hand back.
struct ScriptedRoll {
    std::int16_t sides;
    int result;
};

// Raised when a rule rolls a die the script did not expect, or rolls past its end.
class ScriptMismatch : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

// Hands back a fixed sequence of results and checks that every roll asks for the
// expected die, so tests pin the order and size of each roll as well as its outcome.
class ScriptedDice final : public Dice {
  public:
    ScriptedDice() = default;
    ScriptedDice(std::initializer_list<ScriptedRoll> rolls) : rolls_(rolls) {}

    void Add(std::int16_t sides, int result) { rolls_.push_back({sides, result}); }
    void Add(std::initializer_list<ScriptedRoll> rolls);

    int DieRoll(std::int16_t sides) override;

    std::size_t Remaining() const { return rolls_.size() - next_; }

  private:
    std::vector<ScriptedRoll> rolls_;
    std::size_t next_ = 0;
};

}  // namespace dossier
