#include "core/dice/dice.h"

namespace dossier {

int DieRollFromDraw(float r, std::int16_t sides) {
    const double product = static_cast<double>(static_cast<float>(sides)) * static_cast<double>(r);
    // Floor without a library call: truncate, then step down for negative fractions.
    auto whole = static_cast<int>(product);
    if (product < whole) --whole;
    return whole + 1;
}

}  // namespace dossier
