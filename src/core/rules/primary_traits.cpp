#include "core/rules/primary_traits.h"

#include <array>
#include <cmath>

#include "core/record/numbers.h"

namespace dossier {

int LevelBonus(double level) {
    static constexpr std::array<int, 11> kLowLevels = {0, 0, 2, 5, 7, 11, 13, 19, 23, 28, 33};
    const double whole = std::floor(level);
    if (whole >= 11 && whole <= 20) {
        const auto steps = static_cast<int>(RoundHalfEven(level - 10));
        return static_cast<int>(RoundHalfEven(steps * 100 / 6.0)) + 33;
    }
    if (whole >= 2 && whole <= 10) return kLowLevels[static_cast<std::size_t>(whole)];
    return 0;
}

int AdjustPrimaryTrait(const CharacterRecord& record, int roll) {
    const int bandBonus = roll <= 70 ? 10 : roll <= 90 ? 5 : 0;
    return roll + bandBonus + LevelBonus(ReadNumber(record, Field::txtLevel));
}

int RollPrimaryTrait(CharacterRecord& record) {
    int roll = record.DieRoll(100);
    while (roll <= 50) roll = record.DieRoll(100);
    return AdjustPrimaryTrait(record, roll);
}

}  // namespace dossier
