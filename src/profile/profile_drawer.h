#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/dice/dice.h"
#include "core/sheet/sheet_profiler.h"
#include "profile/cover_names.h"

namespace dossier {

// Draws profiles from dice of its own: turning profiles on changes no other roll. Nothing of a
// profile follows from the body: the same dice give the same profile to any character but for
// the cover's given name, which suits the sex. Cover names come from every origin, none twice
// in one drawer while unused ones remain, and never the character's own name.
class ProfileDrawer final : public SheetProfiler {
  public:
    explicit ProfileDrawer(Dice& dice);

    CharacterProfile Draw(std::string_view sex, const CharacterNames& names);
    // The same into a profile kept from before, whose space is used again.
    void Draw(std::string_view sex, const CharacterNames& names, CharacterProfile& profile);

    // One item of the profile drawn again, as Draw draws it (a motive with its detail, the cover
    // whole); the rest stays.
    enum class Item { Role, Motive, Leverage, Loyalty, Mannerism, Cover };
    void Redraw(Item item, std::string_view sex, const CharacterNames& names,
                CharacterProfile& profile);

    // Every profile from now on has this role, by its place in kRoles; any with nothing.
    void SetRole(std::optional<std::size_t> role) { role_ = role; }

    // A profile the next sheets keep (a saved character's), or nothing to draw. One kept for a
    // character of keptForSex gets a new cover name if the sex changes or the character's own
    // name becomes the cover's.
    void Keep(std::optional<CharacterProfile> profile, std::optional<std::string> keptForSex = {});

    void Profile(std::string_view sex, const CharacterNames& names,
                 CharacterProfile& profile) override;

  private:
    std::size_t Weighted(std::span<const int> weights);
    std::string_view AnyOf(std::span<const std::string_view> lines);

    Dice& dice_;
    CoverNames covers_;
    std::optional<std::size_t> role_;
    std::optional<CharacterProfile> kept_;
    std::optional<std::string> keptForSex_;
};

}  // namespace dossier
