#include <QFileDialog>
#include <QInputDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "gui/file_chooser.h"

namespace dossier {

namespace {

std::optional<std::filesystem::path> Chosen(const QString& name) {
    if (name.isEmpty()) return std::nullopt;
    return std::filesystem::path(name.toStdU16String());
}

}  // namespace

std::optional<std::filesystem::path> QtFileChooser::SaveFile(const QString& title,
                                                             const QString& filters,
                                                             const QString& suggested) {
    return Chosen(QFileDialog::getSaveFileName(parent_, title, suggested, filters));
}

std::optional<std::filesystem::path> QtFileChooser::OpenFile(const QString& title,
                                                             const QString& filters) {
    return Chosen(QFileDialog::getOpenFileName(parent_, title, QString(), filters));
}

std::optional<int> QtFileChooser::ChooseOne(const QString& title, const QString& label,
                                            const QStringList& items) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(title);
    dialog.setAccessibleName(title);
    dialog.setLabelText(label);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return static_cast<int>(items.indexOf(dialog.textValue()));
}

std::optional<int> QtFileChooser::AskNumber(const QString& title, const QString& label, int value,
                                            int lowest, int highest) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(title);
    dialog.setAccessibleName(title);
    dialog.setLabelText(label);
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(lowest, highest);
    dialog.setIntValue(value);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.intValue();
}

bool QtFileChooser::Print(const QString& title,
                          const std::function<void(QPagedPaintDevice&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    QPrintPreviewDialog preview(&printer, parent_);
    preview.setWindowTitle(title);
    preview.setAccessibleName(title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* target) { paint(*target); });
    return preview.exec() == QDialog::Accepted;
}

}  // namespace dossier
