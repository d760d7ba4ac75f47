#include "ui/desktop_sheet_viewer.h"

#include <QDesktopServices>
#include <QProcess>
#include <QString>
#include <QUrl>

namespace dossier {

bool DesktopSheetViewer::Open(const std::filesystem::path& sheet) {
    const QString path = QString::fromStdU16String(sheet.u16string());
#ifdef _WIN32
    if (QProcess::startDetached(QString::fromLatin1(kWordPadProgram), {path})) return true;
#endif
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace dossier
