#include "naming/name_drawer.h"

#include <algorithm>
#include <cctype>

#include "platform/utf8_text.h"

namespace dossier {

namespace {

std::string Folded(std::string_view text) {
    std::string folded;
    for (const char c : text)
        if (c != ' ' && c != '-' && c != '_')
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

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
        const auto surnames = [&](auto own) {
            std::vector<std::uint32_t> list = ids(own, surnames_, surnameIds);
            list.insert(list.end(), common.begin(), common.end());
            return list;
        };
        female_.push_back(
            {ids(names.female, givenNames_, givenIds), surnames(names.femaleSurnames)});
        male_.push_back({ids(names.male, givenNames_, givenIds), surnames(names.maleSurnames)});
    }
    usedNames_.resize(givenNames_.size() * surnames_.size());
    usedAliases_.resize(AliasAdjectives().size() * AliasNouns().size());
}

void NameDrawer::SetOrigin(std::string_view origin) {
    origin_.reset();
    const auto origins = NameOrigins();
    for (std::size_t i = 0; i < origins.size(); ++i)
        if (origins[i].origin == origin) origin_ = i;
}

int NameDrawer::Roll(std::size_t sides) {
    return dice_.DieRoll(static_cast<std::int16_t>(sides));
}

void NameDrawer::Fix(std::optional<std::string> name, std::optional<std::string> alias,
                     std::string origin) {
    fixedName_ = std::move(name);
    fixedAlias_ = std::move(alias);
    fixedOrigin_ = std::move(origin);
}

// The first pair of the list, from the one drawn on, that fits the sheet and was not drawn yet.
std::optional<std::size_t> NameDrawer::Unused(const List& list, std::size_t first) {
    const std::size_t pairs = list.given.size() * list.surnames.size();
    for (std::size_t step = 0; step < pairs; ++step) {
        const std::size_t pair = (first + step) % pairs;
        const std::uint32_t given = list.given[pair / list.surnames.size()];
        const std::uint32_t surname = list.surnames[pair % list.surnames.size()];
        const bool fits =
            CharacterCount(givenNames_[given]) + 1 + CharacterCount(surnames_[surname]) <=
            kLongestName;
        if (fits && !usedNames_[given * surnames_.size() + surname]) return pair;
    }
    return std::nullopt;
}

std::string NameDrawer::DrawName(std::string_view sex, std::string& origin) {
    const std::size_t origins = female_.size();
    std::size_t drawn = origin_ ? *origin_ : static_cast<std::size_t>(Roll(origins) - 1);
    const bool female = sex == "Female" || (sex != "Male" && Roll(2) == 1);
    const auto listOf = [&](std::size_t at) -> const List& {
        return female ? female_[at] : male_[at];
    };
    const List& list = listOf(drawn);
    const std::size_t given = static_cast<std::size_t>(Roll(list.given.size()) - 1);
    const std::size_t surname = static_cast<std::size_t>(Roll(list.surnames.size()) - 1);
    // Where that pair was drawn before, the next unused one; with "any", in the next origin
    // when one has no pair left. When none is left anywhere, names come round again.
    const std::size_t rolled = given * list.surnames.size() + surname;
    std::optional<std::size_t> pair = Unused(list, rolled);
    for (std::size_t other = 1; !pair && !origin_ && other < origins; ++other) {
        pair = Unused(listOf((drawn + other) % origins), 0);
        if (pair) drawn = (drawn + other) % origins;
    }
    if (!pair) {  // every name of the list that fits was drawn: they come round again
        for (const std::uint32_t id : list.given)
            for (const std::uint32_t other : list.surnames)
                usedNames_[id * surnames_.size() + other] = false;
        pair = Unused(list, rolled);
    }
    const List& from = listOf(drawn);
    const std::uint32_t givenId = from.given[*pair / from.surnames.size()];
    const std::uint32_t surnameId = from.surnames[*pair % from.surnames.size()];
    usedNames_[givenId * surnames_.size() + surnameId] = true;
    origin = NameOrigins()[drawn].origin;
    return std::string(givenNames_[givenId]) + " " + std::string(surnames_[surnameId]);
}

std::string NameDrawer::DrawAlias() {
    const auto adjectives = AliasAdjectives();
    const auto nouns = AliasNouns();
    std::size_t pair = static_cast<std::size_t>(Roll(adjectives.size()) - 1) * nouns.size() +
                       static_cast<std::size_t>(Roll(nouns.size()) - 1);
    if (aliasesDrawn_ == usedAliases_.size()) {  // every codename was drawn: a new round
        std::fill(usedAliases_.begin(), usedAliases_.end(), false);
        aliasesDrawn_ = 0;
    }
    while (usedAliases_[pair]) pair = (pair + 1) % usedAliases_.size();
    usedAliases_[pair] = true;
    ++aliasesDrawn_;
    return std::string(adjectives[pair / nouns.size()]) + " " +
           std::string(nouns[pair % nouns.size()]);
}

CharacterNames NameDrawer::Draw(std::string_view sex) {
    CharacterNames names;
    names.origin = fixedOrigin_;
    names.name = fixedName_ ? *fixedName_ : DrawName(sex, names.origin);
    names.alias = fixedAlias_ ? *fixedAlias_ : DrawAlias();
    return names;
}

void NameDrawer::Name(const CharacterRecord& record, CharacterNames& names) {
    names = Draw(record.Text(Field::cboSex));
}

}  // namespace dossier
