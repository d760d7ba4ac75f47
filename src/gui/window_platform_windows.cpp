#include <QByteArray>
#include <QtGlobal>

#include "gui/window_platform.h"
#include "printing/painting_platform.h"

namespace dossier {

bool PrepareWindowPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", kWindowsPlatform);
    return true;
}

}  // namespace dossier
