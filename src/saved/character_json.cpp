#include "saved/character_json.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <set>

#include "platform/utf8_text.h"
#include "sheet/sheet_sections.h"

namespace dossier {

namespace {

using Json = nlohmann::ordered_json;

// Far above anything Dossier writes, far below what would strain memory.
constexpr std::size_t kLongestField = 1000;
constexpr std::uintmax_t kLargestFile = 64 * 1024 * 1024;

[[noreturn]] void Refuse(const std::string& where, const std::string& what) {
    throw CharacterFileError(where + ": " + what);
}

// Reads one saved line, naming the first thing that is wrong with it.
class LineReader {
  public:
    explicit LineReader(std::string where) : where_(std::move(where)) {}

    SavedCharacter Read(const Json& line) const {
        if (!line.is_object()) Refuse(where_, "not a character (a JSON object)");
        if (!line.contains("format"))
            Refuse(where_, "no \"format\": not a character that Dossier saved");
        if (!line["format"].is_number_integer() ||
            line["format"].get<long long>() != kCharacterFormat)
            Refuse(where_, "\"format\" is " + line["format"].dump() +
                               "; this Dossier reads format " + std::to_string(kCharacterFormat));
        OnlyKeys(line, "",
                 {"format", "index", "mode", "fields", "heightClass", "weightClass", "sheet"});
        SavedCharacter character;
        if (line.contains("mode")) character.mode = Text(line, "mode", kLongestField);
        if (line.contains("index") && !line["index"].is_number_integer())
            Refuse(where_, "\"index\" is not a whole number");

        const Json& fields = Member(line, "fields", Json::value_t::object);
        for (const FieldInfo& info : AllFields()) {
            character.fields[Index(info.field)] =
                Text(fields, std::string(info.name), kLongestField, "fields.");
        }
        if (fields.size() != kFieldCount) {
            for (const auto& [key, value] : fields.items())
                if (!FieldByName(key)) Refuse(where_, "unknown field \"fields." + key + "\"");
        }
        character.heightClass = OneOf(line, "heightClass", {"", "S", "A", "T"});
        character.weightClass = OneOf(line, "weightClass", {"", "L", "A", "H"});

        const Json& sheet = Member(line, "sheet", Json::value_t::object);
        OnlyKeys(sheet, "sheet.",
                 {"glasses", "loss", "physique", "derived", "languages", "education", "areas"});
        character.moment = {Text(sheet, "glasses", kLongestField, "sheet."),
                            Text(sheet, "loss", kLongestField, "sheet."),
                            Text(sheet, "physique", kLongestField, "sheet.")};
        for (const auto& [name, value] :
             Member(sheet, "derived", Json::value_t::object, "sheet.").items()) {
            if (!value.is_number_integer())
                Refuse(where_, "\"sheet.derived." + name + "\" is not a whole number");
            character.derived.emplace_back(name, value.get<long long>());
        }
        for (const Json& score : Member(sheet, "languages", Json::value_t::array, "sheet.")) {
            if (!score.is_number_integer())
                Refuse(where_, "\"sheet.languages\" holds something other than whole numbers");
            character.languages.push_back(score.get<int>());
        }
        character.education = Text(sheet, "education", kLongestField, "sheet.");
        for (const Json& area : Member(sheet, "areas", Json::value_t::array, "sheet.")) {
            if (!area.is_object() || !area.contains("name") || !area.contains("score") ||
                !area["name"].is_string() || !area["score"].is_number_integer() || area.size() != 2)
                Refuse(where_, "\"sheet.areas\" holds something other than {\"name\", \"score\"}");
            character.areas.emplace_back(Text(area, "name", kLongestField, "sheet.areas."),
                                         area["score"].get<int>());
        }
        if (const std::optional<std::string> missing = MissingDerivedValue(character))
            Refuse(where_, "\"sheet.derived." + *missing + "\" is missing");
        for (const auto& [name, score] : character.areas)
            if (name.size() > kAreaNameWidth)
                Refuse(where_,
                       "the area \"" + name.substr(0, 40) + "...\" is no area of knowledge");
        // The sheet as written, laid out again from what it was made of: no die is rolled.
        character.sheetText = LaidOutSheet(character);
        return character;
    }

