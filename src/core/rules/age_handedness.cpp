#include "core/rules/age_handedness.h"

#include <string>

#include "core/record/numbers.h"

namespace dossier {

void RollAge(CharacterRecord& record) {
    if (!record.IsUnset(Field::txtAge)) return;
    const int roll = record.RollAndKeep(30);
    record.WriteNumber(Field::txtAge, roll + 12);
    if (ReadNumber(record, Field::txtAge) < 22) record.Write(Field::txtAge, "22");
}

void RollHandedness(CharacterRecord& record) {
    if (!record.IsUnset(Field::cboHandedness)) return;
    const int roll = record.RollAndKeep(100);
    const char* hand = roll <= 89 ? "Right" : roll <= 98 ? "Left" : "Ambidextrous";
    record.Write(Field::cboHandedness, hand);
}

}  // namespace dossier
