#include "sheet_format.h"

#include <array>
#include <vector>

namespace dossier::testing {

namespace {

bool IsWhole(std::string_view digits) {
    if (!digits.empty() && digits.front() == '-') digits.remove_prefix(1);
    if (digits.empty()) return false;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// A one-field record: a quote, the prefix, anything, a quote.
bool Record(std::string_view line, std::string_view prefix) {
    return line.size() >= prefix.size() + 2 && line.front() == '"' && line.back() == '"' &&
           line.substr(1, prefix.size()) == prefix;
}

// A one-field record whose text after the label is a whole number.
bool Value(std::string_view line, std::string_view label) {
    return Record(line, label) && IsWhole(line.substr(1 + label.size(), line.size() - label.size() - 2));
}

}  // namespace

std::optional<std::string> SheetFormatProblem(std::string_view sheet) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < sheet.size()) {
        const std::size_t end = sheet.find("\r\n", start);
        if (end == std::string_view::npos) return "the last line does not end in CR LF";
        lines.push_back(sheet.substr(start, end - start));
        start = end + 2;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (char c : lines[i]) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 || byte == 0x7F) return "line " + std::to_string(i + 1) + " holds a control character";
        }
    }
    if (lines.size() < 48) return "only " + std::to_string(lines.size()) + " lines";

    const std::string blanks(26, ' '), hyphens(26, '-');
    const std::array<std::string, 17> heads = {
        blanks + "     Sex        ",        "Name  ____________________     Age        ",
        "Alias ____________________     Level      ", blanks + "     Handedness ",
        blanks + "     Hair Color ",        blanks + "     Height     ",
        blanks + "     Weight     ",        blanks + "     Race       ",
        hyphens + "     Military Service: \",\"", "PRIMARY TRAITS                 Glasses:   ",
        hyphens + "     Loss of Coordination: ", "Physical Strength         ",
        "Charm                     ",     "Willpower                 ",
        "Courage                   ",     "Knowledge                 ",
        "Coordination              ",
    };
    for (std::size_t i = 0; i < heads.size(); ++i) {
        if (!Record(lines[i], heads[i])) {
            return "line " + std::to_string(i + 1) + " does not start as it should";
        }
    }
    if (lines[6].substr(lines[6].size() - 6) != " lbs.\"") return "the weight line lacks its unit";
    const std::string rule = "\"" + hyphens + "\"";
    if (lines[17] != rule || lines[18] != "\"SECONDARY TRAITS\"" || lines[19] != rule) {
        return "the secondary heading is wrong";
    }
    const std::array<std::pair<std::string_view, std::string_view>, 11> secondary = {{
        {"Offense                   ", ""}, {"Deception                 ", ""},
        {"Evasion                   ", "Evasion           (+60)   "}, {"Deactivation              ", ""},
        {"Observation               ", ""}, {"Shock Resistance          ", ""},
        {"Gambling Value            ", ""},
        {"Movement Value            ", "Movement Value    (-60)   "},
        {"Life Level                ", ""}, {"Balance                   ", ""},
        {"Wellness                  ", ""},
    }};
    for (std::size_t i = 0; i < secondary.size(); ++i) {
        const auto& [plain, noted] = secondary[i];
        if (!Value(lines[20 + i], plain) && (noted.empty() || !Value(lines[20 + i], noted))) {
            return "line " + std::to_string(21 + i) + " is not a trait value";
        }
    }
    if (lines[31] != rule || lines[32] != "\"TERTIARY TRAITS           \"" || lines[33] != rule) {
        return "the tertiary heading is wrong";
    }
    if (!Value(lines[34], "Perception                ") ||
        !(Value(lines[35], "Hand to Hand Combat Value ") || Value(lines[35], "Hand to Hand Combat (+60) ")) ||
        !Value(lines[36], "Surprise Value            ")) {
        return "a tertiary line is not a trait value";
    }
    if (!lines[37].empty() || !lines[38].empty() || lines[39] != "\"LANGUAGES   \"") {
        return "the languages heading is wrong";
    }
    std::size_t at = 40;
    const std::string underscores(26, '_');
    while (at < lines.size() && Value(lines[at], underscores)) ++at;
    if (at == 40) return "no language";
    if (at + 7 > lines.size() || !lines[at].empty() || lines[at + 1] != "\"EDUCATION LEVEL\"") {
        return "the education heading is wrong";
    }
    const std::string_view level = lines[at + 2];
    if (level != "\"High School\"" && level != "\"Bachelor's Degree\"" &&
        level != "\"Master's Degree\"" && level != "\"Doctorate\"") {
        return "no education level";
    }
    if (!lines[at + 3].empty() || lines[at + 4] != "\"SUPERIOR AREAS OF KNOWLEDGE\"" ||
        lines[at + 5] != "\"" + std::string(33, '-') + "\"") {
        return "the areas heading is wrong";
    }
    const std::size_t areas = lines.size() - (at + 6);
    if (areas < 1 || areas > 40) return std::to_string(areas) + " areas";
    for (std::size_t i = at + 6; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.size() < 36 || line[0] != '"' || line[33] != ' ' || line[1] == ' ' ||
            !IsWhole(line.substr(34, line.size() - 35)) || line.back() != '"') {
            return "line " + std::to_string(i + 1) + " is not an area";
        }
    }
    return std::nullopt;
}

}  // namespace dossier::testing
