#pragma once

#include <filesystem>

#include "record/character_record.h"
#include "sheet/character_sheet.h"

namespace dossier {

// Receives every sheet a generation finishes. The window writes it to the sheet file;
// the CLI streams it or keeps it for JSON. The sheet lives until the next generation: a sink
// that keeps it copies it.
class SheetSink {
  public:
    virtual ~SheetSink() = default;
    virtual void Deliver(const CharacterRecord& record, const CharacterSheet& sheet) = 0;
};

// Replaces the sheet file at one path with every sheet delivered.
class SheetFileSink final : public SheetSink {
  public:
    explicit SheetFileSink(std::filesystem::path path) : path_(std::move(path)) {}

    void Deliver(const CharacterRecord& record, const CharacterSheet& sheet) override;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    bool tidied_ = false;  // temporary files abandoned by earlier runs removed
};

}  // namespace dossier
