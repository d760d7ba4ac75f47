#include <QByteArray>
#include <QtGlobal>

#include "printing/painting_platform.h"

namespace dossier {

// Whatever the environment names: X11 or Wayland would want a display.
void ChoosePaintingPlatform() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace dossier