  private:
    const Json& Member(const Json& object, const std::string& key, Json::value_t type,
                       const std::string& prefix = "") const {
        if (!object.contains(key)) Refuse(where_, "\"" + prefix + key + "\" is missing");
        const Json& value = object[key];
        if (value.type() != type)
            Refuse(where_, "\"" + prefix + key + "\" is " + std::string(value.type_name()) +
                               ", not " +
                               (type == Json::value_t::object ? "an object" : "an array"));
        return value;
    }
    std::string Text(const Json& object, const std::string& key, std::size_t longest,
                     const std::string& prefix = "", bool lineEnds = false) const {
        if (!object.contains(key)) Refuse(where_, "\"" + prefix + key + "\" is missing");
        const Json& value = object[key];
        if (!value.is_string())
            Refuse(where_,
                   "\"" + prefix + key + "\" is " + std::string(value.type_name()) + ", not text");
        const std::string& text = value.get_ref<const std::string&>();
        if (text.size() > longest)
            Refuse(where_, "\"" + prefix + key + "\" is " + std::to_string(text.size()) +
                               " characters long; at most " + std::to_string(longest));
        for (const char c : text) {
            const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
            if (control && !(lineEnds && (c == '\r' || c == '\n')))
                Refuse(where_, "\"" + prefix + key + "\" holds a control character");
        }
        return text;
    }
    std::string OneOf(const Json& object, const std::string& key,
                      std::initializer_list<const char*> allowed) const {
        const std::string text = Text(object, key, kLongestField);
        for (const char* one : allowed)
            if (text == one) return text;
        Refuse(where_, "\"" + key + "\" is \"" + text + "\", which is no class");
    }
    void OnlyKeys(const Json& object, const std::string& prefix,
                  std::initializer_list<const char*> known) const {
        for (const auto& [key, value] : object.items()) {
            bool found = false;
            for (const char* one : known) found = found || key == one;
            if (!found) Refuse(where_, "unknown key \"" + prefix + key + "\"");
        }
    }

