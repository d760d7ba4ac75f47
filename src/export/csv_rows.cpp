#include "export/csv_rows.h"

#include <map>
#include <nlohmann/json.hpp>

#include "core/saved/character_json.h"

namespace dossier {

namespace {

using Json = nlohmann::ordered_json;

std::string Scalar(const Json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_boolean()) return value.get<bool>() ? "true" : "false";
    return value.dump();
}

// A list's items in one cell: an area as "History 72", a link as "2 reports to, dead drop,
// knows the true name".
std::string Item(const Json& item) {
    if (!item.is_object()) return Scalar(item);
    std::string text;
    for (const auto& [key, value] : item.items()) {
        if (key == "knowsTrueName") {
            if (value.get<bool>()) text += ", knows the true name";
            continue;
        }
        const bool joined = key == "contact";
        text += text.empty() ? "" : joined ? ", " : " ";
        text += Scalar(value);
    }
    return text;
}

void Flatten(const Json& value, const std::string& path,
             std::vector<std::pair<std::string, std::string>>& cells) {
    if (value.is_object()) {
        for (const auto& [key, inner] : value.items())
            Flatten(inner, path.empty() ? key : path + "." + key, cells);
        return;
    }
    if (value.is_array()) {
        std::string text;
        for (const Json& item : value) text += (text.empty() ? "" : "; ") + Item(item);
        cells.emplace_back(path, text);
        return;
    }
    cells.emplace_back(path, Scalar(value));
}

std::vector<std::pair<std::string, std::string>> Cells(const std::string& jsonLine) {
    std::vector<std::pair<std::string, std::string>> cells;
    Flatten(Json::parse(jsonLine), "", cells);
    return cells;
}

// A spreadsheet runs a cell that starts with = + - @ as a formula: such a text, unless it is a
// number, is written after a quote mark, which the spreadsheet shows as text and hides.
bool Formula(const std::string& cell) {
    if (cell.empty() || std::string_view("=+-@\t\r").find(cell.front()) == std::string_view::npos)
        return false;
    const std::size_t digits = cell.find_first_not_of("0123456789", 1);
    return cell.size() == 1 || digits != std::string::npos;
}

std::string Quoted(const std::string& cell) {
    const std::string text = Formula(cell) ? "'" + cell : cell;
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string Line(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) line += (i == 0 ? "" : ",") + Quoted(cells[i]);
    return line + "\r\n";
}

}  // namespace

CsvTable::CsvTable(CsvShape shape) {
    // The columns of a character of that shape, in the order its JSON line has them.
    Network sample;
    sample.members.emplace_back();
    SavedCharacter& character = sample.members.back();
    if (shape.named || shape.profiled || shape.networked) character.names = {"x", "x", "x"};
    if (shape.profiled || shape.networked) character.profile.role = "x";
    sample.links.emplace_back();
    const std::string line =
        shape.networked ? NetworkMemberJsonLine(sample, 0) : CharacterJsonLine(character, 1);
    for (const auto& [column, value] : Cells(line)) columns_.push_back(column);
}

std::string CsvTable::Header() const {
    return Line(columns_);
}

std::string CsvTable::Row(const SavedCharacter& character, long long index) const {
    return RowOf(CharacterJsonLine(character, index));
}

std::string CsvTable::Row(const Network& network, std::size_t member) const {
    return RowOf(NetworkMemberJsonLine(network, member));
}

std::string CsvTable::RowOf(const std::string& jsonLine) const {
    std::map<std::string, std::string> found;
    for (auto& [column, value] : Cells(jsonLine)) found.emplace(column, std::move(value));
    std::vector<std::string> row;
    for (const std::string& column : columns_) {
        const auto it = found.find(column);
        row.push_back(it == found.end() ? std::string() : it->second);
    }
    return Line(row);
}

}  // namespace dossier
