#include "cli/preset_report.h"

#include <algorithm>
#include <set>
#include <vector>

#include "cli/mode_run.h"
#include "core/dice/random_dice.h"
#include "frontend/field_checks.h"

namespace dossier::cli {

namespace {

class WrittenFields final : public RecordListener {
  public:
    void FieldWritten(Field field) override { fields.insert(field); }
    std::set<Field> fields;
};

// The options as the user would have given them for another mode: the sex and level are
// the prompts' answers in the modes that ask for them, and presets in the others.
CliOptions OptionsFor(const CliOptions& options, const ModeInfo& mode) {
    CliOptions moved = options;
    moved.mode = &mode;
    std::optional<std::string> sex = options.sexAnswer;
    std::optional<std::string> level = options.levelAnswer;
    std::erase_if(moved.presets, [&](const auto& preset) {
        if (preset.first == Field::cboSex && mode.asksSex) return sex = preset.second, true;
        if (preset.first == Field::txtLevel && mode.asksLevel) return level = preset.second, true;
        return false;
    });
    moved.sexAnswer = mode.asksSex ? sex.value_or("M") : std::optional<std::string>();
    moved.levelAnswer = mode.asksLevel ? level.value_or("5") : std::optional<std::string>();
    if (!mode.asksSex && options.sexAnswer)
        moved.presets.emplace_back(Field::cboSex, *SexFromAnswer(*options.sexAnswer));
    if (!mode.asksLevel && options.levelAnswer)
        moved.presets.emplace_back(Field::txtLevel, *options.levelAnswer);
    return moved;
}

// The preset fields the mode writes over; a prompt's answer is what the user asked for.
std::vector<Field> Overwritten(const CliOptions& options, const ModeInfo& mode) {
    const CliOptions moved = OptionsFor(options, mode);
    SeededDice dice(1);
    ModeRunner runner(moved, dice);
    WrittenFields written;
    runner.Run(mode, moved.presets, &written);
    std::vector<Field> fields;
    for (const auto& [field, text] : moved.presets) {
        if (written.fields.contains(field) &&
            std::find(fields.begin(), fields.end(), field) == fields.end())
            fields.push_back(field);
    }
    return fields;
}

std::string Listed(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

}  // namespace

std::string PresetReport(const CliOptions& options) {
    const std::vector<Field> lost = Overwritten(options, *options.mode);
    if (lost.empty()) return {};
    std::vector<std::string> flags;
    for (Field field : lost) flags.emplace_back(PresetFlag(field));
    const auto given = [&options](Field field) {
        return std::any_of(options.presets.begin(), options.presets.end(),
                           [field](const auto& preset) { return preset.first == field; });
    };
    const bool sexGiven = options.sexAnswer || given(Field::cboSex);
    const bool levelGiven = options.levelAnswer || given(Field::txtLevel);
    std::vector<std::string> keepers;
    for (const ModeInfo& mode : CliModes()) {
        // Only modes that the arguments given already answer.
        if ((mode.asksSex && !sexGiven) || (mode.asksLevel && !levelGiven)) continue;
        if (&mode != options.mode && Overwritten(options, mode).empty())
            keepers.push_back("--mode " + std::string(mode.cliWord));
    }
    return "dossier-cli: mode " + std::string(options.mode->cliWord) + " rolls " + Listed(flags) +
           " afresh; " +
           (keepers.empty()
                ? std::string("no mode keeps ") + (flags.size() == 1 ? "it" : "them all")
                : Listed(keepers) + (keepers.size() == 1 ? " keeps " : " keep ") +
                      (flags.size() == 1 ? "it" : "them")) +
           "\n";
}

}  // namespace dossier::cli
