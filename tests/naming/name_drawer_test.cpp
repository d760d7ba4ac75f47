#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/dice/random_dice.h"
#include "naming/name_drawer.h"
#include "platform/utf8_text.h"

namespace dossier {
namespace {

// Printable in code page 1252, which the Windows sheet is written in.
bool InCp1252(std::string_view utf8) {
    const std::u32string_view extras = U"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at++]);
        char32_t c = lead < 0x80 ? lead : lead & (lead < 0xE0 ? 0x1F : 0x0F);
        while (at < utf8.size() && (utf8[at] & 0xC0) == 0x80) c = c << 6 | (utf8[at++] & 0x3F);
        if (!((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF) || extras.find(c) != extras.npos))
            return false;
    }
    return true;
}

TEST(NameDrawerTest, TheGivenNameFollowsTheSexAndTheSurnameItsForm) {
    const OriginNames& russian = *std::find_if(NameOrigins().begin(), NameOrigins().end(),
                                               [](auto& o) { return o.origin == "Russian"; });
    SeededDice dice(1);
    NameDrawer drawer(dice, "Russian");
    // The record's sex, and whether female and male names come of it.
    const std::tuple<const char*, bool, bool> rows[] = {
        {"Female", true, false}, {"Male", false, true}, {"Sex", true, true}, {"", true, true}};
    for (const auto& [sex, female, male] : rows) {
        bool sawFemale = false, sawMale = false;
        for (int i = 0; i < 200; ++i) {
            const std::string name = drawer.Draw(sex).name;
            const std::string given = name.substr(0, name.find(' ')),
                              surname = name.substr(name.find(' ') + 1);
            const bool isFemale = std::ranges::count(russian.female, given) > 0 &&
                                  std::ranges::count(russian.femaleSurnames, surname) > 0;
            const bool isMale = std::ranges::count(russian.male, given) > 0 &&
                                std::ranges::count(russian.maleSurnames, surname) > 0;
            ASSERT_TRUE(isFemale || isMale) << sex << ": " << name;
            sawFemale = sawFemale || isFemale;
            sawMale = sawMale || isMale;
        }
        EXPECT_EQ(std::pair(sawFemale, sawMale), std::pair(female, male)) << sex;
    }
}

TEST(NameDrawerTest, AnyOriginReachesEveryOneAndABatchRepeatsNothing) {
    SeededDice dice(2);
    NameDrawer drawer(dice);
    std::set<std::string> origins, names, aliases;
    for (int i = 0; i < 1000; ++i) {
        const CharacterNames drawn = drawer.Draw(i % 3 == 0 ? "Female" : i % 3 == 1 ? "Male" : "");
        origins.insert(drawn.origin);
        EXPECT_TRUE(names.insert(drawn.name).second) << drawn.name;
        EXPECT_TRUE(aliases.insert(drawn.alias).second) << drawn.alias;
        EXPECT_LE(CharacterCount(drawn.name), kLongestName) << drawn.name;
    }
    EXPECT_EQ(origins.size(), NameOrigins().size());
}

TEST(NameDrawerTest, OnceAllWereDrawnTheyComeRoundAgainAndStillFit) {
    SeededDice dice(3);
    NameDrawer drawer(dice, "Norwegian");  // 5,000 female names at most
    for (int i = 0; i < 70000; ++i) {      // past every codename, too
        const CharacterNames drawn = drawer.Draw("Female");
        ASSERT_LE(CharacterCount(drawn.name), kLongestName) << i << ": " << drawn.name;
    }
}

TEST(NameDrawerTest, EveryNameAndCodenameFitsTheSheetAndItsCodePage) {
    for (const OriginNames& o : NameOrigins())
        for (const auto list : {o.female, o.male, o.surnames, o.femaleSurnames, o.maleSurnames})
            for (const std::string_view name : list)
                EXPECT_TRUE(InCp1252(name) && CharacterCount(name) < kLongestName - 1)
                    << o.origin << ": " << name;
    for (const std::string_view adjective : AliasAdjectives()) {
        for (const std::string_view noun : AliasNouns()) {
            const std::string alias = std::string(adjective) + " " + std::string(noun);
            EXPECT_TRUE(alias.size() <= kLongestName &&
                        std::ranges::all_of(alias, [](char c) { return c >= ' ' && c <= '~'; }))
                << alias;
        }
    }
    EXPECT_EQ(FindOrigin("south-AFRICAN"), "South African");
}

}  // namespace
}  // namespace dossier
