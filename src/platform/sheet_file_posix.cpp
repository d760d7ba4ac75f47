#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/sheet_file.h"
#include "platform/utf8_text.h"

namespace dossier {

std::filesystem::path DefaultSheetPath() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / "char.txt";
    }
    if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr) {
        return std::filesystem::path(user->pw_dir) / "char.txt";
    }
    return std::filesystem::path("char.txt");
}

std::string ToSheetEncoding(std::string utf8Text) {
    return utf8Text;  // UTF-8 is the sheet encoding here
}

bool PrintsWhole(std::string_view utf8Text) {
    return InCodePage1252(utf8Text);
}

}  // namespace dossier
