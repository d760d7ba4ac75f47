#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace dossier {

// The largest size of the font, up to its own, at which the text laid out with the flags fits
// the area whole; the smallest legible size when none does. Windows' fonts are wider and taller
// than Linux's, and the window's controls were drawn for neither.
QFont LargestFittingFont(const QFont& font, const QRect& area, int flags, const QString& text);

// Whole: no line wider than the area, and the last line's letters above its foot (a descender
// may touch it, as it does in the window's two-line labels on Linux).
bool TextFits(const QFont& font, const QRect& area, int flags, const QString& text);

}  // namespace dossier
