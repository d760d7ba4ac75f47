#include "gui/wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace dossier {

namespace {

// Below this a caption stops being legible.
constexpr int kSmallestPointSize = 5;

}  // namespace

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
    const QRect area = CaptionArea();
    QFont fitted = font();
    for (int size = fitted.pointSize(); size > kSmallestPointSize; --size) {
        fitted.setPointSize(size);
        if (area.contains(QFontMetrics(fitted).boundingRect(area, kCaptionFlags, text()))) break;
    }
    return fitted;
}

void WrappingButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

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
