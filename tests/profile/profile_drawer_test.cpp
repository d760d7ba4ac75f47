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
CharacterProfile DrawWith(std::deque<int> rolls, const char* role = nullptr) {
    static QueuedDice dice;
    static ProfileDrawer drawer(dice);
    dice.queued = std::move(rolls);
    dice.sides.clear();
    drawer.SetRole(role != nullptr ? FindRole(role) : std::nullopt);
    CharacterProfile profile = drawer.Draw("Female", {"Ada Lind", "Grey Heron", "Swedish"});
    const auto after = dice.sides.begin() + (role == nullptr ? 1 : 0);  // the role's d100
    EXPECT_EQ(std::vector(after, after + 7), (std::vector<int>{20, 15, 50, 10, 60, 210, 10}));
    EXPECT_TRUE(role != nullptr || dice.sides.front() == 100);
    return profile;
}

TEST(ProfileDrawerTest, TheRoleTableAtItsEdges) {
    const std::pair<int, const char*> rows[] = {
        {1, "Handler"}, {7, "Handler"},  {8, "Agent"},     {26, "Cutout"},   {64, "Informant"},
        {65, "Mole"},   {97, "Sleeper"}, {98, "Defector"}, {100, "Defector"}};
    for (const auto& [roll, role] : rows) EXPECT_EQ(DrawWith({roll}).role, role) << roll;
}

TEST(ProfileDrawerTest, TheMotiveAndLoyaltyLeanByRole) {
    // The role, a roll of the motive's d20 (the loyalty's d10 gets the same, less 10 over 10),
    // and what they give.
    const std::tuple<const char*, int, const char*, const char*> rows[] = {
        {"Informant", 6, "Money", "Wavering"},
        {"Informant", 7, "Money", "Steady"},
        {"Informant", 10, "Money", "Unshakeable"},
        {"Informant", 11, "Money", nullptr},
        {"Informant", 12, "Ideology", nullptr},
        {"Informant", 14, "Coercion", nullptr},
        {"Informant", 19, "Ego", nullptr},
        {"Handler", 1, "Money", "Wavering"},
        {"Handler", 4, "Ideology", "Steady"},
        {"Handler", 7, "Ideology", "Unshakeable"},
        {"Handler", 14, "Coercion", nullptr},
        {"Mole", 15, "Ego", nullptr},
        {"Sleeper", 20, "Ego", nullptr}};
    for (const auto& [role, roll, motive, loyalty] : rows) {
        const CharacterProfile profile = DrawWith({roll, 1, 1, (roll - 1) % 10 + 1}, role);
        EXPECT_EQ(profile.motive, motive) << role << " " << roll;
        EXPECT_TRUE(loyalty == nullptr || profile.loyalty == loyalty) << role << " " << roll;
    }
    for (const std::string_view role : kRoles) {  // every role can have every motive and loyalty
        std::set<std::string> motives, loyalties;
        for (int roll = 1; roll <= 20; ++roll) {
            const CharacterProfile profile =
                DrawWith({roll, 1, 1, (roll - 1) % 10 + 1}, std::string(role).c_str());
            motives.insert(profile.motive);
            loyalties.insert(profile.loyalty);
        }
        EXPECT_EQ(motives.size() * 10 + loyalties.size(), 43U) << role;
    }
}

TEST(ProfileDrawerTest, EachLineComesFromItsOwnList) {
    const CharacterProfile p = DrawWith({14, 1, 1, 1, 1, 1, 10}, "Handler");
    const std::vector<std::string> drawn = {p.motive,    p.motiveDetail,     p.leverage,
                                            p.mannerism, p.cover.occupation, p.cover.status};
    EXPECT_EQ(drawn, (std::vector<std::string>{
                         "Coercion", "A forged confession that could end a career",
                         "Gambling debts held by the wrong people",
                         "Taps a pen twice before answering any question", "Accountant", "Blown"}));
    EXPECT_EQ(DrawWith({1, 1, 1, 1, 1, 1, 6}, "Mole").cover.status, "Solid");
    EXPECT_EQ(DrawWith({1, 1, 1, 1, 1, 1, 7}, "Mole").cover.status, "Thin");
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
    EXPECT_NE(draw("Female", {first.cover.name, "", ""}).cover.name, first.cover.name)
        << "never the character's own name";
}

TEST(ProfileDrawerTest, AKeptProfileStaysAndItsCoverFollowsANewSex) {
    SeededDice dice(2);
    ProfileDrawer drawer(dice);
    const CharacterProfile kept = drawer.Draw("Female", {"Ada Lind", "", ""});
    drawer.Keep(kept, "Female");
    CharacterProfile profile;
    drawer.Profile("Female", {"Ada Lind", "", ""}, profile);
    EXPECT_EQ(profile, kept);
    for (const auto& [sex, name] :
         {std::pair<std::string, std::string>{"Male", "Ada Lind"}, {"Female", kept.cover.name}}) {
        drawer.Profile(sex, {name, "", ""}, profile);
        EXPECT_NE(profile.cover.name, kept.cover.name) << sex;
        profile.cover.name = kept.cover.name;
        EXPECT_EQ(profile, kept) << sex;
    }
}

TEST(ProfileDrawerTest, ARoleIsFoundWhateverItsCaseBlanksAndHyphens) {
    const std::pair<const char*, std::optional<std::size_t>> rows[] = {{"safe house keeper", 4},
                                                                       {"TALENT-SPOTTER", 7},
                                                                       {"Handler", 0},
                                                                       {"boss", std::nullopt},
                                                                       {"", std::nullopt}};
    for (const auto& [typed, role] : rows) EXPECT_EQ(FindRole(typed), role) << typed;
}

}  // namespace
}  // namespace dossier
