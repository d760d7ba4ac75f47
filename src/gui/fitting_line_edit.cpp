#include "gui/fitting_line_edit.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace dossier {

namespace {

// Below this the digits stop being legible.
constexpr int kSmallestPointSize = 5;
// QLineEdit keeps this many pixels free on each side of its text.
constexpr int kInnerMargin = 2;

}  // namespace

FittingLineEdit::FittingLineEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] { Fit(); });
}

int FittingLineEdit::AvailableWidth() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kInnerMargin;
}

void FittingLineEdit::Fit() {
    const QString whole = text();
    setToolTip(whole.trimmed().isEmpty() ? QString() : whole);
    setAccessibleDescription(whole);
    if (basePointSize_ == 0) basePointSize_ = font().pointSize();

    QFont fitted = font();
    const int available = AvailableWidth();
    int size = basePointSize_;
    for (; size > kSmallestPointSize; --size) {
        fitted.setPointSize(size);
        if (QFontMetrics(fitted).horizontalAdvance(whole) <= available) break;
    }
    fitted.setPointSize(size);
    if (fitted != font()) setFont(fitted);
    cut_ = QFontMetrics(fitted).horizontalAdvance(whole) > available;
    if (cut_ && !hasFocus()) setCursorPosition(0);
    update();
}

void FittingLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (cut_) setCursorPosition(0);  // read from its start, as it was typed
}

void FittingLineEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    Fit();
}

void FittingLineEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!cut_ || hasFocus()) return;
    // An ellipsis over the right edge says there is more than the box shows.
    QPainter painter(this);
    const QString mark = QStringLiteral("\u2026");
    const int width = fontMetrics().horizontalAdvance(mark) + kInnerMargin;
    QStyleOptionFrame option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    area.setLeft(area.right() - width);
    painter.fillRect(area, palette().brush(backgroundRole()));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(area, Qt::AlignCenter, mark);
}

}  // namespace dossier
