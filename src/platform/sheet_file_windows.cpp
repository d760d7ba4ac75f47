#include <windows.h>

#include "platform/sheet_file.h"
#include "platform/wide_text.h"

namespace dossier {

std::filesystem::path DefaultSheetPath() {
    return std::filesystem::path("c:\\char.txt");
}

std::string ToSheetEncoding(std::string utf8Text) {
    return CodePageFromUtf8(utf8Text, CP_ACP);
}

bool PrintsWhole(std::string_view utf8Text) {
    for (const char c : utf8Text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    bool lost = false;
    CodePageFromUtf8(utf8Text, CP_ACP, &lost);
    return !lost;
}

}  // namespace dossier
