#include "printing/painting_platform.h"

namespace dossier {

// Windows' own platform needs no display, and finds the system's fonts where the offscreen
// one finds none.
void ChoosePaintingPlatform() {}

}  // namespace dossier
