#pragma once

namespace dossier {

// Picks the Qt platform for a program that paints PDFs without a window: one that needs no
// display and still finds fonts. Call before the GUI application is made.
void ChoosePaintingPlatform();

}  // namespace dossier
