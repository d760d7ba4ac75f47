#include "record/dice.h"

#include <cmath>

namespace dossier {

int DieRollFromDraw(float r, std::int16_t sides) {
    const double product = static_cast<double>(static_cast<float>(sides)) * static_cast<double>(r);
    return static_cast<int>(std::floor(product)) + 1;
}

}  // namespace dossier
