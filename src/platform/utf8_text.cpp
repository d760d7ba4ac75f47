#include "platform/utf8_text.h"

namespace dossier {

namespace fs = std::filesystem;

fs::path PathFromUtf8(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string PathToUtf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool InCodePage1252(std::string_view utf8) {
    // The characters code page 1252 places at 0x80 to 0x9F.
    constexpr std::u32string_view extras = U"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at++]);
        char32_t c = lead < 0x80 ? lead : lead & (lead < 0xE0 ? 0x1F : lead < 0xF0 ? 0x0F : 0x07);
        while (at < utf8.size() && (static_cast<unsigned char>(utf8[at]) & 0xC0) == 0x80)
            c = c << 6 | (static_cast<unsigned char>(utf8[at++]) & 0x3F);
        const bool printable = (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF) ||
                               extras.find(c) != std::u32string_view::npos;
        if (!printable) return false;
    }
    return true;
}

}  // namespace dossier
