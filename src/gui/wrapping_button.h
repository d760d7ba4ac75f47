#pragma once

#include <QPushButton>

namespace dossier {

// A push button whose caption wraps over several lines, as the window's narrow, tall
// buttons need. text() and the accessible name keep the exact caption, blanks included.
class WrappingButton final : public QPushButton {
    Q_OBJECT

  public:
    WrappingButton(const QString& caption, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dossier
