#include <windows.h>

#include "platform/sheet_file.h"
#include "platform/wide_text.h"

namespace dossier {

std::filesystem::path DefaultSheetPath() {
    return std::filesystem::path("c:\\char.txt");
}

std::string ToSheetEncoding(std::string utf8Text) {
    const std::wstring wide = WideFromUtf8(utf8Text);
    if (wide.empty()) return {};
    const int wideLength = static_cast<int>(wide.size());
    // No best fit: a character the code page lacks is "?", never a look-alike (Ω as O).
    const int ansiLength = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                               wideLength, nullptr, 0, "?", nullptr);
    std::string ansi(static_cast<std::size_t>(ansiLength), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, ansi.data(),
                        ansiLength, "?", nullptr);
    return ansi;
}

}  // namespace dossier
