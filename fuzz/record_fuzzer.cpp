// Types arbitrary texts into the record, presses arbitrary buttons with dice the fuzzer
// chooses, and checks every sheet written against the sheet's format.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

#include "core/dice/random_dice.h"
#include "core/rules/age_handedness.h"
#include "frontend/field_checks.h"
#include "frontend/generation_modes.h"
#include "sheet_format.h"

namespace dossier {
namespace {

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

// Rolls what the fuzzer says, within the die's faces; once the input runs out, a seeded
// generator takes over so that loops that throw rolls back still end.
class FuzzDice final : public Dice {
  public:
    explicit FuzzDice(FuzzedDataProvider& data)
        : data_(data), fallback_(data.ConsumeIntegral<std::uint64_t>()) {}

    int DieRoll(std::int16_t sides) override {
        if (data_.remaining_bytes() == 0) return fallback_.DieRoll(sides);
        if (sides >= 1) return data_.ConsumeIntegralInRange<int>(1, sides);
        if (sides == 0) return 1;
        return data_.ConsumeIntegralInRange<int>(sides + 1, 1);
    }

  private:
    FuzzedDataProvider& data_;
    SeededDice fallback_;
};

class FuzzDialogs final : public Dialogs {
  public:
    explicit FuzzDialogs(FuzzedDataProvider& data) : data_(data) {}
    std::optional<std::string> Prompt(Question, const std::string&, const std::string&) override {
        // A user who keeps giving wrong answers gives up in the end.
        if (++prompts_ > 4 || data_.ConsumeBool()) return std::nullopt;
        return data_.ConsumeRandomLengthString(8);
    }
    void Message(const std::string& message, const std::string& title) override {
        if (message.empty() || title.empty()) Fail("an empty message");
        ++messages;
    }
    void NewPress() { prompts_ = 0; }
    int messages = 0;

  private:
    FuzzedDataProvider& data_;
    int prompts_ = 0;
};

class CheckingSink final : public SheetSink {
  public:
    void Deliver(const CharacterRecord&, const CharacterSheet& sheet) override {
        if (const auto problem = testing::SheetFormatProblem(sheet.text)) {
            Fail("malformed sheet: " + *problem + "\n" + sheet.text);
        }
        ++sheets;
    }
    int sheets = 0;
};

std::string SomeText(FuzzedDataProvider& data) {
    switch (data.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            return std::to_string(data.ConsumeIntegralInRange<int>(-40000, 40000));
        case 1:
            return std::string(StartupText(
                static_cast<Field>(data.ConsumeIntegralInRange<std::size_t>(0, kFieldCount - 1))));
        default:
            return data.ConsumeRandomLengthString(24);
    }
}

// In the order the corpus was made with.
constexpr Mode kPresses[] = {
    Mode::RollCharacteristics,
    Mode::RollTraits,
    Mode::KeepTraits,
    Mode::QuickRandom,
    Mode::ByLevel,
    Mode::BySex,
    Mode::BySexAndLevel,
    Mode::KeepCharacteristics,
    Mode::KeepTraitsRollCharacteristics,
    Mode::ClearForm,
};

}  // namespace
}  // namespace dossier

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace dossier;
    FuzzedDataProvider data(bytes, size);
    FuzzDice dice(data);
    FuzzDialogs dialogs(data);
    CheckingSink sink;
    CharacterRecord record = StartupRecord(dice);
    GenerationModes modes(record, sink, dialogs);

    for (int step = 0; step < 12 && data.remaining_bytes() > 0; ++step) {
        const int action = data.ConsumeIntegralInRange<int>(0, 13);
        if (action < 10) {
            dialogs.NewPress();
            const int messagesBefore = dialogs.messages;
            const int sheetsBefore = sink.sheets;
            const Outcome outcome = modes.Press(kPresses[action]);
            if (outcome == Outcome::Failed && dialogs.messages == messagesBefore)
                Fail("a failure without a message");
            if (outcome == Outcome::Failed && sink.sheets != sheetsBefore)
                Fail("a failure after the sheet");
        } else if (action == 10) {
            CheckAgeOnLeave(record, dialogs);
        } else if (action == 11) {
            CheckLevelOnLeave(record, dialogs);
        } else if (action == 12) {
            RollWeightOnLeave(record);
        } else {
            const auto field =
                static_cast<Field>(data.ConsumeIntegralInRange<std::size_t>(0, kFieldCount - 1));
            record.Write(field, SomeText(data));
        }
    }
    return 0;
}
