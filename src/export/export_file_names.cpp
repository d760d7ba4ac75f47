#include "export/export_file_names.h"

#include <algorithm>
#include <array>

namespace dossier {

namespace {

constexpr std::string_view kRefused = "/\\:*?\"<>|#^[]";

// Windows takes these for devices whatever the extension: "con.md" is no file.
constexpr std::array<std::string_view, 22> kDevices = {
    "con",  "prn",  "aux",  "nul",  "com1", "com2", "com3", "com4", "com5", "com6", "com7",
    "com8", "com9", "lpt1", "lpt2", "lpt3", "lpt4", "lpt5", "lpt6", "lpt7", "lpt8", "lpt9"};

std::string Folded(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return folded;
}

}  // namespace

std::string SafeFileStem(std::string_view name) {
    std::string stem;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || kRefused.find(c) != std::string_view::npos) {
            if (!stem.empty() && stem.back() != ' ') stem += ' ';
            continue;
        }
        stem += c;
    }
    while (!stem.empty() && (stem.back() == ' ' || stem.back() == '.')) stem.pop_back();
    const std::size_t first = stem.find_first_not_of(' ');
    stem.erase(0, first == std::string::npos ? stem.size() : first);
    const std::string folded = Folded(stem);
    if (std::find(kDevices.begin(), kDevices.end(), folded) != kDevices.end()) stem += '_';
    return stem;
}

std::string FileNamer::Stem(std::string_view name, long long number) {
    std::string stem = SafeFileStem(name);
    if (stem.empty()) {
        std::string digits = std::to_string(number);
        if (digits.size() < 6) digits.insert(0, 6 - digits.size(), '0');
        stem = "char-" + digits;
    }
    std::string chosen = stem;
    for (int n = 2; taken_.contains(Folded(chosen)); ++n) chosen = stem + " " + std::to_string(n);
    taken_.insert(Folded(chosen));
    return chosen;
}

}  // namespace dossier
