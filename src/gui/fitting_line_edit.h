#pragma once

#include <QLineEdit>

namespace dossier {

// A text box too narrow for some of its values. A cut number reads as another number
// (8035 shown as 035), so the text shrinks until it fits; when even the smallest size
// is too wide, the box shows the start and marks the cut. The whole text is always in
// the tooltip and the accessible description.
class FittingLineEdit final : public QLineEdit {
    Q_OBJECT

  public:
    explicit FittingLineEdit(QWidget* parent = nullptr);

    // True when the box cannot show its whole text even at the smallest size.
    bool isCut() const { return cut_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Fit();
    int AvailableWidth() const;

    int basePointSize_ = 0;
    bool cut_ = false;
};

}  // namespace dossier
