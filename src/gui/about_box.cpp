#include "gui/about_box.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "resources/dossier.xpm"

namespace dossier {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(400, 250);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setPixmap(QPixmap(dossier_icon_xpm));
    picIcon->setGeometry(16, 16, 32, 32);
    picIcon->setAccessibleName("Dossier icon");

    lblTitle_ = MakeLabel(this, "lblTitle", QString(), QRect(64, 14, 320, 26));
    QFont titleFont = lblTitle_->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle_->setFont(titleFont);
    lblVersion_ = MakeLabel(this, "lblVersion", "Version ", QRect(64, 42, 320, 18));
    MakeLabel(this, "lblDescription",
              "Dossier generates non-player characters, with their character sheets, for "
              "tabletop espionage role-playing games.",
              QRect(64, 66, 320, 48));

    // An etched separator: a grey line with a white one just under it.
    auto* line1 = new QFrame(this);
    line1->setObjectName("Line1");
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);
    line1->setGeometry(8, 122, 384, 4);

    MakeLabel(
        this, "lblDisclaimer",
        QString::fromUtf8("Copyright \u00A9 2026 the Dossier developers. All rights reserved.\n"
                          "Dossier is meant for entertainment only.\n"
                          "Game names that appear in it are trademarks of their respective "
                          "owners."),
        QRect(16, 136, 270, 100));

    cmdOK_ = new QPushButton("OK", this);
    cmdOK_->setObjectName("cmdOK");
    cmdOK_->setGeometry(300, 204, 88, 30);
    cmdOK_->setDefault(true);  // Enter; Escape closes a dialog by itself
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::close);

    ShowTitleAndVersion();
}

void AboutBox::ShowTitleAndVersion() {
    setWindowTitle(QStringLiteral("About ") + kApplicationTitle);
    lblVersion_->setText(
        QStringLiteral("Version ") +
        QStringLiteral("%1.%2").arg(DOSSIER_VERSION_MAJOR).arg(DOSSIER_VERSION_MINOR));
    lblTitle_->setText(kApplicationTitle);
}

}  // namespace dossier
