#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/dice/dice.h"
#include "core/sheet/sheet_namer.h"
#include "naming/name_lists.h"

namespace dossier {

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
    // is drawn; nothing to draw it.
    void Fix(std::optional<std::string> name, std::optional<std::string> alias,
             std::string origin = {});

    void Name(const CharacterRecord& record, CharacterNames& names) override;

    // Draws from another origin (empty for any) from now on; what was drawn stays drawn.
    void SetOrigin(std::string_view origin);

  private:
    struct List {
        std::vector<std::uint32_t> given;     // ids of the given names
        std::vector<std::uint32_t> surnames;  // ids of the surnames they go with
    };
    int Roll(std::size_t sides);
    std::optional<std::size_t> Unused(const List& list, std::size_t first);
    std::string DrawName(std::string_view sex, std::string& origin);
    std::string DrawAlias();

    Dice& dice_;
    std::optional<std::size_t> origin_;                    // an index of NameOrigins(), or any
    std::vector<std::string_view> givenNames_, surnames_;  // every text once, by its id
    std::vector<List> female_, male_;                      // by origin
    // Which full names and codenames were drawn: a bit for each given name and surname pair.
    std::vector<bool> usedNames_, usedAliases_;
    std::size_t aliasesDrawn_ = 0;
    std::optional<std::string> fixedName_, fixedAlias_;
    std::string fixedOrigin_;
};

}  // namespace dossier
