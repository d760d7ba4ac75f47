#pragma once

#include <string>
#include <string_view>

// Windows only: its file and process functions speak UTF-16, the program UTF-8.
namespace dossier {

std::string Utf8FromWide(std::wstring_view wide);
std::wstring WideFromUtf8(std::string_view utf8);

// The UTF-8 text in a code page (CP_ACP for the machine's own): a letter the code page lacks
// becomes its base letter where it has that (ř r, ő o), any other character "?", never a
// look-alike (Ω is not O). lost, when given, says whether anything became "?" or a base letter.
std::string CodePageFromUtf8(std::string_view utf8, unsigned codePage, bool* lost = nullptr);

}  // namespace dossier
