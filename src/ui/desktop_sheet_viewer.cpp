#include "ui/desktop_sheet_viewer.h"

#ifdef _WIN32
#include "sheet/word_pad_viewer.h"
#endif

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace dossier {

bool DesktopSheetViewer::Open(const std::filesystem::path& sheet) {
#ifdef _WIN32
    return WordPadViewer().Open(sheet);
#else
    return QDesktopServices::openUrl(
        QUrl::fromLocalFile(QString::fromStdU16String(sheet.u16string())));
#endif
}

}  // namespace dossier
