#include "gui/fitting_label.h"

#include "gui/fitting_font.h"

namespace dossier {

FittingLabel::FittingLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void FittingLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (basePointSize_ == 0) basePointSize_ = font().pointSize();
    QFont base = font();
    base.setPointSize(basePointSize_);
    const QFont fitted = LargestFittingFont(base, contentsRect(), kFlags, text());
    // A label that fits as it is keeps the font it inherits.
    if (fitted.pointSize() != font().pointSize()) setFont(fitted);
}

}  // namespace dossier
