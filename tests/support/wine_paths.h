#pragma once

#include <filesystem>
#include <string>

#include "platform/utf8_text.h"

namespace dossier::testing {

// The build's own paths are Unix paths; Wine shows the Unix root as drive Z:.
inline std::filesystem::path BuildPath(std::string path) {
    if (path.starts_with("/")) path = "Z:" + path;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return PathFromUtf8(path);
}

}  // namespace dossier::testing
