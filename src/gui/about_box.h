#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace dossier {

inline constexpr const char* kApplicationTitle = "Dossier";

// frmAbout: the program's title, version and notices. Modeless; OK (also Enter and
// Escape) unloads it, so the next opening builds it afresh.
class AboutBox final : public QDialog {
    Q_OBJECT

  public:
    explicit AboutBox(QWidget* parent = nullptr);

  private:
    void ShowTitleAndVersion();

    QLabel* lblTitle_;
    QLabel* lblVersion_;
    QPushButton* cmdOK_;
};

}  // namespace dossier
