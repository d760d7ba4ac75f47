#pragma once

#include <filesystem>
#include <string>

#include "platform/replacing_file.h"

namespace dossier {

// Where the sheet goes when a front end is not told otherwise: c:\char.txt on Windows,
// char.txt in the home folder elsewhere.
std::filesystem::path DefaultSheetPath();

// The platform's encoding for sheet files: the ANSI code page on Windows (characters it
// cannot hold become "?"), UTF-8 elsewhere.
std::string ToSheetEncoding(std::string utf8Text);

// Replaces the sheet file whole, with the UTF-8 text in the platform's sheet encoding.
inline void WriteSheetFile(const std::filesystem::path& path, std::string utf8Text,
                           Durability durability = Durability::Immediate) {
    ReplaceFileWith(path, ToSheetEncoding(std::move(utf8Text)), durability);
}

}  // namespace dossier
