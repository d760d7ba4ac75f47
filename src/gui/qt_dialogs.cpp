#include "gui/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace dossier {

std::optional<std::string> QtDialogs::Prompt(Question /*question*/, const std::string& message,
                                             const std::string& title) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QString::fromStdString(message));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(QString());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

void QtDialogs::Message(const std::string& message, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(message), QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace dossier
