#include "sheet_format.h"

#include <vector>

namespace dossier::testing {

namespace {

bool IsWhole(std::string_view digits) {
    if (!digits.empty() && digits.front() == '-') digits.remove_prefix(1);
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
}

// A quoted record starting with one of the labels, followed by anything or by a whole number.
bool Line(std::string_view line, std::initializer_list<std::string_view> labels, bool number) {
    if (line.size() < 2 || line.front() != '"' || line.back() != '"') return false;
    const std::string_view inside = line.substr(1, line.size() - 2);
    for (std::string_view label : labels) {
        if (inside.substr(0, label.size()) == label &&
            (!number || IsWhole(inside.substr(label.size()))))
            return true;
    }
    return false;
}

}  // namespace

std::optional<std::string> SheetFormatProblem(std::string_view sheet) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < sheet.size();) {
        const std::size_t end = sheet.find("\r\n", start);
        if (end == std::string_view::npos) return "the last line does not end in CR LF";
        lines.push_back(sheet.substr(start, end - start));
        start = end + 2;
    }
    for (char c : sheet) {
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\r' && c != '\n') || c == 0x7F)
            return "a control character";
    }
    if (lines.size() < 48) return "only " + std::to_string(lines.size()) + " lines";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find_first_of("\r\n") != std::string_view::npos) return "a bare CR or LF";
    }
    const std::string b(26, ' '), h(26, '-'), rule = "\"" + h + "\"";
    // Lines 1 to 37: the label each starts with; trait lines end in a whole number.
    const std::vector<std::pair<std::vector<std::string>, bool>> head = {
        {{b + "     Sex        "}, false},
        {{"Name  ____________________     Age        "}, false},
        {{"Alias ____________________     Level      "}, false},
        {{b + "     Handedness "}, false},
        {{b + "     Hair Color "}, false},
        {{b + "     Height     "}, false},
        {{b + "     Weight     "}, false},
        {{b + "     Race       "}, false},
        {{h + "     Military Service: \",\""}, false},
        {{"PRIMARY TRAITS                 Glasses:   "}, false},
        {{h + "     Loss of Coordination: "}, false},
        {{"Physical Strength         "}, false},
        {{"Charm                     "}, false},
        {{"Willpower                 "}, false},
        {{"Courage                   "}, false},
        {{"Knowledge                 "}, false},
        {{"Coordination              "}, false},
        {{h}, false},
        {{"SECONDARY TRAITS"}, false},
        {{h}, false},
        {{"Offense                   "}, true},
        {{"Deception                 "}, true},
        {{"Evasion                   ", "Evasion           (+60)   "}, true},
        {{"Deactivation              "}, true},
        {{"Observation               "}, true},
        {{"Shock Resistance          "}, true},
        {{"Gambling Value            "}, true},
        {{"Movement Value            ", "Movement Value    (-60)   "}, true},
        {{"Life Level                "}, true},
        {{"Balance                   "}, true},
        {{"Wellness                  "}, true},
        {{h}, false},
        {{"TERTIARY TRAITS           "}, false},
        {{h}, false},
        {{"Perception                "}, true},
        {{"Hand to Hand Combat Value ", "Hand to Hand Combat (+60) "}, true},
        {{"Surprise Value            "}, true}};
    for (std::size_t i = 0; i < head.size(); ++i) {
        const auto& [labels, number] = head[i];
        const bool ok = labels.size() == 1 ? Line(lines[i], {labels[0]}, number)
                                           : Line(lines[i], {labels[0], labels[1]}, number);
        if (!ok) return "line " + std::to_string(i + 1) + " is not as laid out";
    }
    if (lines[6].substr(lines[6].size() - 6) != " lbs.\"" || lines[17] != rule || lines[31] != rule)
        return "a literal is wrong";
    if (!lines[37].empty() || !lines[38].empty() || lines[39] != "\"LANGUAGES   \"")
        return "no languages heading";
    std::size_t at = 40;
    while (at < lines.size() && Line(lines[at], {std::string(26, '_')}, true)) ++at;
    if (at == 40 || at + 7 > lines.size() || !lines[at].empty() ||
        lines[at + 1] != "\"EDUCATION LEVEL\"" ||
        !Line(lines[at + 2], {"High School", "Bachelor's Degree", "Master's Degree", "Doctorate"},
              false) ||
        !lines[at + 3].empty() || lines[at + 4] != "\"SUPERIOR AREAS OF KNOWLEDGE\"" ||
        lines[at + 5] != "\"" + std::string(33, '-') + "\"") {
        return "the languages or education are not as laid out";
    }
    const std::size_t areas = lines.size() - (at + 6);
    if (areas < 1 || areas > 40) return std::to_string(areas) + " areas";
    for (std::size_t i = at + 6; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.size() < 36 || line[1] == ' ' || line[33] != ' ' ||
            !Line(line, {line.substr(1, 33)}, true)) {
            return "line " + std::to_string(i + 1) + " is not an area";
        }
    }
    return std::nullopt;
}

}  // namespace dossier::testing
