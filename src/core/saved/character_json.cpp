#include "core/saved/character_json.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <set>

#include "core/record/whole_number_text.h"
#include "core/rules/sheet_sections.h"
#include "platform/utf8_text.h"

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

    SavedCharacter Read(const Json& line) {
        if (!line.is_object()) Refuse(where_, "not a character (a JSON object)");
        if (!line.contains("format"))
            Refuse(where_, "no \"format\": not a character that Dossier saved");
        const int format = Format(line["format"]);
        const bool named = format >= kNamedCharacterFormat;
        const bool profiled = format >= kProfiledCharacterFormat;
        member_ = format == kNetworkMemberFormat;
        if (member_) {
            OnlyKeys(line, "",
                     {"format", "index", "id", "mode", "name", "alias", "origin", "profile",
                      "links", "fields", "heightClass", "weightClass", "sheet"});
        } else if (!named) {
            OnlyKeys(line, "",
                     {"format", "index", "mode", "fields", "heightClass", "weightClass", "sheet"});
        } else if (!profiled) {
            OnlyKeys(line, "",
                     {"format", "index", "mode", "name", "alias", "origin", "fields", "heightClass",
                      "weightClass", "sheet"});
        } else {
            OnlyKeys(line, "",
                     {"format", "index", "mode", "name", "alias", "origin", "profile", "fields",
                      "heightClass", "weightClass", "sheet"});
        }
        SavedCharacter character;
        if (named) {
            character.names = {Name(line, "name"), Name(line, "alias"),
                               Text(line, "origin", kLongestField)};
        }
        if (profiled) character.profile = Profile(Member(line, "profile", Json::value_t::object));
        if (member_) ReadMembership(line);
        if (line.contains("mode")) character.mode = Text(line, "mode", kLongestField);
        if (line.contains("index") && !line["index"].is_number_integer())
            Refuse(where_, "\"index\" is not a whole number");

        const Json& fields = Member(line, "fields", Json::value_t::object);
        for (const FieldInfo& info : kFields) {
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

    // Whether the line was a network's member, and if so its id and links.
    bool member() const { return member_; }
    int id() const { return id_; }
    std::vector<NetworkLink>& links() { return links_; }

  private:
    void ReadMembership(const Json& line) {
        const Json& id = line.contains("id") ? line["id"] : Json();
        if (!id.is_number_integer() || id.get<long long>() < 1 ||
            id.get<long long>() > kLargestNetwork)
            Refuse(where_, "\"id\" is " + id.dump() + ", not a member's number from 1 to " +
                               std::to_string(kLargestNetwork));
        id_ = id.get<int>();
        for (const Json& link : Member(line, "links", Json::value_t::array)) {
            if (!link.is_object()) Refuse(where_, "\"links\" holds something other than links");
            OnlyKeys(link, "links.", {"to", "kind", "contact", "knowsTrueName"});
            const Json& to = link.contains("to") ? link["to"] : Json();
            if (!to.is_number_integer() || to.get<long long>() < 0 ||
                to.get<long long>() > kLargestNetwork)
                Refuse(where_, "\"links.to\" is " + to.dump() + ", not a member's number");
            if (!link.contains("knowsTrueName") || !link["knowsTrueName"].is_boolean())
                Refuse(where_, "\"links.knowsTrueName\" is not true or false");
            links_.push_back({.to = to.get<int>(),
                              .kind = Word(link, "kind", kLinkKinds, "links."),
                              .contact = Word(link, "contact", kContactMethods, "links."),
                              .knowsTrueName = link["knowsTrueName"].get<bool>()});
        }
    }
    // The format number, if it is one this reader knows.
    int Format(const Json& format) const {
        const long long number = format.is_number_integer() ? format.get<long long>() : 0;
        if (number >= kCharacterFormat && number <= kNetworkMemberFormat)
            return static_cast<int>(number);
        std::string what = "\"format\" is " + format.dump() + "; this Dossier reads formats " +
                           std::to_string(kCharacterFormat) + " to " +
                           std::to_string(kNetworkMemberFormat);
        if (number > kNetworkMemberFormat)
            what += ": a newer Dossier saved it; open it with that one";
        Refuse(where_, what);
    }
    CharacterProfile Profile(const Json& profile) const {
        const std::string p = "profile.";
        OnlyKeys(profile, p,
                 {"role", "motive", "motiveDetail", "leverage", "loyalty", "mannerism", "cover"});
        const Json& cover = Member(profile, "cover", Json::value_t::object, p);
        OnlyKeys(cover, p + "cover.", {"name", "occupation", "status"});
        return {.role = Word(profile, "role", kRoles, p),
                .motive = Word(profile, "motive", kMotives, p),
                .motiveDetail = Text(profile, "motiveDetail", kLongestField, p),
                .leverage = Text(profile, "leverage", kLongestField, p),
                .loyalty = Word(profile, "loyalty", kLoyalties, p),
                .mannerism = Text(profile, "mannerism", kLongestField, p),
                .cover = {.name = Text(cover, "name", kLongestField, p + "cover."),
                          .occupation = Text(cover, "occupation", kLongestField, p + "cover."),
                          .status = Word(cover, "status", kCoverStatuses, p + "cover.")}};
    }
    // One of the words a profile is made of.
    template <std::size_t N>
    std::string Word(const Json& object, const std::string& key, const std::string_view (&words)[N],
                     const std::string& prefix) const {
        std::string text = Text(object, key, kLongestField, prefix);
        std::string known;
        for (const std::string_view word : words) {
            if (text == word) return text;
            known += (known.empty() ? "" : ", ") + std::string(word);
        }
        Refuse(where_,
               "\"" + prefix + key + "\" is \"" + text.substr(0, 40) + "\", none of " + known);
    }
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
    // A name or alias, which the sheet's line holds whole.
    std::string Name(const Json& object, const std::string& key) const {
        std::string text = Text(object, key, kLongestField);
        if (const std::size_t length = CharacterCount(text); length > kLongestName)
            Refuse(where_, "\"" + key + "\" is " + std::to_string(length) +
                               " characters long; at most " + std::to_string(kLongestName));
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
    bool member_ = false;
    int id_ = 0;
    std::vector<NetworkLink> links_;
};

}  // namespace

namespace {

// Writes a character line as the library dumps the same tree, byte for byte (the tests hold
// the two equal): keys in the order of format 1, no blanks. The keys are plain names and the
// punctuation is fixed, so only the values vary. Every text is escaped by the library, but
// for one of printable ASCII without quote or backslash, which it would copy as it stands;
// dumping the whole tree cost four times the generation of the character.
class JsonLine {
  public:
    JsonLine() { out_.reserve(2048); }

    JsonLine& Fixed(std::string_view punctuationAndKeys) {
        out_ += punctuationAndKeys;
        return *this;
    }
    JsonLine& Text(std::string_view text) {
        if (!NeedsEscaping(text)) {
            out_ += '"';
            out_ += text;
            out_ += '"';
        } else {
            // Typed texts need not be valid UTF-8; replace what is not rather than fail.
            out_ += Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
        }
        return *this;
    }
    JsonLine& Number(long long value) {
        std::array<char, kMostWholeBytes> digits{};
        out_.append(digits.data(), WriteWhole(digits.data(), value));
        return *this;
    }
    std::string Finish() {
        out_ += "}\n";
        return std::move(out_);
    }

  private:
    static bool NeedsEscaping(std::string_view text) {
        for (char c : text) {
            if (c < 0x20 || c > 0x7E || c == '"' || c == '\\') return true;
        }
        return false;
    }

    std::string out_;
};

struct LineValues {
    long long index;
    std::string_view mode;
    const CharacterNames& names;
    const CharacterProfile& profile;
    std::array<std::string_view, kFieldCount> fields;
    std::string_view heightClass;
    std::string_view weightClass;
    std::string_view glasses;
    std::string_view loss;
    std::string_view physique;
    std::array<long long, kDerivedTraits.size()> derived;
    const std::vector<int>& languages;
    std::string_view education;
    // A network's member: its id and links.
    const std::vector<NetworkLink>* links = nullptr;
};

// Everything up to the areas, whose list the caller writes.
void WriteUpToAreas(JsonLine& line, const LineValues& v) {
    // A character without a name is written as before names were kept.
    const bool named = !v.names.empty();
    const bool profiled = !v.profile.empty();
    line.Fixed("{\"format\":")
        .Number(v.links != nullptr ? kNetworkMemberFormat
                : profiled         ? kProfiledCharacterFormat
                : named            ? kNamedCharacterFormat
                                   : kCharacterFormat);
    line.Fixed(",\"index\":").Number(v.index);
    if (v.links != nullptr) line.Fixed(",\"id\":").Number(v.index);
    line.Fixed(",\"mode\":").Text(v.mode);
    if (named || profiled) {
        line.Fixed(",\"name\":").Text(v.names.name).Fixed(",\"alias\":").Text(v.names.alias);
        line.Fixed(",\"origin\":").Text(v.names.origin);
    }
    if (profiled) {
        const CharacterProfile& p = v.profile;
        line.Fixed(",\"profile\":{\"role\":").Text(p.role).Fixed(",\"motive\":").Text(p.motive);
        line.Fixed(",\"motiveDetail\":").Text(p.motiveDetail);
        line.Fixed(",\"leverage\":").Text(p.leverage).Fixed(",\"loyalty\":").Text(p.loyalty);
        line.Fixed(",\"mannerism\":").Text(p.mannerism);
        line.Fixed(",\"cover\":{\"name\":").Text(p.cover.name);
        line.Fixed(",\"occupation\":").Text(p.cover.occupation);
        line.Fixed(",\"status\":").Text(p.cover.status).Fixed("}}");
    }
    if (v.links != nullptr) {
        line.Fixed(",\"links\":[");
        bool first = true;
        for (const NetworkLink& link : *v.links) {
            line.Fixed(first ? "{\"to\":" : ",{\"to\":").Number(link.to);
            line.Fixed(",\"kind\":").Text(link.kind).Fixed(",\"contact\":").Text(link.contact);
            line.Fixed(link.knowsTrueName ? ",\"knowsTrueName\":true}"
                                          : ",\"knowsTrueName\":false}");
            first = false;
        }
        line.Fixed("]");
    }
    line.Fixed(",\"fields\":{");
    for (const FieldInfo& info : kFields) {
        line.Fixed(Index(info.field) == 0 ? "\"" : ",\"").Fixed(info.name).Fixed("\":");
        line.Text(v.fields[Index(info.field)]);
    }
    line.Fixed("},\"heightClass\":").Text(v.heightClass);
    line.Fixed(",\"weightClass\":").Text(v.weightClass);
    line.Fixed(",\"sheet\":{\"glasses\":").Text(v.glasses);
    line.Fixed(",\"loss\":").Text(v.loss).Fixed(",\"physique\":").Text(v.physique);
    line.Fixed(",\"derived\":{");
    for (std::size_t i = 0; i < v.derived.size(); ++i) {
        line.Fixed(i == 0 ? "\"" : ",\"").Fixed(kDerivedTraits[i].sheetName).Fixed("\":");
        line.Number(v.derived[i]);
    }
    line.Fixed("},\"languages\":[");
    for (std::size_t i = 0; i < v.languages.size(); ++i) {
        line.Fixed(i == 0 ? "" : ",").Number(v.languages[i]);
    }
    line.Fixed("],\"education\":").Text(v.education).Fixed(",\"areas\":[");
}

void WriteArea(JsonLine& line, bool first, std::string_view name, int score) {
    line.Fixed(first ? "{\"name\":" : ",{\"name\":").Text(name);
    line.Fixed(",\"score\":").Number(score).Fixed("}");
}

}  // namespace

namespace {

std::string SavedLine(const SavedCharacter& character, long long index,
                      const std::vector<NetworkLink>* links) {
    LineValues values{.index = index,
                      .mode = character.mode,
                      .names = character.names,
                      .profile = character.profile,
                      .fields = {},
                      .heightClass = character.heightClass,
                      .weightClass = character.weightClass,
                      .glasses = character.moment.glasses,
                      .loss = character.moment.loss,
                      .physique = character.moment.physique,
                      .derived = {},
                      .languages = character.languages,
                      .education = character.education,
                      .links = links};
    for (std::size_t i = 0; i < kFieldCount; ++i) values.fields[i] = character.fields[i];
    for (std::size_t i = 0; i < values.derived.size(); ++i) {
        values.derived[i] = DerivedValue(character, kDerivedTraits[i].sheetName).value_or(0);
    }
    JsonLine line;
    WriteUpToAreas(line, values);
    bool first = true;
    for (const auto& [name, score] : character.areas) {
        WriteArea(line, first, name, score);
        first = false;
    }
    return line.Fixed("]}").Finish();
}

}  // namespace

std::string CharacterJsonWriter::Line(const SavedCharacter& character, long long index) {
    return SavedLine(character, index, nullptr);
}

std::string NetworkMemberJsonLine(const Network& network, std::size_t member) {
    return SavedLine(network.members[member], static_cast<long long>(member + 1),
                     &network.links[member]);
}

std::string CharacterJsonWriter::Line(const CharacterRecord& record, const CharacterSheet& sheet,
                                      const SheetMoment& moment, std::string_view mode,
                                      long long index) {
    LineValues values{.index = index,
                      .mode = mode,
                      .names = sheet.names,
                      .profile = sheet.profile,
                      .fields = {},
                      .heightClass = record.working.heightClass,
                      .weightClass = record.working.weightClass,
                      .glasses = moment.glasses,
                      .loss = moment.loss,
                      .physique = moment.physique,
                      .derived = {},
                      .languages = sheet.languages,
                      .education = sheet.education};
    for (const FieldInfo& info : kFields)
        values.fields[Index(info.field)] = record.Text(info.field);
    for (std::size_t i = 0; i < values.derived.size(); ++i)
        values.derived[i] = sheet.derived.*kDerivedTraits[i].value;
    JsonLine line;
    WriteUpToAreas(line, values);
    bool first = true;
    for (const KnowledgeArea& area : sheet.areas) {
        WriteArea(line, first, TrimmedAreaName(area.name), area.score);
        first = false;
    }
    return line.Fixed("]}").Finish();
}

std::string CharacterJsonLine(const SavedCharacter& character, long long index) {
    return CharacterJsonWriter().Line(character, index);
}

SavedFile ParseSavedLines(std::string_view text, const std::string& name) {
    SavedFile file;
    std::vector<SavedCharacter>& characters = file.content.members;
    std::vector<std::pair<int, std::size_t>> ids;  // each member's id and line
    std::vector<std::vector<NetworkLink>> links;
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
        } catch (const Json::exception& error) {  // a number too large for a double, too
            std::string what = error.what();
            if (const std::size_t cut = what.find("] "); cut != std::string::npos)
                what.erase(0, cut + 2);
            Refuse(where, "not JSON (" + what + ")");
        }
        LineReader reader(where);
        characters.push_back(reader.Read(parsed));
        if (characters.size() == 1) file.isNetwork = reader.member();
        if (reader.member() != file.isNetwork) {
            Refuse(where, file.isNetwork ? "not a network's member, as the first line was"
                                         : "a network's member, which the first line was not");
        }
        if (!file.isNetwork) continue;
        for (const auto& [seen, seenOn] : ids) {
            if (seen == reader.id())
                Refuse(where, "a second member " + std::to_string(seen) + " (the first on line " +
                                  std::to_string(seenOn) + ")");
        }
        ids.emplace_back(reader.id(), lineNumber);
        links.push_back(std::move(reader.links()));
    }
    if (characters.empty()) Refuse(name, "holds no character");
    if (!file.isNetwork) return file;
    // Members in the order of their ids, which must run from 1 without a gap.
    const std::size_t size = characters.size();
    std::vector<std::size_t> place(size, size);
    for (std::size_t i = 0; i < size; ++i) {
        const auto id = static_cast<std::size_t>(ids[i].first);
        if (id > size)
            Refuse(name + ": line " + std::to_string(ids[i].second),
                   "member " + std::to_string(id) + " in a network of " + std::to_string(size));
        place[id - 1] = i;
    }
    Network& network = file.content;
    std::vector<SavedCharacter> members;
    for (const std::size_t i : place) {
        members.push_back(std::move(characters[i]));
        network.links.push_back(std::move(links[i]));
    }
    network.members = std::move(members);
    if (const std::optional<NetworkFault> fault = FindNetworkFault(network)) {
        const std::size_t line = ids[place[fault->member]].second;
        Refuse(name + ": line " + std::to_string(line), fault->what);
    }
    return file;
}

std::vector<SavedCharacter> ParseCharacterLines(std::string_view text, const std::string& name) {
    return ParseSavedLines(text, name).content.members;
}

std::vector<SavedCharacter> ReadCharacterFile(const std::filesystem::path& file) {
    return ReadSavedFile(file).content.members;
}

SavedFile ReadSavedFile(const std::filesystem::path& file) {
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
    return ParseSavedLines(text, name);
}

}  // namespace dossier
