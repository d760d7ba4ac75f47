#include <gtest/gtest.h>

#include <set>

#include "core/dice/random_dice.h"
#include "profile/profile_drawer.h"
#include "profile/profile_tables.h"
#include "support/queued_dice.h"

namespace dossier {
namespace {

// One profile drawn with its first rolls queued: role (unless fixed), motive, motive detail,
// leverage, loyalty, mannerism, occupation, status, then the cover name's. One drawer for all,
// as its name tables take a while to build.
CharacterProfile DrawWith(std::deque<int> rolls, const char* role = nullptr,
                          std::vector<int>* sides = nullptr) {
    static QueuedDice dice;
    static ProfileDrawer drawer(dice);
    dice.queued = std::move(rolls);
    dice.sides.clear();
    drawer.SetRole(role != nullptr ? FindRole(role) : std::nullopt);
    CharacterProfile profile = drawer.Draw("Female", {"Ada Lind", "Grey Heron", "Swedish"});
    if (sides != nullptr) *sides = dice.sides;
    return profile;
}

TEST(ProfileDrawerTest, TheRoleTableAtItsEdges) {
    const std::pair<int, const char*> rows[] = {{1, "Handler"},
                                                {7, "Handler"},
                                                {8, "Agent"},
                                                {25, "Agent"},
                                                {26, "Cutout"},
                                                {43, "Courier"},
                                                {44, "Safe-House Keeper"},
                                                {50, "Safe-House Keeper"},
                                                {51, "Informant"},
                                                {64, "Informant"},
                                                {65, "Mole"},
                                                {70, "Talent Spotter"},
                                                {85, "Watcher"},
                                                {93, "Specialist"},
                                                {94, "Sleeper"},
                                                {98, "Defector"},
                                                {100, "Defector"}};
    for (const auto& [roll, role] : rows) EXPECT_EQ(DrawWith({roll}).role, role) << roll;
    std::vector<int> sides;
    DrawWith({}, nullptr, &sides);
    EXPECT_EQ(std::vector<int>(sides.begin(), sides.begin() + 6),
              (std::vector<int>{100, 20, 15, 50, 10, 60}));
}

TEST(ProfileDrawerTest, TheMotiveAndLoyaltyLeanByRole) {
    struct Row {
        const char* role;
        int roll;
        const char* motive;
        const char* loyalty;  // for the same roll on the loyalty's d10, where it reaches
    };
    const Row rows[] = {
        {"Informant", 1, "Money", "Wavering"},  {"Informant", 6, "Money", "Wavering"},
        {"Informant", 7, "Money", "Steady"},    {"Informant", 10, "Money", "Unshakeable"},
        {"Informant", 11, "Money", nullptr},    {"Informant", 13, "Ideology", nullptr},
        {"Informant", 14, "Coercion", nullptr}, {"Informant", 18, "Coercion", nullptr},
        {"Informant", 19, "Ego", nullptr},      {"Handler", 1, "Money", "Wavering"},
        {"Handler", 2, "Money", "Steady"},      {"Handler", 3, "Money", "Steady"},
        {"Handler", 4, "Ideology", "Steady"},   {"Handler", 7, "Ideology", "Unshakeable"},
        {"Handler", 14, "Coercion", nullptr},   {"Handler", 15, "Ego", nullptr},
        {"Mole", 6, "Ideology", nullptr},       {"Mole", 15, "Ego", nullptr},
        {"Sleeper", 20, "Ego", nullptr}};
    for (const Row& row : rows) {
        const CharacterProfile profile = DrawWith({row.roll, 1, 1, row.roll}, row.role);
        EXPECT_EQ(profile.role, row.role);
        EXPECT_EQ(profile.motive, row.motive) << row.role << " " << row.roll;
        if (row.loyalty != nullptr) {
            EXPECT_EQ(profile.loyalty, row.loyalty) << row.role << " " << row.roll;
        }
    }
    // Every role can have every motive and every loyalty.
    for (const std::string_view role : kRoles) {
        std::set<std::string> motives, loyalties;
        for (int roll = 1; roll <= 20; ++roll) {
            const CharacterProfile profile =
                DrawWith({roll, 1, 1, (roll - 1) % 10 + 1}, std::string(role).c_str());
            motives.insert(profile.motive);
            loyalties.insert(profile.loyalty);
        }
        EXPECT_EQ(motives.size(), 4U) << role;
        EXPECT_EQ(loyalties.size(), 3U) << role;
    }
}

TEST(ProfileDrawerTest, EachLineComesFromItsOwnList) {
    const CharacterProfile coerced = DrawWith({14, 1, 1, 1, 1, 1, 10}, "Handler");
    EXPECT_EQ(coerced.motive, "Coercion");
    EXPECT_EQ(coerced.motiveDetail, "A forged confession that could end a career");
    EXPECT_EQ(coerced.leverage, "Gambling debts held by the wrong people");
    EXPECT_EQ(coerced.mannerism, "Taps a pen twice before answering any question");
    EXPECT_EQ(coerced.cover.occupation, "Accountant");
    EXPECT_EQ(coerced.cover.status, "Blown");
    const std::pair<int, const char*> statuses[] = {{6, "Solid"}, {7, "Thin"}, {9, "Thin"}};
    for (const auto& [roll, status] : statuses)
        EXPECT_EQ(DrawWith({1, 1, 1, 1, 1, 1, 1, roll}).cover.status, status) << roll;
}

TEST(ProfileDrawerTest, TheSameDiceGiveTheSameProfileWhoeverItIsFor) {
    const auto draw = [](std::string_view sex, const CharacterNames& names) {
        SeededDice dice(11);
        ProfileDrawer drawer(dice);
        drawer.Draw(sex, names);  // a second profile, so that the cover drawer has a history
        return drawer.Draw(sex, names);
    };
    const CharacterProfile first = draw("Female", {"Ada Lind", "Grey Heron", "Swedish"});
    EXPECT_EQ(draw("Female", {"Rui Costa", "", "Portuguese"}), first);
    CharacterProfile male = draw("Male", {"Ada Lind", "Grey Heron", "Swedish"});
    EXPECT_NE(male.cover.name, first.cover.name);
    male.cover.name = first.cover.name;
    EXPECT_EQ(male, first) << "only the cover's name follows the sex";
    // Never the character's own name: the drawer rolls again.
    const CharacterProfile own = draw("Female", {first.cover.name, "", ""});
    EXPECT_NE(own.cover.name, first.cover.name);
}

TEST(ProfileDrawerTest, AKeptProfileStaysAndItsCoverFollowsANewSex) {
    SeededDice dice(2);
    ProfileDrawer drawer(dice);
    const CharacterNames names{"Ada Lind", "", ""};
    const CharacterProfile kept = drawer.Draw("Female", names);
    drawer.Keep(kept, "Female");
    CharacterProfile profile;
    drawer.Profile("Female", names, profile);
    EXPECT_EQ(profile, kept);
    drawer.Profile("Male", names, profile);
    EXPECT_NE(profile.cover.name, kept.cover.name);
    profile.cover.name = kept.cover.name;
    EXPECT_EQ(profile, kept);
    drawer.Profile("Female", {kept.cover.name, "", ""}, profile);
    EXPECT_NE(profile.cover.name, kept.cover.name);
}

TEST(ProfileDrawerTest, ARoleIsFoundWhateverItsCaseBlanksAndHyphens) {
    const std::pair<const char*, std::optional<std::size_t>> rows[] = {
        {"safe house keeper", 4}, {"SAFEHOUSE-KEEPER", 4},
        {"talent_spotter", 7},    {"mole", 6},
        {"Handler", 0},           {"boss", std::nullopt},
        {"", std::nullopt},       {"Mole Hunter", std::nullopt}};
    for (const auto& [typed, role] : rows) EXPECT_EQ(FindRole(typed), role) << typed;
}

}  // namespace
}  // namespace dossier
