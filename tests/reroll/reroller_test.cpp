#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/dice/random_dice.h"
#include "core/rules/age_handedness.h"
#include "core/saved/character_json.h"
#include "frontend/generation_modes.h"
#include "reroll/reroller.h"
#include "support/frontend_fakes.h"

namespace dossier {
namespace {

// A character as a reader compares it: every field by its control's name, the names, the
// profile's items and the sheet's sections.
std::map<std::string, std::string> View(const SavedCharacter& c) {
    std::map<std::string, std::string> view;
    for (const FieldInfo& info : kFields) view[std::string(info.name)] = c.Text(info.field);
    const CharacterProfile& p = c.profile;
    view["name"] = c.names.name;
    view["alias"] = c.names.alias;
    view["role"] = p.role;
    view["motive"] = p.motive + p.motiveDetail;
    view["leverage"] = p.leverage;
    view["loyalty"] = p.loyalty;
    view["mannerism"] = p.mannerism;
    view["cover"] = p.cover.name + p.cover.occupation + p.cover.status;
    view["cover name"] = p.cover.name;
    for (const int score : c.languages) view["languages"] += std::to_string(score) + ",";
    view["education"] = c.education;
    for (const auto& [area, score] : c.areas) view["areas"] += area + std::to_string(score) + ",";
    return view;
}

constexpr const char* kDerived[] = {"txtOF", "txtDP", "txtEV",  "txtDA", "txtOB",
                                    "txtSR", "txtGV", "txtMV",  "txtLL", "txtWell",
                                    "txtBA", "txtPR", "txtHTH", "txtSV"};

// Each value rolled again: what must change with it and what else may; all the rest stays.
TEST(RerollerTest, EachValueAloneAndWhatTheRulesDeriveFromIt) {
    struct Row {
        const char* what;
        std::set<std::string> must, may;
        bool derived;  // the fourteen derived traits follow
    };
    const Row rows[] = {
        {"height", {"cboHeight"}, {"cboPhysique"}, false},
        {"cboWeight", {"cboWeight"}, {"cboPhysique"}, false},
        {"sex", {"cboSex", "name", "cover name", "cover"}, {"cboPhysique"}, false},
        {"glasses", {"cboGlasses"}, {"cboLoss"}, false},
        {"hair", {"cboHair"}, {}, false},
        {"military", {"cboMilitary"}, {"cboBranch"}, false},
        {"level", {"txtLevel"}, {}, false},
        {"ps", {"txtPS"}, {"cboPhysique"}, true},
        {"txtCD", {"txtCD"}, {"cboLoss"}, true},
        {"k", {"txtK", "languages", "areas"}, {}, true},
        {"name", {"name"}, {}, false},
        {"alias", {"alias"}, {}, false},
        {"motive", {"motive"}, {}, false},
        {"cover", {"cover", "cover name"}, {}, false},
        {"languages", {"languages"}, {}, false},
        {"areas", {"areas"}, {}, false},
    };
    const std::string line = [] {
        // A woman with glasses, a name and a profile, from a seeded batch.
        SeededDice dice(3), names(4), profiles(5);
        NameDrawer namer(names);
        ProfileDrawer profiler(profiles);
        CharacterRecord record = StartupRecord(dice);
        testing::RecordingSink sink;
        testing::ScriptedDialogs none;
        GenerationModes modes(record, sink, none);
        modes.SetNamer(&namer);
        modes.SetProfiler(&profiler);
        modes.Press(Mode::QuickRandom);
        return CharacterJsonLine(sink.saved.at(0), 1);
    }();
    const SavedCharacter was = ParseCharacterLines(line, "f").at(0);
    const auto before = View(was);
    for (const Row& row : rows) {
        const RerollTarget* target = FindRerollTarget(row.what);
        ASSERT_NE(target, nullptr) << row.what;
        std::set<std::string> changed;
        // A die may roll the same value again: the first seed that changes it is taken.
        for (std::uint64_t seed = 1; seed < 40 && !std::includes(changed.begin(), changed.end(),
                                                                 row.must.begin(), row.must.end());
             ++seed) {
            SeededDice dice(seed), names(seed + 100), profiles(seed + 200);
            const SavedCharacter now = Reroller(dice, names, profiles).Reroll(was, {&target, 1});
            changed.clear();
            for (const auto& [key, value] : View(now))
                if (before.at(key) != value) changed.insert(key);
            EXPECT_EQ(now.sheetText, LaidOutSheet(now)) << row.what;
        }
        for (const std::string& key : row.must) EXPECT_TRUE(changed.contains(key)) << row.what;
        EXPECT_EQ(std::any_of(std::begin(kDerived), std::end(kDerived),
                              [&](const char* key) { return changed.contains(key); }),
                  row.derived)
            << row.what;
        for (const std::string& key : changed) {
            const bool derived =
                std::find(std::begin(kDerived), std::end(kDerived), key) != std::end(kDerived);
            EXPECT_TRUE(row.must.contains(key) || row.may.contains(key) || (row.derived && derived))
                << row.what << " changed " << key;
        }
    }
}

}  // namespace
}  // namespace dossier
