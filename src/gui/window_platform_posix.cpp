#include <cstdlib>
#include <initializer_list>

#include "gui/window_platform.h"

namespace dossier {

bool PrepareWindowPlatform() {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

}  // namespace dossier