    std::string where_;
};

}  // namespace

// The line's shape is built once; each character then only assigns the values, so the
// texts reuse their space instead of a new tree being built and freed for every line.
struct CharacterJsonWriter::Shape {
    Json line;
    Json* index;
    Json* mode;
    std::array<Json*, kFieldCount> fields;
    Json* heightClass;
    Json* weightClass;
    Json* glasses;
    Json* loss;
    Json* physique;
    Json* derived;
    Json* languages;
    Json* education;
    Json* areas;
};

CharacterJsonWriter::CharacterJsonWriter() : shape_(std::make_unique<Shape>()) {
    Json fields = Json::object();
    for (const FieldInfo& info : AllFields()) fields[std::string(info.name)] = "";
    Json& line = shape_->line;
    line = {{"format", kCharacterFormat},
            {"index", 0},
            {"mode", ""},
            {"fields", std::move(fields)},
            {"heightClass", ""},
            {"weightClass", ""},
            {"sheet",
             {{"glasses", ""},
              {"loss", ""},
              {"physique", ""},
              {"derived", Json::object()},
              {"languages", Json::array()},
              {"education", ""},
              {"areas", Json::array()}}}};
    shape_->index = &line["index"];
    shape_->mode = &line["mode"];
    for (const FieldInfo& info : AllFields())
        shape_->fields[Index(info.field)] = &line["fields"][std::string(info.name)];
    shape_->heightClass = &line["heightClass"];
    shape_->weightClass = &line["weightClass"];
    Json& sheet = line["sheet"];
    shape_->glasses = &sheet["glasses"];
    shape_->loss = &sheet["loss"];
    shape_->physique = &sheet["physique"];
    shape_->derived = &sheet["derived"];
    for (const char* name : kSheetDerivedNames) (*shape_->derived)[name] = 0;
    shape_->languages = &sheet["languages"];
    shape_->education = &sheet["education"];
    shape_->areas = &sheet["areas"];
}

CharacterJsonWriter::~CharacterJsonWriter() = default;

namespace {

void Assign(Json* node, std::string_view text) {
    node->get_ref<std::string&>().assign(text);
}

void AssignLanguages(Json* node, const std::vector<int>& from) {
    Json::array_t& languages = node->get_ref<Json::array_t&>();
    languages.resize(from.size());
    for (std::size_t i = 0; i < languages.size(); ++i) languages[i] = from[i];
}

// The areas array with one {"name", "score"} object per area, kept from line to line.
Json::array_t& AreasOfSize(Json* node, std::size_t size) {
    Json::array_t& areas = node->get_ref<Json::array_t&>();
    while (areas.size() < size) areas.push_back({{"name", ""}, {"score", 0}});
    areas.resize(size);
    return areas;
}

}  // namespace

std::string CharacterJsonWriter::Dump() const {
    // Typed texts need not be valid UTF-8; replace what is not rather than fail.
    return shape_->line.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string CharacterJsonWriter::Line(const SavedCharacter& character, long long index) {
    Shape& shape = *shape_;
    *shape.index = index;
    Assign(shape.mode, character.mode);
    for (std::size_t i = 0; i < kFieldCount; ++i) Assign(shape.fields[i], character.fields[i]);
    Assign(shape.heightClass, character.heightClass);
    Assign(shape.weightClass, character.weightClass);
    Assign(shape.glasses, character.moment.glasses);
    Assign(shape.loss, character.moment.loss);
    Assign(shape.physique, character.moment.physique);
    for (const auto& [name, value] : character.derived) (*shape.derived)[name] = value;
    AssignLanguages(shape.languages, character.languages);
    Assign(shape.education, character.education);
    Json::array_t& areas = AreasOfSize(shape.areas, character.areas.size());
    for (std::size_t i = 0; i < areas.size(); ++i) {
        Assign(&areas[i]["name"], character.areas[i].first);
        areas[i]["score"] = character.areas[i].second;
    }
    return Dump() + '\n';
}

std::string CharacterJsonWriter::Line(const CharacterRecord& record, const CharacterSheet& sheet,
                                      const SheetMoment& moment, std::string_view mode,
                                      long long index) {
    Shape& shape = *shape_;
    *shape.index = index;
    Assign(shape.mode, mode);
    for (const FieldInfo& info : AllFields())
        Assign(shape.fields[Index(info.field)], record.Text(info.field));
    Assign(shape.heightClass, record.working.heightClass);
    Assign(shape.weightClass, record.working.weightClass);
    Assign(shape.glasses, moment.glasses);
    Assign(shape.loss, moment.loss);
    Assign(shape.physique, moment.physique);
    const std::array<long long, 14> derived = SheetDerivedValues(sheet.derived);
    std::size_t i = 0;
    for (auto& [key, value] : shape.derived->get_ref<Json::object_t&>()) value = derived[i++];
    AssignLanguages(shape.languages, sheet.languages);
    Assign(shape.education, sheet.education);
    Json::array_t& areas = AreasOfSize(shape.areas, sheet.areas.size());
    for (std::size_t a = 0; a < areas.size(); ++a) {
        Assign(&areas[a]["name"], TrimmedAreaName(sheet.areas[a].name));
        areas[a]["score"] = sheet.areas[a].score;
    }
    return Dump() + '\n';
}

std::string CharacterJsonLine(const SavedCharacter& character, long long index) {
    return CharacterJsonWriter().Line(character, index);
}

std::vector<SavedCharacter> ParseCharacterLines(std::string_view text, const std::string& name) {
    std::vector<SavedCharacter> characters;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
        const std::string where = name + ": line " + std::to_string(lineNumber);
        Json parsed;
        try {
            parsed = Json::parse(line);
        } catch (const Json::parse_error& error) {
            std::string what = error.what();
            if (const std::size_t cut = what.find("] "); cut != std::string::npos)
                what.erase(0, cut + 2);
            Refuse(where, "not JSON (" + what + ")");
        }
        characters.push_back(LineReader(where).Read(parsed));
    }
    if (characters.empty()) Refuse(name, "holds no character");
    return characters;
}

std::vector<SavedCharacter> ReadCharacterFile(const std::filesystem::path& file) {
    const std::string name = PathToUtf8(file);
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) Refuse(name, "is a folder, not a file");
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) Refuse(name, error.message());
    if (size > kLargestFile)
        Refuse(name, "is " + std::to_string(size) + " bytes; a character file is at most " +
                         std::to_string(kLargestFile) + " bytes");
    std::ifstream in(file, std::ios::binary);
    if (!in) Refuse(name, "cannot be read");
    const std::string text(std::istreambuf_iterator<char>(in), {});
    return ParseCharacterLines(text, name);
}

}  // namespace dossier
