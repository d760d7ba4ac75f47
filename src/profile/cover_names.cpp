#include "profile/cover_names.h"

#include <unordered_set>

#include "core/sheet/character_sheet.h"
#include "naming/name_lists.h"
#include "platform/utf8_text.h"

namespace dossier {

namespace {

int Roll(Dice& dice, std::size_t sides) {
    return dice.DieRoll(static_cast<std::int16_t>(sides));
}

}  // namespace

CoverNames::CoverNames() : famous_(FamousNames().begin(), FamousNames().end()) {
    for (const OriginNames& names : NameOrigins()) {
        const auto lists = [&names](auto given, auto own) {
            Lists made{{given.begin(), given.end()}, {own.begin(), own.end()}};
            // A surname of both the sex's own list and the common one counts once.
            const std::unordered_set<std::string_view> owned(own.begin(), own.end());
            for (const std::string_view surname : names.surnames)
                if (!owned.contains(surname)) made.surnames.push_back(surname);
            return made;
        };
        female_.push_back(lists(names.female, names.femaleSurnames));
        male_.push_back(lists(names.male, names.maleSurnames));
    }
}

void CoverNames::Draw(Dice& dice, std::string_view sex, std::string_view own,
                      std::string& name) const {
    const std::size_t origin = static_cast<std::size_t>(Roll(dice, female_.size()) - 1);
    const bool female = sex == "Female" || (sex != "Male" && Roll(dice, 2) == 1);
    const Lists& lists = female ? female_[origin] : male_[origin];
    do {
        name = lists.given[static_cast<std::size_t>(Roll(dice, lists.given.size()) - 1)];
        name += ' ';
        name += lists.surnames[static_cast<std::size_t>(Roll(dice, lists.surnames.size()) - 1)];
    } while (CharacterCount(name) > kLongestName || famous_.contains(name) || name == own);
}

}  // namespace dossier
