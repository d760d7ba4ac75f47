#pragma once

#include <array>
#include <string_view>

namespace dossier {

// What each of the window's generation buttons does.
enum class Mode {
    QuickRandom,                    // everything rolled, the level too
    ByLevel,                        // everything rolled at the level the user gives
    BySex,                          // everything rolled for the sex the user gives
    BySexAndLevel,                  // both asked
    KeepCharacteristics,            // the characteristics as they stand, the traits rolled
    KeepTraits,                     // the traits as typed, the empty ones rolled
    RollTraits,                     // all six traits rolled afresh
    RollCharacteristics,            // all characteristics rolled afresh; no sheet
    KeepTraitsRollCharacteristics,  // the traits kept, their sheet written, then all else rolled
    ClearForm,                      // the characteristics back to their captions
    Exit,
};

struct ModeInfo {
    Mode mode;
    std::string_view caption;  // its button's, exactly
    std::string_view cliWord;  // dossier-cli's --mode; empty where the CLI has none
    bool asksSex;
    bool asksLevel;
};

// The CLI's modes lead the table, in the order its help lists them.
inline constexpr std::size_t kCliModeCount = 7;
inline constexpr std::array<ModeInfo, 11> kModes = {{
    {Mode::QuickRandom, "Completely Random Generation", "quick", false, false},
    {Mode::ByLevel, "Random Generation  By Level", "level", false, true},
    {Mode::BySex, "Random Generation by Sex", "sex", true, false},
    {Mode::BySexAndLevel, "Random Generation By Sex and Level", "sex-level", true, true},
    {Mode::KeepCharacteristics, "My Characteristcs Random Traits", "my-characteristics", false,
     false},
    {Mode::KeepTraits, "Generate NPC Using My Traits", "my-traits", false, false},
    {Mode::RollTraits, "Random Traits Only", "traits", false, false},
    {Mode::RollCharacteristics, "Random Characterisitcs Only ", "", false, false},
    {Mode::KeepTraitsRollCharacteristics, "User Traits Random Characteristics", "", false, false},
    {Mode::ClearForm, "Clear Form", "", false, false},
    {Mode::Exit, "Exit", "", false, false},
}};

constexpr bool CliModesLead() {
    for (std::size_t i = 0; i < kModes.size(); ++i)
        if (kModes[i].cliWord.empty() != (i >= kCliModeCount)) return false;
    return true;
}
static_assert(CliModesLead(), "the modes with a CLI word come first");

constexpr const ModeInfo& InfoOf(Mode mode) {
    for (const ModeInfo& info : kModes)
        if (info.mode == mode) return info;
    return kModes.back();
}

}  // namespace dossier
