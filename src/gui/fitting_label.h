#pragma once

#include <QLabel>

namespace dossier {

// A label whose words wrap within its fixed size, drawn at the largest size, up to its own,
// at which all of them show.
class FittingLabel final : public QLabel {
    Q_OBJECT

  public:
    FittingLabel(const QString& text, QWidget* parent);

    static constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    int basePointSize_ = 0;
};

}  // namespace dossier
