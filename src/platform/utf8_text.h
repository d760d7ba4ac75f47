#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The program keeps every text in UTF-8. Windows speaks UTF-16 to its file and process
// functions and the ANSI code page to narrow ones, so these are the only crossings.
namespace dossier {

// A path from UTF-8 text. On Windows a narrow std::filesystem::path would read the text
// in the ANSI code page and garble any other character.
std::filesystem::path PathFromUtf8(std::string_view utf8);

// The path as UTF-8 text, for messages; never throws, whatever the path holds.
std::string PathToUtf8(const std::filesystem::path& path);

#ifdef _WIN32
std::string Utf8FromWide(std::wstring_view wide);
std::wstring WideFromUtf8(std::string_view utf8);

// The process's arguments as UTF-8, read from the wide command line: the narrow argv
// holds them in the ANSI code page, with "?" for what it cannot hold.
std::vector<std::string> Utf8CommandLineArguments();
#endif

}  // namespace dossier
