#include <gtest/gtest.h>

#include "core/saved/roster.h"

namespace dossier {
namespace {

SavedCharacter Character() {
    SavedCharacter c;  // every value its own, so one shown in the wrong place shows
    for (const FieldInfo& info : kFields) c.fields[Index(info.field)] = info.name.substr(3);
    c.moment = {"Specs", "9%", "Lean"};
    for (std::size_t i = 0; i < kDerivedTraits.size(); ++i)
        c.derived.emplace_back(kDerivedTraits[i].sheetName, 101 + i);
    c.languages = {90, 45};
    c.education = "Doctorate";
    c.areas = {{"Law", 71}, {"Botany", 52}};
    return c;
}

TEST(RosterTest, EveryValueOfABlockInItsPlace) {
    const RosterBlock block = MakeRosterBlock(Character(), 12);
    EXPECT_EQ(block.title, "12. Sex, Race, age Age, level Level");
    const std::vector<std::string> lines = {
        "Name ____________________   Alias ____________________",
        "Hair Hair; height Height; weight Weight lbs.; Handedness-handed; Lean; glasses Specs "
        "(loss 9%)",
        "Military: Military, Branch",
        "PS PS  CH CH  WP WP  CO CO  K K  CD CD",
        "Offense 101, Deception 102, Evasion 103, Deactivation 104, Observation 105, Shock "
        "Resistance 106, Life Level 109, Movement Value 108",
        "Perception 112, Hand to Hand 113, Surprise 114, Gambling 107",
        "Languages 90, 45; education Doctorate",
        "Areas: Law 71; Botany 52"};
    EXPECT_EQ(block.lines, lines);
}

// A game master scanning the page reads who it is, then what moves them.
TEST(RosterTest, AProfiledBlockIsHeadedByTheNameAndTellsTheProfileFirst) {
    SavedCharacter c = Character();
    c.names = {"Ada Lind", "Grey Heron", "Swedish"};
    c.profile = {"Mole", "Ego", "Detail", "Lever", "Wavering", "Manner", {"Cover", "Job", "Thin"}};
    const RosterBlock block = MakeRosterBlock(c, 3);
    EXPECT_EQ(block.title, "3. Ada Lind (Grey Heron)");
    // As short as a block without a profile, so seven still fill a page.
    const std::vector<std::string> lines = {
        "Sex, Race, age Age, level Level; military: Military, Branch",
        "Mole, Wavering; cover Cover, Job (Thin). Manner: Manner",
        "Ego: Detail. Leverage: Lever",
        "Hair Hair; height Height; weight Weight lbs.; Handedness-handed; Lean; glasses Specs "
        "(loss 9%)",
        "PS PS  CH CH  WP WP  CO CO  K K  CD CD; languages 90, 45; education Doctorate",
        "Offense 101, Deception 102, Evasion 103, Deactivation 104, Observation 105, Shock "
        "Resistance 106, Life Level 109, Movement Value 108",
        "Perception 112, Hand to Hand 113, Surprise 114, Gambling 107",
        "Areas: Law 71; Botany 52"};
    EXPECT_EQ(block.lines, lines);
}

}  // namespace
}  // namespace dossier
