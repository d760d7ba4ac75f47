#pragma once

namespace dossier {

// Readies Qt's platform for the window, before the application is made. False where no window
// can open, as on Linux with no display named.
bool PrepareWindowPlatform();

}  // namespace dossier
