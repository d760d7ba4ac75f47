#include "gui/fitting_font.h"

#include <QFontMetrics>

namespace dossier {

namespace {

// Below this a text stops being legible.
constexpr int kSmallestPointSize = 5;

}  // namespace

bool TextFits(const QFont& font, const QRect& area, int flags, const QString& text) {
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(area, flags, text);
    const int lines = (needed.height() + metrics.lineSpacing() / 2) / metrics.lineSpacing();
    return needed.width() <= area.width() &&
           (lines - 1) * metrics.lineSpacing() + metrics.ascent() <= area.height();
}

QFont LargestFittingFont(const QFont& font, const QRect& area, int flags, const QString& text) {
    QFont fitted = font;
    for (int size = fitted.pointSize(); size > kSmallestPointSize; --size) {
        fitted.setPointSize(size);
        if (TextFits(fitted, area, flags, text)) break;
    }
    return fitted;
}

}  // namespace dossier
