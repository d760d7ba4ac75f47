#pragma once

#include <deque>
#include <vector>

#include "core/dice/random_dice.h"

namespace dossier {

// Rolls the results queued, then as a seeded die does; keeps the size of every die asked for.
class QueuedDice final : public Dice {
  public:
    std::deque<int> queued;
    std::vector<int> sides;

    int DieRoll(std::int16_t size) override {
        sides.push_back(size);
        if (queued.empty()) return seeded_.DieRoll(size);
        const int result = queued.front();
        queued.pop_front();
        return result;
    }

  private:
    SeededDice seeded_{5};
};

}  // namespace dossier
