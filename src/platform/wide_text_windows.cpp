#include <windows.h>

#include "platform/wide_text.h"

namespace dossier {

std::string Utf8FromWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

std::wstring WideFromUtf8(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

namespace {

// The bytes of the wide text in the code page, and whether any character became "?".
std::string Narrow(std::wstring_view wide, unsigned codePage, bool* lost) {
    if (wide.empty()) return {};
    const int wideLength = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength,
                                         nullptr, 0, "?", nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, narrow.data(),
                        size, "?", lost != nullptr ? &usedDefault : nullptr);
    if (lost != nullptr) *lost = usedDefault != FALSE;
    return narrow;
}

// The letter decomposed, its combining marks left out: ř r.
std::wstring BaseLetter(wchar_t letter) {
    wchar_t parts[8] = {};
    const int count = FoldStringW(MAP_COMPOSITE, &letter, 1, parts, 8);
    std::wstring base;
    for (int i = 0; i < count; ++i)
        if (parts[i] < 0x0300 || parts[i] > 0x036F) base += parts[i];
    return base;
}

}  // namespace

std::string CodePageFromUtf8(std::string_view utf8, unsigned codePage, bool* lost) {
    const std::wstring wide = WideFromUtf8(utf8);
    bool missing = false;
    std::string narrow = Narrow(wide, codePage, &missing);
    if (lost != nullptr) *lost = missing;
    if (!missing) return narrow;
    std::wstring folded;
    for (const wchar_t c : wide) {
        bool gone = false;
        Narrow(std::wstring_view(&c, 1), codePage, &gone);
        const std::wstring base = gone ? BaseLetter(c) : std::wstring();
        bool baseGone = base.empty();
        if (!baseGone) Narrow(base, codePage, &baseGone);
        folded += gone && !baseGone ? base : std::wstring(1, c);
    }
    return Narrow(folded, codePage, nullptr);
}

}  // namespace dossier
