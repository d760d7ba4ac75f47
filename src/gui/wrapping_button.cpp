#include "gui/wrapping_button.h"

#include "gui/fitting_font.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace dossier {

WrappingButton::WrappingButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setAccessibleName(caption);
}

QRect WrappingButton::CaptionArea() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
        .adjusted(2, 0, -2, 0);
}

QFont WrappingButton::CaptionFont() const {
    return LargestFittingFont(font(), CaptionArea(), kCaptionFlags, text());
}

void WrappingButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    // Some styles leave the painter half transparent after drawing a button.
    painter.save();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.restore();

    QRect area = CaptionArea();
    if (isDown()) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.setFont(CaptionFont());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, kCaptionFlags, text());
}

}  // namespace dossier
