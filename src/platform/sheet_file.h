#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/replacing_file.h"

namespace dossier {

// Where the sheet goes when a front end is not told otherwise: c:\char.txt on Windows,
// char.txt in the home folder elsewhere.
std::filesystem::path DefaultSheetPath();

// The platform's encoding for sheet files: the ANSI code page on Windows (a letter it lacks
// becomes its base letter, ř r, and any other character it cannot hold "?"), UTF-8 elsewhere.
std::string ToSheetEncoding(std::string utf8Text);

// True when the sheet prints every character of the UTF-8 text as it is: code page 1252's
// printable characters here, whose sheets may be read on Windows; the machine's ANSI code
// page's on Windows.
bool PrintsWhole(std::string_view utf8Text);

// Replaces the sheet file whole, with the UTF-8 text in the platform's sheet encoding.
inline void WriteSheetFile(const std::filesystem::path& path, std::string utf8Text,
                           Durability durability = Durability::Immediate) {
    ReplaceFileWith(path, ToSheetEncoding(std::move(utf8Text)), durability);
}

}  // namespace dossier
