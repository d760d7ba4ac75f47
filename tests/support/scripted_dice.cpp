#include "support/scripted_dice.h"

#include <string>

namespace dossier {

void ScriptedDice::Add(std::initializer_list<ScriptedRoll> rolls) {
    rolls_.insert(rolls_.end(), rolls.begin(), rolls.end());
}

int ScriptedDice::DieRoll(std::int16_t sides) {
    auto where = [&] {
        return "roll " + std::to_string(next_ + 1) + " (d" + std::to_string(sides) + ")";
    };
    if (next_ >= rolls_.size()) {
        throw ScriptMismatch(where() + ": the script has no more rolls");
    }
    const ScriptedRoll& expected = rolls_[next_];
    if (expected.sides != sides) {
        throw ScriptMismatch(where() + ": the script expected d" + std::to_string(expected.sides));
    }
    ++next_;
    return expected.result;
}

}  // namespace dossier
