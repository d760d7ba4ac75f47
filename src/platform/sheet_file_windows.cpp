#include <windows.h>

#include "platform/sheet_file.h"
#include "platform/wide_text.h"

namespace dossier {

std::filesystem::path DefaultSheetPath() {
    return std::filesystem::path("c:\\char.txt");
}

namespace {

// The ANSI bytes of the wide text, and whether any character had to become the default.
std::string Ansi(std::wstring_view wide, bool* lost) {
    if (wide.empty()) return {};
    const int wideLength = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    // No best fit: a character the code page lacks is "?", never a look-alike (Ω as O).
    const int ansiLength = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                               wideLength, nullptr, 0, "?", nullptr);
    std::string ansi(static_cast<std::size_t>(ansiLength), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, ansi.data(),
                        ansiLength, "?", lost != nullptr ? &usedDefault : nullptr);
    if (lost != nullptr) *lost = usedDefault != FALSE;
    return ansi;
}

// A letter the code page lacks, as its base letter where it has one (ř r, ő o): the letter
// decomposed, its combining marks left out.
std::wstring Folded(wchar_t letter) {
    wchar_t parts[8] = {};
    const int count = FoldStringW(MAP_COMPOSITE, &letter, 1, parts, 8);
    std::wstring base;
    for (int i = 0; i < count; ++i)
        if (parts[i] < 0x0300 || parts[i] > 0x036F) base += parts[i];
    return base;
}

}  // namespace

std::string ToSheetEncoding(std::string utf8Text) {
    const std::wstring wide = WideFromUtf8(utf8Text);
    bool lost = false;
    std::string ansi = Ansi(wide, &lost);
    if (!lost) return ansi;
    std::wstring folded;
    for (const wchar_t c : wide) {
        bool missing = false;
        Ansi(std::wstring_view(&c, 1), &missing);
        const std::wstring base = missing ? Folded(c) : std::wstring();
        bool baseMissing = base.empty();
        if (!baseMissing) Ansi(base, &baseMissing);
        folded += missing && !baseMissing ? base : std::wstring(1, c);
    }
    return Ansi(folded, nullptr);
}

bool PrintsWhole(std::string_view utf8Text) {
    for (const char c : utf8Text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    bool lost = false;
    Ansi(WideFromUtf8(utf8Text), &lost);
    return !lost;
}

}  // namespace dossier
