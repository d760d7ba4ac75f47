#include "core/rules/sheet_sections.h"

#include <array>
#include <string_view>

#include "core/record/numbers.h"

namespace dossier {

namespace {

// Each name padded to the section's width, as the sheet prints it. Slot 0 is out of reach
// of the d40; "Engineering, Construction/Civil" was listed for slot 15 but "Engineering,
// Electrical" took it, so neither ever reaches a sheet.
constexpr std::array<std::string_view, kKnowledgeAreaSlots> kPaddedAreaNames = {
    "Agriculture                      ", "Animal Science                   ",
    "Anthropology                     ", "Architecture                     ",
    "Arts & Crafts                    ", "Astronomy/Space Science          ",
    "Biology/Biochemistry             ", "Botany                           ",
    "Business/Industry                ", "Chemistry                        ",
    "Computer Science                 ", "Ecology/Earth Science            ",
    "Economics/Finance                ", "Education/Indoctrination         ",
    "Engineering, Aeronautical        ", "Engineering, Electrical          ",
    "Engineering, Hydraulic           ", "Engineering, Industrial          ",
    "Engineering, Mechanical          ", "Engineering, Transportation      ",
    "Fine Arts                        ", "Geography                        ",
    "Geology                          ", "Home Economics                   ",
    "Law                              ", "Linguistics                      ",
    "Literature                       ", "Mathematics/Accounting           ",
    "Medicine/Physiology              ", "Metallurgy                       ",
    "Military Science/Weapons         ", "Naval Science                    ",
    "Philosphy                        ", "Photography                      ",
    "Physical Education               ", "Physics                          ",
    "Political Science                ", "Psychology                       ",
    "Religion                         ", "Social Science                   ",
    "World History/Current Affairs    "};

constexpr bool AllPadded() {
    for (std::string_view name : kPaddedAreaNames) {
        if (name.size() != kAreaNameWidth || name.back() != ' ') return false;
    }
    return true;
}
static_assert(AllPadded(), "every area name is padded with blanks to the section's width");

}  // namespace

void RollLanguages(CharacterRecord& record, int k, std::vector<int>& scores) {
    const double wanted = RoundHalfEven((k + 12.5) / 25);
    scores.clear();
    const int first = 70 + record.DieRoll(30);
    scores.push_back(first);
    do {
        const int roll = record.DieRoll(100);
        if (roll > 40 && roll < first) scores.push_back(roll);
    } while (static_cast<double>(scores.size()) < wanted);
}

std::string_view RollEducation(CharacterRecord& record) {
    const int roll = record.DieRoll(100);
    // A 10 falls between the tabled ranges; it counts with the rolls just below it
    // rather than leaving the level blank.
    if (roll <= 10) return "High School";
    if (roll <= 71) return "Bachelor's Degree";
    if (roll <= 96) return "Master's Degree";
    return "Doctorate";
}

double LoadKnowledgeAreas(CharacterRecord& record) {
    record.working.knowledgeAreas = kPaddedAreaNames;
    return ReadNumber(record, Field::txtK) / 10;
}

void RollAreas(CharacterRecord& record, double goal, double knowledge,
               std::vector<KnowledgeArea>& areas) {
    std::array<bool, kKnowledgeAreaSlots> drawn{};
    areas.clear();
    const double floor = knowledge / 2;
    // The goal passes 40 only above Knowledge 400; stopping at 40 keeps the loop finite.
    do {
        const int slot = record.DieRoll(kDrawableAreas);
        const std::size_t at = static_cast<std::size_t>(slot) % drawn.size();
        auto& flag = drawn[at];
        if (flag) continue;
        const int roll = record.DieRoll(100);
        int score = roll <= 20 ? roll + 50 : roll + 30;
        if (floor > score) score = static_cast<int>(RoundHalfEven(floor));
        areas.push_back({record.working.knowledgeAreas[at], score});
        flag = true;
    } while (static_cast<double>(areas.size()) < goal &&
             areas.size() < static_cast<std::size_t>(kDrawableAreas));
}

}  // namespace dossier
