#include "profile/profile_drawer.h"

#include <numeric>

#include "profile/profile_lists.h"
#include "profile/profile_tables.h"

namespace dossier {

ProfileDrawer::ProfileDrawer(Dice& dice) : dice_(dice) {}

std::size_t ProfileDrawer::Weighted(std::span<const int> weights) {
    int roll = dice_.DieRoll(
        static_cast<std::int16_t>(std::accumulate(weights.begin(), weights.end(), 0)));
    std::size_t i = 0;
    while (roll > weights[i]) roll -= weights[i++];
    return i;
}

std::string_view ProfileDrawer::AnyOf(std::span<const std::string_view> lines) {
    return lines[static_cast<std::size_t>(dice_.DieRoll(static_cast<std::int16_t>(lines.size())) -
                                          1)];
}

CharacterProfile ProfileDrawer::Draw(std::string_view sex, const CharacterNames& names) {
    CharacterProfile profile;
    Draw(sex, names, profile);
    return profile;
}

void ProfileDrawer::Draw(std::string_view sex, const CharacterNames& names,
                         CharacterProfile& profile) {
    const std::size_t role = role_ ? *role_ : Weighted(RoleWeights());
    const RoleLeanings& leanings = LeaningsOf(role);
    const std::size_t motive = Weighted(leanings.motives);
    profile.role = kRoles[role];
    profile.motive = kMotives[motive];
    profile.motiveDetail = AnyOf(MotiveDetails(motive));
    profile.leverage = AnyOf(LeverageLines());
    profile.loyalty = kLoyalties[Weighted(leanings.loyalties)];
    profile.mannerism = AnyOf(Mannerisms());
    profile.cover.occupation = AnyOf(Occupations());
    profile.cover.status = kCoverStatuses[Weighted(CoverStatusWeights())];
    // Last, as the only draw that depends on the sex: every roll before it is the same for
    // any character.
    covers_.Draw(dice_, sex, names.name, profile.cover.name);
}

void ProfileDrawer::Redraw(Item item, std::string_view sex, const CharacterNames& names,
                           CharacterProfile& profile) {
    const std::size_t role = FindRole(profile.role).value_or(0);
    switch (item) {
        case Item::Role:
            profile.role = kRoles[Weighted(RoleWeights())];
            return;
        case Item::Motive: {
            const std::size_t motive = Weighted(LeaningsOf(role).motives);
            profile.motive = kMotives[motive];
            profile.motiveDetail = AnyOf(MotiveDetails(motive));
            return;
        }
        case Item::Leverage:
            profile.leverage = AnyOf(LeverageLines());
            return;
        case Item::Loyalty:
            profile.loyalty = kLoyalties[Weighted(LeaningsOf(role).loyalties)];
            return;
        case Item::Mannerism:
            profile.mannerism = AnyOf(Mannerisms());
            return;
        case Item::Cover:
            profile.cover.occupation = AnyOf(Occupations());
            profile.cover.status = kCoverStatuses[Weighted(CoverStatusWeights())];
            covers_.Draw(dice_, sex, names.name, profile.cover.name);
            return;
    }
}

void ProfileDrawer::Keep(std::optional<CharacterProfile> profile,
                         std::optional<std::string> keptForSex) {
    kept_ = std::move(profile);
    keptForSex_ = std::move(keptForSex);
}

void ProfileDrawer::Profile(std::string_view sex, const CharacterNames& names,
                            CharacterProfile& profile) {
    if (!kept_) {
        Draw(sex, names, profile);
        return;
    }
    profile = *kept_;
    if ((keptForSex_ && *keptForSex_ != sex) || profile.cover.name == names.name)
        covers_.Draw(dice_, sex, names.name, profile.cover.name);
}

}  // namespace dossier
