#include "naming/name_drawer.h"

#include <algorithm>
#include <cctype>

#include "platform/utf8_text.h"

namespace dossier {

std::string Folded(std::string_view text) {
    std::string folded;
    for (const char c : text)
        if (c != ' ' && c != '-' && c != '_')
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

namespace {

// Gives every text one id, so a full name is the same pair of ids whatever list or origin it
// came from.
std::uint32_t IdOf(std::string_view text, std::vector<std::string_view>& texts,
                   std::unordered_map<std::string_view, std::uint32_t>& ids) {
    const auto [at, added] = ids.try_emplace(text, static_cast<std::uint32_t>(texts.size()));
    if (added) texts.push_back(text);
    return at->second;
}

}  // namespace

std::optional<std::string_view> FindOrigin(std::string_view typed) {
    if (Folded(typed) == "any") return std::string_view();
    for (const OriginNames& names : NameOrigins())
        if (Folded(names.origin) == Folded(typed)) return names.origin;
    return std::nullopt;
}

NameDrawer::NameDrawer(Dice& dice, std::string_view origin) : dice_(dice) {
    std::unordered_map<std::string_view, std::uint32_t> givenIds, surnameIds;
    const auto ids = [](auto names, auto& texts, auto& map) {
        std::vector<std::uint32_t> list;
        for (const std::string_view name : names) list.push_back(IdOf(name, texts, map));
        return list;
    };
    SetOrigin(origin);
    for (const OriginNames& names : NameOrigins()) {
        std::vector<std::uint32_t> common = ids(names.surnames, surnames_, surnameIds);
        const auto table = [&](auto given, auto own) {
            Table made;
            made.first = ids(given, givenNames_, givenIds);
            made.second = ids(own, surnames_, surnameIds);
            // A surname of both the sex's own list and the common one counts once.
            for (const std::uint32_t id : common)
                if (std::ranges::find(made.second, id) == made.second.end())
                    made.second.push_back(id);
            return made;
        };
        female_.push_back(table(names.female, names.femaleSurnames));
        male_.push_back(table(names.male, names.maleSurnames));
    }
    // A famous full name is barred only where both its words are names of the lists.
    for (const std::string_view full : FamousNames()) {
        const std::size_t blank = full.find(' ');
        const auto given = givenIds.find(full.substr(0, blank));
        const auto surname = surnameIds.find(full.substr(blank + 1));
        if (given != givenIds.end() && surname != surnameIds.end())
            famous_.insert(Key(given->second, surname->second));
    }
    placesOfGiven_.resize(givenNames_.size());
    const auto lengths = [](const std::vector<std::uint32_t>& of, const auto& texts) {
        std::vector<std::uint8_t> counted;
        for (const std::uint32_t id : of)
            counted.push_back(
                static_cast<std::uint8_t>(std::min<std::size_t>(CharacterCount(texts[id]), 255)));
        return counted;
    };
    for (std::uint32_t t = 0; t < 2 * female_.size(); ++t) {
        Table& table = t < female_.size() ? female_[t] : male_[t - female_.size()];
        table.firstLength = lengths(table.first, givenNames_);
        table.secondLength = lengths(table.second, surnames_);
        table.barred = &famous_;
        for (std::uint32_t i = 0; i < table.second.size(); ++i)
            table.placeOfSecond.try_emplace(table.second[i], i);
        for (std::uint32_t i = 0; i < table.first.size(); ++i)
            placesOfGiven_[table.first[i]].emplace_back(t, i);
        Count(table);
    }
    const auto adjectives = AliasAdjectives();
    const auto nouns = AliasNouns();
    for (std::uint32_t i = 0; i < adjectives.size(); ++i) aliases_.first.push_back(i);
    for (std::uint32_t i = 0; i < nouns.size(); ++i) aliases_.second.push_back(i);
    aliases_.firstLength = lengths(aliases_.first, adjectives);
    aliases_.secondLength = lengths(aliases_.second, nouns);
    aliases_.barred = &neverAliases_;
    for (const std::string_view pair : NeverDrawnAliases()) {
        const std::size_t blank = pair.find(' ');
        const auto adjective =
            std::find(adjectives.begin(), adjectives.end(), pair.substr(0, blank));
        const auto noun = std::find(nouns.begin(), nouns.end(), pair.substr(blank + 1));
        if (adjective != adjectives.end() && noun != nouns.end())
            neverAliases_.insert(Key(static_cast<std::uint32_t>(adjective - adjectives.begin()),
                                     static_cast<std::uint32_t>(noun - nouns.begin())));
    }
    Count(aliases_);
}

std::optional<std::size_t> NameDrawer::OriginIndex(std::string_view origin) {
    const auto origins = NameOrigins();
    for (std::size_t i = 0; i < origins.size(); ++i)
        if (origins[i].origin == origin) return i;
    return std::nullopt;
}

void NameDrawer::SetOrigin(std::string_view origin) {
    origin_ = OriginIndex(origin);
}

int NameDrawer::Roll(std::size_t sides) {
    return dice_.DieRoll(static_cast<std::int16_t>(sides));
}

void NameDrawer::Fix(std::optional<std::string> name, std::optional<std::string> alias,
                     std::string origin, std::optional<std::string> keptForSex) {
    fixedName_ = std::move(name);
    fixedNameSex_ = std::move(keptForSex);
    fixedAlias_ = std::move(alias);
    fixedOrigin_ = std::move(origin);
}

bool NameDrawer::Fits(std::size_t first, std::size_t second) {
    return first + 1 + second <= kLongestName;
}

// Fits the sheet's line and is not barred; by the places of the two words in the table.
bool NameDrawer::Drawable(const Table& table, std::size_t first, std::size_t second) {
    return Fits(table.firstLength[first], table.secondLength[second]) &&
           !table.barred->contains(Key(table.first[first], table.second[second]));
}

void NameDrawer::Count(Table& table) {
    table.used.assign(table.first.size() * table.second.size(), false);
    table.drawable = 0;
    for (const std::uint8_t first : table.firstLength)
        for (const std::uint8_t second : table.secondLength) table.drawable += Fits(first, second);
    // The barred pairs are few: take away those of this table that would fit.
    for (const std::uint64_t key : *table.barred) {
        const auto first = std::ranges::find(table.first, static_cast<std::uint32_t>(key >> 32));
        const auto second = std::ranges::find(table.second, static_cast<std::uint32_t>(key));
        if (first == table.first.end() || second == table.second.end()) continue;
        table.drawable -= Fits(table.firstLength[first - table.first.begin()],
                               table.secondLength[second - table.second.begin()]);
    }
    table.left = table.drawable;
}

void NameDrawer::MarkDrawn(std::uint32_t given, std::uint32_t surname) {
    for (const auto& [t, place] : placesOfGiven_[given]) {
        Table& table = t < female_.size() ? female_[t] : male_[t - female_.size()];
        const auto second = table.placeOfSecond.find(surname);
        if (second == table.placeOfSecond.end()) continue;
        Use(table, place, second->second);
    }
}

void NameDrawer::Use(Table& table, std::size_t first, std::size_t second) {
    const std::size_t pair = first * table.second.size() + second;
    if (!table.used[pair]) table.left -= Drawable(table, first, second);
    table.used[pair] = true;
}

// Rolls a pair, and rolls again while it was drawn this round, does not fit or is barred, so
// every pair still to draw is as likely as the next. A table whose pairs were all drawn starts
// a new round of its own.
std::pair<std::uint32_t, std::uint32_t> NameDrawer::DrawPair(Table& table) {
    if (table.left == 0) {
        std::fill(table.used.begin(), table.used.end(), false);
        table.left = table.drawable;
    }
    // Rolls expected before a pair is found stay below the table's size over what is left;
    // far past that, the count is wrong, and a new round is better than no end.
    for (std::size_t rolls = 0;; ++rolls) {
        if (rolls > 64 * table.used.size()) {
            std::fill(table.used.begin(), table.used.end(), false);
            table.left = table.drawable;
            rolls = 0;
        }
        const auto first = static_cast<std::size_t>(Roll(table.first.size()) - 1);
        const auto second = static_cast<std::size_t>(Roll(table.second.size()) - 1);
        const std::size_t pair = first * table.second.size() + second;
        const bool drawable = Drawable(table, first, second);
        // A table with nothing that fits gives what it rolled rather than nothing.
        if (table.drawable == 0 || (drawable && !table.used[pair]))
            return {table.first[first], table.second[second]};
    }
}

std::string NameDrawer::DrawName(std::string_view sex, std::string& origin,
                                 std::optional<std::size_t> from) {
    if (!from) from = origin_;
    const std::size_t drawn = from ? *from : static_cast<std::size_t>(Roll(female_.size()) - 1);
    const bool female = sex == "Female" || (sex != "Male" && Roll(2) == 1);
    const auto [given, surname] = DrawPair(female ? female_[drawn] : male_[drawn]);
    MarkDrawn(given, surname);
    origin = NameOrigins()[drawn].origin;
    return std::string(givenNames_[given]) + " " + std::string(surnames_[surname]);
}

std::string NameDrawer::DrawAlias() {
    const auto [adjective, noun] = DrawPair(aliases_);
    Use(aliases_, adjective, noun);  // the codenames' ids are their places
    return std::string(AliasAdjectives()[adjective]) + " " + std::string(AliasNouns()[noun]);
}

CharacterNames NameDrawer::Draw(std::string_view sex) {
    CharacterNames names;
    names.origin = fixedOrigin_;
    const bool keep = fixedName_ && (!fixedNameSex_ || *fixedNameSex_ == sex);
    names.name = keep ? *fixedName_ : DrawName(sex, names.origin, OriginIndex(fixedOrigin_));
    names.alias = fixedAlias_ ? *fixedAlias_ : DrawAlias();
    return names;
}

void NameDrawer::Name(const CharacterRecord& record, CharacterNames& names) {
    names = Draw(record.Text(Field::cboSex));
}

}  // namespace dossier
