#pragma once

#include <deque>
#include <stdexcept>
#include <vector>

#include "core/dice/random_dice.h"

namespace dossier {

// Rolls the results queued, then as a seeded die does; keeps the size of every die asked for.
// A queued result the die could not give is a fault of the test.
class QueuedDice final : public Dice {
  public:
    std::deque<int> queued;
    std::vector<int> sides;

    int DieRoll(std::int16_t size) override {
        sides.push_back(size);
        if (queued.empty()) return seeded_.DieRoll(size);
        const int result = queued.front();
        queued.pop_front();
        if (result < 1 || result > size) throw std::logic_error("no die rolls that");
        return result;
    }

  private:
    SeededDice seeded_{5};
};

}  // namespace dossier
