#include "core/rules/military.h"

#include <array>
#include <cstdint>

#include "core/record/numbers.h"

namespace dossier {

namespace {

struct RankBand {
    int highestRoll;
    int leastTerm;
    std::array<const char*, 4> ranks;  // Army, Air Force, Marines, Navy
};

constexpr std::array<RankBand, 16> kRanks = {
    {{10, 0, {"Private", "Airman/Basic", "Private", "Sea. Recruit"}},
     {30, 1, {"Private", "Airman", "Private 1st Class", "Sea. Appr."}},
     {60, 2, {"Private 1st Class", "Airman 1st Class", "Lance Corporal", "Seaman"}},
     {69, 3, {"Corporal", "Sergeant", "Corporal", "Petty Officer 3rd Class"}},
     {75, 4, {"Sergeant", "Staff Sgt.", "Sergeant", "Petty Officer 2nd Class"}},
     {81, 5, {"Staff Sgt.", "Tech. Sgt.", "Staff Sgt.", "Petty Officer 1"}},
     {85, 6, {"Sgt. 1st Class", "Master Sgt.", "Gunnery Sgt.", "Chief Petty Officer"}},
     {88, 7, {"Master Sgt.", "Senior Master Sgt.", "Master Sgt.", "Senior Chief Petty Officer"}},
     {90,
      8,
      {"Command Sgt. Major", "Chief Master Sgt.", "Master Gunnery Sgt.",
       "Master Chief Petty Officer"}},
     {92, 9, {"Second Lt.", "Second Lt.", "Second Lt.", "Ensign"}},
     {95, 10, {"First Lt.", "First Lt.", "First Lt.", "Lt. j.g."}},
     {96, 11, {"Captain", "Captain", "Captain", "Lieutenant"}},
     {97, 12, {"Major", "Major", "Major", "Lt. Commander"}},
     {98, 13, {"Lt. Col.", "Lt. Col.", "Lt. Col.", "Commander"}},
     {99, 14, {"Colonel", "Colonel", "Colonel", "Captain"}},
     {100, 15, {"General", "General", "General", "Admiral"}}}};

constexpr std::array<const char*, 4> kBranches = {"Army", "Air Force", "Marines", "Navy"};

const RankBand& BandOf(int rankRoll) {
    for (const RankBand& band : kRanks) {
        if (rankRoll <= band.highestRoll) return band;
    }
    return kRanks.back();
}

}  // namespace

void RollMilitary(CharacterRecord& record) {
    const double age = ReadNumber(record, Field::txtAge);
    const double sides = RoundHalfEven(age - 15);
    // The die size is a 16-bit number; an age near the bottom of the range would overflow it.
    if (sides < kSmallestNumber)
        throw FieldValueError(Field::txtAge, std::string(record.Text(Field::txtAge)));
    const int d = record.DieRoll(static_cast<std::int16_t>(sides));
    const double term = RoundHalfEven(d / 2.0);

    if (!record.IsUnset(Field::cboMilitary)) return;

    const int service = record.RollAndKeep(100);
    if (age - 6 < service) {
        record.Write(Field::cboBranch, "N/A");
        record.Write(Field::cboMilitary, "No Military Service");
    }
    if (age - 5 > service) {
        const int branch = record.DieRoll(4);
        const std::size_t b = static_cast<std::size_t>(branch - 1) % kBranches.size();
        record.Write(Field::cboBranch, kBranches[b]);
        for (;;) {
            const RankBand& band = BandOf(record.RollAndKeep(100));
            if (band.leastTerm == 0 || band.leastTerm <= term) {
                record.Write(Field::cboMilitary, band.ranks[b]);
                return;
            }
        }
    }
}

}  // namespace dossier
