#pragma once

#include <QFont>
#include <QPushButton>
#include <QRect>

namespace dossier {

// A push button whose caption wraps over several lines, as the window's narrow, tall
// buttons need. text() and the accessible name keep the exact caption, blanks included.
class WrappingButton final : public QPushButton {
    Q_OBJECT

  public:
    WrappingButton(const QString& caption, QWidget* parent);

    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;
    // Where the caption goes, and the largest font, up to the button's own, at which it fits
    // there whole.
    QRect CaptionArea() const;
    QFont CaptionFont() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dossier
