#include "core/rules/glasses_coordination_loss.h"

#include <algorithm>

#include "core/record/numbers.h"

namespace dossier {

void RollGlasses(CharacterRecord& record) {
    if (!record.IsUnset(Field::cboGlasses)) return;
    const int roll = record.RollAndKeep(10);
    if (roll == 1) {
        record.Write(Field::cboGlasses, "Glasses - no CLs");
    } else if (roll <= 3) {
        record.Write(Field::cboGlasses, "Glasses/CLs");
    } else {
        record.Write(Field::cboGlasses, roll <= 9 ? "Not Needed/CLs Okay" : "Not Needed/no CLs");
        record.Write(Field::cboLoss, "N/A");
    }
}

void RollCoordinationLoss(CharacterRecord& record) {
    const int roll = record.RollAndKeep(100);
    const std::string_view glasses = record.Text(Field::cboGlasses);
    if (glasses != "Glasses - no CLs" && glasses != "Glasses/CLs") {
        record.Write(Field::cboLoss, "N/A");
        return;
    }
    const double coordination = ReadNumber(record, Field::txtCD);
    const double loss = std::min(RoundHalfEven(coordination * (roll / 100.0)), 35.0);
    record.Write(Field::cboLoss, WholeText(loss) + "%");
}

}  // namespace dossier
