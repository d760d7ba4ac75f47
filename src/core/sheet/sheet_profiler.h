#pragma once

#include <string_view>

#include "core/sheet/character_profile.h"
#include "core/sheet/character_sheet.h"

namespace dossier {

// Gives each sheet its character's profile, where the user asked for one. It sees the sex, for
// the cover's given name, and the names, which the cover never repeats; nothing else rolled.
class SheetProfiler {
  public:
    virtual ~SheetProfiler() = default;
    virtual void Profile(std::string_view sex, const CharacterNames& names,
                         CharacterProfile& profile) = 0;
};

}  // namespace dossier
