#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/dice/dice.h"

namespace dossier {

// Full names to live under: any origin, each as likely as the next, then any pair of its given
// names and surnames for the sex, each pair as likely as the next; never a famous name, one the
// sheet's name line could not hold, or the name given. It keeps no record of what it drew, so
// it costs next to nothing; a cover may come again, rarely.
class CoverNames {
  public:
    CoverNames();

    // For a character of this sex ("Female", "Male", or either by a die), other than own.
    void Draw(Dice& dice, std::string_view sex, std::string_view own, std::string& name) const;

  private:
    struct Lists {
        std::vector<std::string_view> given, surnames;
    };
    std::vector<Lists> female_, male_;  // by origin
    std::unordered_set<std::string_view> famous_;
};

}  // namespace dossier
