#pragma once

#include <string>
#include <string_view>

// Windows only: its file and process functions speak UTF-16, the program UTF-8.
namespace dossier {

std::string Utf8FromWide(std::wstring_view wide);
std::wstring WideFromUtf8(std::string_view utf8);

}  // namespace dossier
