#include "core/rules/sex_race_hair.h"

namespace dossier {

void RollSex(CharacterRecord& record) {
    if (!record.IsUnset(Field::cboSex)) return;
    const int roll = record.RollAndKeep(100);
    record.Write(Field::cboSex, roll <= 50 ? "Male" : "Female");
}

void RollRace(CharacterRecord& record) {
    if (!record.IsUnset(Field::cboRace)) return;
    const int roll = record.RollAndKeep(100);
    const char* race = roll <= 15   ? "Native American"
                       : roll <= 29 ? "Middle Eastern"
                       : roll <= 49 ? "Asian"
                       : roll <= 79 ? "White"
                                    : "Black";
    record.Write(Field::cboRace, race);

    const std::string_view rolled = record.Text(Field::cboRace);
    const bool gray = record.Text(Field::cboHair) == "Gray";
    if (gray) return;
    if (rolled == "Middle Eastern" || rolled == "Black") {
        record.Write(Field::cboHair, "Brown");
    } else if (rolled == "Asian" || rolled == "Native American") {
        record.Write(Field::cboHair, "Black");
    }
}

void RollHair(CharacterRecord& record) {
    if (!record.IsUnset(Field::cboHair)) return;
    const int roll = record.RollAndKeep(100);
    const char* hair = roll <= 24   ? "Black"
                       : roll <= 49 ? "Red/Auburn"
                       : roll <= 74 ? "Brown/Brunette"
                                    : "Blonde";
    record.Write(Field::cboHair, hair);
}

}  // namespace dossier
