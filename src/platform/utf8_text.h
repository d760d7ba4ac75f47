#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The program keeps every text in UTF-8; paths cross to the system's own form here.
namespace dossier {

// A path from UTF-8 text. On Windows a narrow std::filesystem::path would read the text
// in the ANSI code page and garble any other character.
std::filesystem::path PathFromUtf8(std::string_view utf8);

// The path as UTF-8 text, for messages; never throws, whatever the path holds.
std::string PathToUtf8(const std::filesystem::path& path);

// How many characters UTF-8 text holds: its bytes but those that continue a character.
inline std::size_t CharacterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

// True when every character of the UTF-8 text is a printable one of code page 1252, the
// Windows sheet's: no control character, no combining mark, nothing it would print as "?".
bool InCodePage1252(std::string_view utf8);

}  // namespace dossier
