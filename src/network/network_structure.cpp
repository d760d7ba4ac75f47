#include "network/network_structure.h"

#include <array>
#include <numeric>
#include <span>
#include <string_view>

#include "core/sheet/character_profile.h"

namespace dossier {

namespace {

// Places in kRoles.
enum Role : std::size_t {
    kHandler = 0,
    kAgent = 1,
    kCutout = 2,
    kCourier = 3,
    kKeeper = 4,
    kInformant = 5,
    kMole = 6,
    kSpotter = 7,
    kWatcher = 8,
    kSpecialist = 9,
    kSleeper = 10,
    kDefector = 11,
};
static_assert(kRoles[kCutout] == "Cutout" && kRoles[kKeeper] == "Safe-House Keeper" &&
              kRoles[kMole] == "Mole" && kRoles[kSpotter] == "Talent Spotter" &&
              kRoles[kDefector] == "Defector");

// The field's roles and their odds out of 27; a network has one talent spotter at most.
constexpr std::array<std::pair<Role, int>, 7> kFieldRoles = {{{kAgent, 10},
                                                              {kInformant, 5},
                                                              {kWatcher, 4},
                                                              {kSpecialist, 3},
                                                              {kSpotter, 2},
                                                              {kSleeper, 2},
                                                              {kDefector, 1}}};

constexpr std::string_view kServingContacts[] = {"meeting", "brush pass", "phone", "signal"};
constexpr std::string_view kCutoutContacts[] = {"meeting", "phone", "signal"};
constexpr std::string_view kHandlerContacts[] = {"meeting", "dead drop", "brush pass", "signal",
                                                 "phone"};
constexpr std::string_view kCellContacts[] = {"dead drop", "brush pass", "signal", "meeting"};
constexpr std::string_view kRecruitingContacts[] = {"meeting", "phone", "signal"};
constexpr std::string_view kSecretContacts[] = {"dead drop", "signal", "phone", "brush pass"};

// One member as drawn, before the ids are given: its role and its superior's place.
struct Drawn {
    std::size_t role;
    std::size_t superior;
};
constexpr std::size_t kNoSuperior = static_cast<std::size_t>(-1);

class StructureDrawer {
  public:
    explicit StructureDrawer(Dice& dice) : dice_(dice) {}

    NetworkStructure Draw(int size, std::optional<std::size_t> wanted) {
        const auto wants = [&](Role role) { return wanted == role; };
        drawn_.push_back({kHandler, kNoSuperior});
        // Those who serve the handler, once the network is large enough to need them.
        const bool courier = size >= 4 || wants(kCourier);
        const bool keeper = size >= 5 || wants(kKeeper);
        int cutouts = size >= 12 ? 1 + (size - 12) / 8 : size >= 8 && Roll(3) == 1 ? 1 : 0;
        if (wants(kCutout) && cutouts == 0) cutouts = 1;
        const bool mole = wants(kMole) || (size >= 6 && Roll(2) == 1);
        const int field = size - 1 - courier - keeper - cutouts - mole;
        if (courier) drawn_.push_back({kCourier, 0});
        if (keeper) drawn_.push_back({kKeeper, 0});
        std::vector<std::size_t> cutoutPlaces;
        for (int c = 0; c < cutouts; ++c) {
            cutoutPlaces.push_back(drawn_.size());
            drawn_.push_back({kCutout, 0});
        }
        // The handler meets two of the field at most once there are cutouts; the rest are
        // dealt to the cutouts' cells in turn.
        const int direct = cutouts == 0 ? field : std::max(0, std::min(2, field - cutouts));
        bool spotter = false;
        for (int f = 0; f < field; ++f) {
            const std::size_t superior =
                f < direct
                    ? 0
                    : cutoutPlaces[static_cast<std::size_t>(f - direct) % cutoutPlaces.size()];
            const Role role = FieldRole(spotter);
            spotter = spotter || role == kSpotter;
            drawn_.push_back({role, superior});
        }
        // A field role asked for and not drawn goes to the last of the field.
        if (wanted && *wanted != kMole && !HasRole(*wanted)) drawn_.back().role = *wanted;
        if (mole) {
            const bool throughCutout = cutouts > 0 && Roll(3) == 1;
            drawn_.push_back({kMole, throughCutout
                                         ? cutoutPlaces[static_cast<std::size_t>(Roll(cutouts) - 1)]
                                         : 0});
        }
        return Linked();
    }

