#include "core/rules/derived_traits.h"

#include "core/record/numbers.h"

namespace dossier {

namespace {

long long Round(double value) {
    return static_cast<long long>(RoundHalfEven(value));
}

}  // namespace

PrimaryTraitValues ReadPrimaryTraits(const CharacterRecord& record) {
    return {ReadFloor(record, Field::txtPS), ReadFloor(record, Field::txtCH),
            ReadFloor(record, Field::txtWP), ReadFloor(record, Field::txtCO),
            ReadFloor(record, Field::txtK),  ReadFloor(record, Field::txtCD)};
}

DerivedTraitValues DeriveTraits(const PrimaryTraitValues& p) {
    // Sums in double, each formed before its division; every value rounds on its own.
    const double PS = p.PS, CH = p.CH, WP = p.WP, CO = p.CO, K = p.K, CD = p.CD;
    DerivedTraitValues d{};
    d.OF = Round((CO + CD) / 2);
    d.DP = Round((CH + CO) / 2);
    d.EV = Round((CH + CD) / 2);
    d.DA = Round((K + CD) / 2);
    d.OB = Round((K + WP) / 2);
    d.SR = Round((WP + CO) / 2);
    d.GV = Round((CH + WP + CO + K + CD) / 5);
    d.MV = static_cast<long long>(PS + WP + CD);
    d.LL = Round((PS + WP) / 10);
    d.Well = Round((WP + CD) / 2);
    d.BA = Round((PS + WP) / 2);
    d.PR = Round(((K + WP) / 2 + CD) / 2);
    d.HTH = static_cast<long long>(PS) + Round((CH + CD) / 2);
    d.SV = Round((CH + CO) / 2) + Round((CH + CD) / 2);
    return d;
}

void ComputeDerivedTraits(CharacterRecord& record) {
    const DerivedTraitValues d = DeriveTraits(ReadPrimaryTraits(record));
    for (const DerivedTraitInfo& trait : kDerivedTraits)
        record.WriteNumber(trait.field, d.*trait.value);
}

}  // namespace dossier
