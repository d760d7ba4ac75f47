#pragma once

#include <filesystem>
#include <optional>
#include <utility>

#include "core/saved/saved_character.h"
#include "core/sheet/sheet_sink.h"

namespace dossier {

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

// Writes each sheet to the sheet file and keeps it, with what it printed of the fields that
// change after it, until the press that made it ends: the window's File menu saves it.
class KeepingSheetSink final : public SheetSink {
  public:
    explicit KeepingSheetSink(std::filesystem::path path) : file_(std::move(path)) {}
    void Deliver(const CharacterRecord& record, const CharacterSheet& sheet) override;
    const std::filesystem::path& path() const { return file_.path(); }
    // The sheet delivered since the last call.
    std::optional<std::pair<CharacterSheet, SheetMoment>> TakeDelivered();

  private:
    SheetFileSink file_;
    std::optional<std::pair<CharacterSheet, SheetMoment>> delivered_;
};

}  // namespace dossier
