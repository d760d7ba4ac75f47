#pragma once

#include <cstdint>

namespace dossier {

// The one source of randomness. Every roll of every rule goes through DieRoll, so a
// scripted implementation can check each roll's die size and order.
class Dice {
  public:
    virtual ~Dice() = default;

    // A whole number from 1 to sides (sides >= 1); 1 for 0 sides; sides + 1 to 1 for
    // negative sides.
    virtual int DieRoll(std::int16_t sides) = 0;
};

// The die arithmetic on one draw r, 0 <= r < 1: floor(sides * r) + 1, with the
// product taken in double precision so that it is never rounded to single precision.
int DieRollFromDraw(float r, std::int16_t sides);

// The same for a draw of 24 bits, r = bits / 2^24, in whole numbers: the product of the
// two is exact in double precision, so flooring it is an arithmetic shift. A roll waits on
// its floor, and this one costs a multiply where the other costs five conversions.
inline int DieRollFromBits(std::uint32_t bits, std::int16_t sides) {
    return static_cast<int>((std::int64_t{sides} * std::int64_t{bits}) >> 24) + 1;
}

}  // namespace dossier
