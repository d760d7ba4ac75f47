#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/dice/dice.h"
#include "core/sheet/sheet_namer.h"
#include "naming/name_lists.h"

namespace dossier {

// A typed word as lists match it: in lower case, without blanks, hyphens or underscores.
std::string Folded(std::string_view text);

// The origin the typed text names, matched without regard to case, blanks, hyphens or
// underscores ("south-african" is "South African"), empty for "any"; nothing when it names none.
std::optional<std::string_view> FindOrigin(std::string_view typed);

// Draws names that suit the origin chosen, and codenames, from dice of its own: turning names
// on changes no other roll. Never derived from anything rolled but the sex, whose given names
// it takes. Within one drawer (a batch, a window's session) no full name and no codename comes
// twice while unused ones remain.
class NameDrawer final : public SheetNamer {
  public:
    // origin: one of NameOrigins(), or empty for any, each origin as likely as the next.
    explicit NameDrawer(Dice& dice, std::string_view origin = {});

    // For a character of this sex: the female or male names for "Female" or "Male", and for
    // anything else one of the two lists by the roll of a die.
    CharacterNames Draw(std::string_view sex);

    // A name (with the origin it came from) or alias the user gave, which stays while the rest
    // is drawn; nothing to draw it. A name kept for a character of keptForSex (a saved one)
    // stays only while the character keeps that sex: a new sex gets a name of its own, from
    // the same origin where it has one.
    void Fix(std::optional<std::string> name, std::optional<std::string> alias,
             std::string origin = {}, std::optional<std::string> keptForSex = {});

    void Name(const CharacterRecord& record, CharacterNames& names) override;

    // Draws from another origin (empty for any) from now on; what was drawn stays drawn.
    void SetOrigin(std::string_view origin);

  private:
    using Barred = std::unordered_set<std::uint64_t>;
    // Pairs of words, one from each side, every pair that may be drawn as likely as the next;
    // a pair comes again only once every pair of the table was drawn (a new round).
    struct Table {
        std::vector<std::uint32_t> first, second;             // ids of the texts
        std::vector<std::uint8_t> firstLength, secondLength;  // in characters
        const Barred* barred = nullptr;
        std::vector<bool> used;    // by first * second.size() + second
        std::size_t drawable = 0;  // pairs that fit and are not barred
        std::size_t left = 0;      // drawable pairs not drawn this round
        std::unordered_map<std::uint32_t, std::uint32_t> placeOfSecond;
    };
    static std::uint64_t Key(std::uint32_t first, std::uint32_t second) {
        return std::uint64_t{first} << 32 | second;
    }

    static std::optional<std::size_t> OriginIndex(std::string_view origin);
    int Roll(std::size_t sides);
    static bool Fits(std::size_t first, std::size_t second);  // lengths in characters
    static bool Drawable(const Table& table, std::size_t first, std::size_t second);
    static void Count(Table& table);
    // Marks the pair drawn in every table that holds it, so no other origin gives it again.
    void MarkDrawn(std::uint32_t first, std::uint32_t second);
    static void Use(Table& table, std::size_t first, std::size_t second);  // by places
    std::pair<std::uint32_t, std::uint32_t> DrawPair(Table& table);
    std::string DrawName(std::string_view sex, std::string& origin,
                         std::optional<std::size_t> from);
    std::string DrawAlias();

    Dice& dice_;
    std::optional<std::size_t> origin_;                    // an index of NameOrigins(), or any
    std::vector<std::string_view> givenNames_, surnames_;  // every text once, by its id
    std::vector<Table> female_, male_;                     // by origin
    Table aliases_;                                        // adjectives and nouns by index
    Barred famous_, neverAliases_;
    // Where each given name stands: the table (female_ then male_) and its place there.
    std::vector<std::vector<std::pair<std::uint32_t, std::uint32_t>>> placesOfGiven_;
    std::optional<std::string> fixedName_, fixedAlias_, fixedNameSex_;
    std::string fixedOrigin_;
};

}  // namespace dossier
