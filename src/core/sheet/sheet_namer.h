#pragma once

#include "core/record/character_record.h"
#include "core/sheet/character_sheet.h"

namespace dossier {

// Gives each sheet its character's name and codename, where the user asked for them.
class SheetNamer {
  public:
    virtual ~SheetNamer() = default;
    virtual void Name(const CharacterRecord& record, CharacterNames& names) = 0;
};

}  // namespace dossier
