#pragma once

namespace dossier {

// Picks the Qt platform for a program that paints PDFs without a window: one that needs no
// display and still finds fonts. Call before the GUI application is made.
void ChoosePaintingPlatform();

// Windows' own platform with text drawn by the FreeType engine Qt carries, as on Linux: pages
// come out as they do there, and Wine shows the text, which it leaves unseen in the window's
// fields with the GDI engine and in PDFs with DirectWrite.
inline constexpr char kWindowsPlatform[] = "windows:fontengine=freetype";

}  // namespace dossier
