#include "core/rules/physique.h"

#include <array>

#include "core/record/numbers.h"

namespace dossier {

namespace {

// Rows: height class T, A, S, other. Columns: weight class L, A, H, other.
// nullptr keeps the field as it is.
using Band = std::array<std::array<const char*, 4>, 4>;

constexpr const char* kAvg = "Average";
constexpr const char* kEcto = "Ectomorphic";
constexpr const char* kMeso = "Mesomorphic";
constexpr const char* kEndo = "Endomorphic";

constexpr Band kStrong = {{{kAvg, kMeso, kAvg, kAvg},
                           {kAvg, kMeso, kAvg, kAvg},
                           {kAvg, kAvg, kAvg, kAvg},
                           {nullptr, nullptr, nullptr, nullptr}}};

constexpr Band kMiddling = {{{kEcto, kAvg, kEndo, nullptr},
                             {kAvg, kAvg, kAvg, kAvg},
                             {kEcto, kAvg, kEndo, nullptr},
                             {nullptr, nullptr, nullptr, nullptr}}};

constexpr Band kWeak = {{{kEcto, kEcto, kEndo, kEcto},
                         {kEcto, kAvg, kEndo, nullptr},
                         {kAvg, kEndo, kEndo, kEndo},
                         {nullptr, nullptr, nullptr, nullptr}}};

std::size_t HeightRow(const std::string& heightClass) {
    if (heightClass == "T") return 0;
    if (heightClass == "A") return 1;
    if (heightClass == "S") return 2;
    return 3;
}

std::size_t WeightColumn(const std::string& weightClass) {
    if (weightClass == "L") return 0;
    if (weightClass == "A") return 1;
    if (weightClass == "H") return 2;
    return 3;
}

}  // namespace

void RollPhysique(CharacterRecord& record) {
    const double strength = ReadNumber(record, Field::txtPS);
    if (strength > 100) {
        record.Write(Field::cboPhysique, kMeso);
        return;
    }
    const Band& band = strength > 75 ? kStrong : strength > 40 ? kMiddling : kWeak;
    const char* physique =
        band[HeightRow(record.working.heightClass)][WeightColumn(record.working.weightClass)];
    if (physique != nullptr) record.Write(Field::cboPhysique, physique);
}

}  // namespace dossier
