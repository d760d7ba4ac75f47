#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <set>
#include <span>

#include "core/dice/random_dice.h"
#include "naming/name_drawer.h"
#include "platform/utf8_text.h"
#include "support/queued_dice.h"
#include "support/scripted_dice.h"

namespace dossier {
namespace {

// The 1-based place of a word in a list, for scripting the roll that picks it.
int PlaceOf(std::span<const std::string_view> list, std::string_view word) {
    return static_cast<int>(std::ranges::find(list, word) - list.begin()) + 1;
}

const OriginNames& Origin(std::string_view origin) {
    return *std::ranges::find(NameOrigins(), origin, &OriginNames::origin);
}

TEST(NameDrawerTest, TheGivenNameFollowsTheSexAndTheSurnameItsForm) {
    const OriginNames& russian = Origin("Russian");
    SeededDice dice(1);
    NameDrawer drawer(dice, "Russian");
    const auto has = [](auto list, std::string_view word) {
        return std::ranges::count(list, word);
    };
    // The record's sex, and whether female and male names come of it.
    const std::tuple<const char*, bool, bool> rows[] = {
        {"Female", true, false}, {"Male", false, true}, {"Sex", true, true}, {"", true, true}};
    for (const auto& [sex, female, male] : rows) {
        std::set<bool> women;  // whether each name drawn was a woman's
        for (int i = 0; i < 200; ++i) {
            const std::string name = drawer.Draw(sex).name;
            const std::string given = name.substr(0, name.find(' ')),
                              surname = name.substr(name.find(' ') + 1);
            const bool woman = has(russian.female, given) && has(russian.femaleSurnames, surname);
            ASSERT_TRUE(woman || (has(russian.male, given) && has(russian.maleSurnames, surname)))
                << sex << ": " << name;
            women.insert(woman);
        }
        EXPECT_EQ(std::pair(women.contains(true), women.contains(false)), std::pair(female, male));
    }
}

// A pair drawn before, a famous full name or a barred codename is rolled again: the next
// pair is the one rolled, never the next one in the list's order.
TEST(NameDrawerTest, AClashRollsAgainSoEveryPairStaysAsLikelyAsTheNext) {
    const OriginNames& american = Origin("American");
    const int jack = PlaceOf(american.male, "Jack"), ryan = PlaceOf(american.surnames, "Ryan");
    const int silver = PlaceOf(AliasAdjectives(), "Silver"), fox = PlaceOf(AliasNouns(), "Fox");
    const auto sides = [](auto list) { return static_cast<std::int16_t>(list.size()); };
    const std::int16_t given = sides(american.male), surnames = sides(american.surnames);
    const std::int16_t adjectives = sides(AliasAdjectives()), nouns = sides(AliasNouns());
    ScriptedDice dice;
    NameDrawer drawer(dice, "American");
    // Each row: the name's rolls, the codename's rolls, and what is drawn.
    const std::tuple<std::vector<int>, std::vector<int>, const char*, const char*> rows[] = {
        {{1, 1}, {1, 1}, "Aaron Abbott", "Ancient Acorn"},
        {{1, 1, 2, 3}, {1, 1, 3, 2}, "Abdiel Abshire", "Ardent Albatross"},
        {{jack, ryan, 3, 1}, {silver, fox, 1, 2}, "Abdul Abbott", "Ancient Albatross"},
    };
    for (const auto& [name, alias, expectedName, expectedAlias] : rows) {
        for (std::size_t i = 0; i < name.size(); ++i)
            dice.Add(i % 2 == 0 ? given : surnames, name[i]);
        for (std::size_t i = 0; i < alias.size(); ++i)
            dice.Add(i % 2 == 0 ? adjectives : nouns, alias[i]);
        const CharacterNames drawn = drawer.Draw("Male");
        EXPECT_EQ(drawn.name, expectedName);
        EXPECT_EQ(drawn.alias, expectedAlias);
        EXPECT_EQ(dice.Remaining(), 0u);
    }
}

// "Any" picks the origin first, each as likely as the next, at every point of a batch: an
// origin whose names ran out comes round again instead of handing its share to another. Until
// then no name and no codename comes twice.
TEST(NameDrawerTest, AnyGivesEveryOriginTheSameShareEvenAfterSmallOnesRanOut) {
    SeededDice dice(4);
    NameDrawer drawer(dice);
    const std::size_t origins = NameOrigins().size();
    const std::size_t batch = 1000 * origins;
    std::set<std::string> seen;
    for (int round = 0; round < 12; ++round) {  // Norwegian's 5,000 male names run out twice
        std::map<std::string, std::size_t> count;
        for (std::size_t i = 0; i < batch; ++i) {
            const CharacterNames drawn = drawer.Draw("Male");
            ASSERT_LE(CharacterCount(drawn.name), kLongestName) << drawn.name;
            ++count[drawn.origin];
            for (const std::string& text : {drawn.name, drawn.alias})
                EXPECT_TRUE(round > 0 || seen.insert(text).second) << text;
        }
        if (round != 0 && round != 11) continue;
        ASSERT_EQ(count.size(), origins);
        for (const auto& [origin, drawn] : count)
            EXPECT_TRUE(drawn > 880 && drawn < 1120) << round << ' ' << origin << ' ' << drawn;
    }
}

// "Anna Hansen" is German and Norwegian: Norwegian coming round again makes it new there
// only, and German, which drew it, rolls again.
TEST(NameDrawerTest, AListComingRoundAgainLetsNoOtherRepeatEarly) {
    const OriginNames& german = Origin("German");
    const std::deque<int> annaHansen = {PlaceOf(german.female, "Anna"),
                                        PlaceOf(german.surnames, "Hansen")};
    QueuedDice dice;
    NameDrawer drawer(dice, "German");
    dice.queued = annaHansen;
    EXPECT_EQ(drawer.Draw("Female").name, "Anna Hansen");
    drawer.SetOrigin("Norwegian");
    std::set<std::string> drawn = {"Anna Hansen"};  // until Norwegian comes round again
    while (drawn.insert(drawer.Draw("Female").name).second) continue;
    drawer.SetOrigin("German");
    dice.queued = annaHansen;
    dice.queued.insert(dice.queued.end(), {1, 1});
    EXPECT_EQ(drawer.Draw("Female").name, "Aaliyah Abel");
}

TEST(NameDrawerTest, AnOriginIsFoundWhateverItsCaseBlanksAndHyphens) {
    EXPECT_EQ(FindOrigin("south-AFRICAN"), "South African");
    EXPECT_EQ(FindOrigin("Ukrainian"), "Ukrainian");
    EXPECT_EQ(FindOrigin("KOREAN"), "Korean");
}

}  // namespace
}  // namespace dossier
