#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/dice/random_dice.h"
#include "naming/name_drawer.h"
#include "platform/utf8_text.h"

namespace dossier {
namespace {

bool Among(std::span<const std::string_view> list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

// Printable in code page 1252, which the Windows sheet is written in.
bool InCp1252(std::string_view utf8) {
    const std::u32string_view extras = U"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t i = 1; i < length; ++i) c = c << 6 | (utf8[at + i] & 0x3F);
        at += length;
        if (!((c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF) ||
              extras.find(c) != std::u32string_view::npos))
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
            const bool isFemale =
                Among(russian.female, given) && Among(russian.femaleSurnames, surname);
            const bool isMale = Among(russian.male, given) && Among(russian.maleSurnames, surname);
            ASSERT_TRUE(isFemale || isMale) << sex << ": " << name;
            sawFemale = sawFemale || isFemale;
            sawMale = sawMale || isMale;
        }
        EXPECT_EQ(sawFemale, female) << sex;
        EXPECT_EQ(sawMale, male) << sex;
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

TEST(NameDrawerTest, EveryNameAndCodenameFitsTheSheetAndItsCodePage) {
    for (const OriginNames& o : NameOrigins()) {
        for (const auto list : {o.female, o.male, o.surnames, o.femaleSurnames, o.maleSurnames}) {
            for (const std::string_view name : list) {
                EXPECT_TRUE(InCp1252(name) && CharacterCount(name) < kLongestName - 1)
                    << o.origin << ": " << name;
            }
        }
    }
    for (const std::string_view adjective : AliasAdjectives()) {
        for (const std::string_view noun : AliasNouns()) {
            const std::string alias = std::string(adjective) + " " + std::string(noun);
            EXPECT_TRUE(alias.size() <= kLongestName &&
                        std::all_of(alias.begin(), alias.end(),
                                    [](char c) { return c >= ' ' && c <= '~'; }))
                << alias;
        }
    }
    EXPECT_EQ(FindOrigin("south-AFRICAN"), "South African");
    EXPECT_FALSE(FindOrigin("Atlantis"));
}

}  // namespace
}  // namespace dossier
