#pragma once

#include <span>

#include "core/dice/dice.h"
#include "core/saved/saved_character.h"
#include "naming/name_drawer.h"
#include "profile/profile_drawer.h"
#include "reroll/reroll_targets.h"

namespace dossier {

// Rolls chosen values of a character again, each alone, by the rules' own way: the field back
// to its unset caption, then what fills unset fields. What the rules derive from a value changed
// follows it (the classes, the physique, the coordination loss, the derived traits, a drawn name
// and the cover's name after the sex); the sheet's languages and areas are rolled again only when
// the Knowledge they come from changed; everything else stays, and the sheet is laid out anew.
// Names and profiles draw from dice of their own, as they do in a generation.
class Reroller {
  public:
    Reroller(Dice& dice, Dice& nameDice, Dice& profileDice);

    SavedCharacter Reroll(const SavedCharacter& character,
                          std::span<const RerollTarget* const> targets);

  private:
    void RerollNames(const SavedCharacter& was, bool name, bool alias, SavedCharacter& now);
    void RerollProfile(const SavedCharacter& was, std::span<const RerollTarget* const> targets,
                       SavedCharacter& now);

    Dice& dice_;
    NameDrawer names_;
    ProfileDrawer profiles_;
};

}  // namespace dossier