  private:
    int Roll(int sides) { return dice_.DieRoll(static_cast<std::int16_t>(sides)); }
    template <std::size_t N>
    std::string_view OneOf(const std::string_view (&contacts)[N]) {
        return contacts[static_cast<std::size_t>(Roll(N) - 1)];
    }
    Role FieldRole(bool spotterDrawn) {
        int total = 0;
        for (const auto& [role, weight] : kFieldRoles)
            total += role == kSpotter && spotterDrawn ? 0 : weight;
        int roll = Roll(total);
        for (const auto& [role, weight] : kFieldRoles) {
            const int odds = role == kSpotter && spotterDrawn ? 0 : weight;
            if (roll <= odds) return role;
            roll -= odds;
        }
        return kAgent;
    }
    bool HasRole(std::size_t role) const {
        for (const Drawn& one : drawn_)
            if (one.role == role) return true;
        return false;
    }

    // Ids in the order a reader takes the chart in: the handler, those the handler meets, then
    // each cutout's cell; then the links.
    NetworkStructure Linked() {
        std::vector<std::size_t> order{0};
        for (std::size_t next = 0; next < order.size(); ++next) {
            for (std::size_t m = 0; m < drawn_.size(); ++m)
                if (drawn_[m].superior == order[next] && drawn_[m].role != kCutout)
                    order.push_back(m);
            for (std::size_t m = 0; m < drawn_.size(); ++m)
                if (drawn_[m].superior == order[next] && drawn_[m].role == kCutout)
                    order.push_back(m);
        }
        std::vector<int> id(drawn_.size());
        for (std::size_t i = 0; i < order.size(); ++i) id[order[i]] = static_cast<int>(i + 1);

        NetworkStructure structure;
        structure.links.resize(drawn_.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            structure.roles.push_back(drawn_[order[i]].role);
        for (std::size_t i = 1; i < order.size(); ++i) {
            const Drawn& member = drawn_[order[i]];
            const bool toHandler = member.superior == 0;
            const bool serving = member.role == kCourier || member.role == kKeeper;
            const std::string_view contact = serving                  ? OneOf(kServingContacts)
                                             : member.role == kCutout ? OneOf(kCutoutContacts)
                                             : toHandler              ? OneOf(kHandlerContacts)
                                                                      : OneOf(kCellContacts);
            // Who is run knows the runner's true name only now and then; the handler's only
            // when meeting the handler.
            const int knowing = !toHandler ? 4 : serving || member.role == kCutout ? 2 : 3;
            const int superior = id[member.superior];
            structure.links[i].push_back({.to = superior,
                                          .kind = std::string(serving ? kServes : kReportsTo),
                                          .contact = std::string(contact),
                                          .knowsTrueName = Roll(knowing) == 1});
            structure.links[static_cast<std::size_t>(superior - 1)].push_back(
                {.to = static_cast<int>(i + 1),
                 .kind = std::string(kRuns),
                 .contact = std::string(contact),
                 .knowsTrueName = true});
        }
        // A talent spotter found some of the field and the mole; a recruit in a cell was
        // found through its cutout.
        std::optional<std::size_t> spotter;
        for (std::size_t i = 0; i < order.size(); ++i)
            if (structure.roles[i] == kSpotter) spotter = i;
        if (spotter) {
            for (std::size_t i = 0; i < order.size(); ++i) {
                const Drawn& member = drawn_[order[i]];
                const bool found = member.role != kCourier && member.role != kKeeper &&
                                   member.role != kCutout && member.role != kHandler;
                if (i == *spotter || !found || Roll(3) != 1) continue;
                const bool inCell = member.superior != 0;
                structure.links[i].push_back(
                    {.to = static_cast<int>(*spotter + 1),
                     .kind = std::string(kRecruitedBy),
                     .contact =
                         std::string(inCell ? kThroughTheCutout : OneOf(kRecruitingContacts)),
                     .knowsTrueName = !inCell && Roll(2) == 1});
            }
        }
        // Now and then one member works for the other side as well.
        if (order.size() >= 4 && Roll(3) == 1) {
            const auto turned = static_cast<std::size_t>(Roll(static_cast<int>(order.size()) - 1));
            structure.links[turned].push_back({.to = kOtherSide,
                                               .kind = std::string(kReportsSecretlyTo),
                                               .contact = std::string(OneOf(kSecretContacts)),
                                               .knowsTrueName = false});
        }
        return structure;
    }

    Dice& dice_;
    std::vector<Drawn> drawn_;
};

}  // namespace

NetworkStructure DrawNetworkStructure(int size, Dice& dice, std::optional<std::size_t> role) {
    return StructureDrawer(dice).Draw(size, role);
}

}  // namespace dossier
