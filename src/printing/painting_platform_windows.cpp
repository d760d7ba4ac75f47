#include <QByteArray>
#include <QtGlobal>

#include "printing/painting_platform.h"

namespace dossier {

// Windows' own platform needs no display, and finds the fonts where the offscreen one finds none.
void ChoosePaintingPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", kWindowsPlatform);
}

}  // namespace dossier
