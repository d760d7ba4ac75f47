#include "core/sheet/character_sheet.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/record/numbers.h"
#include "core/rules/glasses_coordination_loss.h"
#include "core/rules/physique.h"
#include "core/sheet/sheet_lines.h"

namespace dossier {

namespace {

constexpr char kBlanks26[] = "                          ";
constexpr char kHyphens26[] = "--------------------------";
constexpr char kHyphens33[] = "---------------------------------";

// A profile's texts are the program's own lines, or a file's that the reader checked: none holds a
// control character, so they are copied whole.
void LayOutProfile(const CharacterProfile& p, SheetLines& lines) {
    lines.Blank();
    lines.Line("PROFILE");
    lines.Line(kHyphens33);
    lines.Line("Role                      ", std::string_view(p.role));
    lines.Line("Loyalty                   ", std::string_view(p.loyalty));
    lines.Line("Motive                    ", std::string_view(p.motive));
    lines.Line(kBlanks26, std::string_view(p.motiveDetail));
    lines.Line("Leverage                  ", std::string_view(p.leverage));
    lines.Line("Mannerism                 ", std::string_view(p.mannerism));
    lines.Line("Cover Name                ", std::string_view(p.cover.name));
    lines.Line("Cover Occupation          ", std::string_view(p.cover.occupation));
    lines.Line("Cover Status              ", std::string_view(p.cover.status));
}

}  // namespace

void ComposeCharacterSheet(CharacterRecord& record, CharacterSheet& sheet) {
    RollCoordinationLoss(record);
    RollPhysique(record);

    sheet.traits = ReadPrimaryTraits(record);
    sheet.derived = DeriveTraits(sheet.traits);
    RollLanguages(record, sheet.traits.K, sheet.languages);
    sheet.education = RollEducation(record);
    const double goal = LoadKnowledgeAreas(record);
    RollAreas(record, goal, ReadNumber(record, Field::txtK), sheet.areas);
    FieldTexts texts;
    for (const FieldInfo& info : kFields) texts[Index(info.field)] = record.Text(info.field);
    LayOutSheet(texts, sheet);
}

CharacterSheet ComposeCharacterSheet(CharacterRecord& record) {
    CharacterSheet sheet;
    ComposeCharacterSheet(record, sheet);
    return sheet;
}

void LayOutSheet(const FieldTexts& texts, CharacterSheet& sheet) {
    const auto typed = [&texts](Field field) { return Typed{texts[Index(field)]}; };
    const std::string_view physique = texts[Index(Field::cboPhysique)];
    const DerivedTraitValues& d = sheet.derived;

    SheetLines lines(sheet.text);
    lines.Line(kBlanks26, "     Sex        ", typed(Field::cboSex));
    // A name and alias stand on the lines' underscores, which pad them to the same width.
    lines.Line("Name  ", Padded{sheet.names.name, kLongestName}, "     Age        ",
               typed(Field::txtAge));
    lines.Line("Alias ", Padded{sheet.names.alias, kLongestName}, "     Level      ",
               typed(Field::txtLevel));
    lines.Line(kBlanks26, "     Handedness ", typed(Field::cboHandedness));
    lines.Line(kBlanks26, "     Hair Color ", typed(Field::cboHair));
    lines.Line(kBlanks26, "     Height     ", typed(Field::cboHeight));
    lines.Line(kBlanks26, "     Weight     ", typed(Field::cboWeight), " lbs.");
    lines.Line(kBlanks26, "     Race       ", typed(Field::cboRace));
    lines.Line(kHyphens26, "     Military Service: ", kNextField, typed(Field::cboMilitary), ", ",
               typed(Field::cboBranch));
    lines.Line("PRIMARY TRAITS            ", "     Glasses:   ", typed(Field::cboGlasses));
    lines.Line(kHyphens26, "     Loss of Coordination: ", typed(Field::cboLoss));
    lines.Line("Physical Strength         ", typed(Field::txtPS));
    lines.Line("Charm                     ", typed(Field::txtCH));
    lines.Line("Willpower                 ", typed(Field::txtWP));
    lines.Line("Courage                   ", typed(Field::txtCO));
    lines.Line("Knowledge                 ", typed(Field::txtK));
    lines.Line("Coordination              ", typed(Field::txtCD));
    lines.Line(kHyphens26);
    lines.Line("SECONDARY TRAITS");
    lines.Line(kHyphens26);
    lines.Line("Offense                   ", d.OF);
    lines.Line("Deception                 ", d.DP);
    lines.Line(
        physique == "Ectomorphic" ? "Evasion           (+60)   " : "Evasion                   ",
        d.EV);
    lines.Line("Deactivation              ", d.DA);
    lines.Line("Observation               ", d.OB);
    lines.Line("Shock Resistance          ", d.SR);
    lines.Line("Gambling Value            ", d.GV);
    lines.Line(
        physique == "Endomorphic" ? "Movement Value    (-60)   " : "Movement Value            ",
        d.MV);
    lines.Line("Life Level                ", d.LL);
    // The sheet's Balance is the window's Wellness and the other way round.
    lines.Line("Balance                   ", d.Well);
    lines.Line("Wellness                  ", d.BA);
    lines.Line(kHyphens26);
    lines.Line("TERTIARY TRAITS           ");
    lines.Line(kHyphens26);
    lines.Line("Perception                ", d.PR);
    lines.Line(
        physique == "Mesomorphic" ? "Hand to Hand Combat (+60) " : "Hand to Hand Combat Value ",
        d.HTH);
    lines.Line("Surprise Value            ", d.SV);
    lines.Blank();
    lines.Blank();
    lines.Line("LANGUAGES   ");
    for (const int score : sheet.languages) lines.Line("__________________________", score);
    lines.Blank();
    lines.Line("EDUCATION LEVEL");
    lines.Line(sheet.education);
    lines.Blank();
    lines.Line("SUPERIOR AREAS OF KNOWLEDGE");
    lines.Line(kHyphens33);
    for (const KnowledgeArea& area : sheet.areas) lines.Line(area.name, area.score);
    if (!sheet.profile.empty()) LayOutProfile(sheet.profile, lines);
    lines.Finish();
}

}  // namespace dossier
