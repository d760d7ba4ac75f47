#pragma once

#include <string>
#include <vector>

#include "core/saved/network.h"
#include "core/saved/saved_character.h"

namespace dossier {

// UTF-8's byte order mark, which tells spreadsheet programs on Windows how to read the file.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// What the rows of one file hold, beyond every character's fields: names, a profile, a
// network's ids and links. Decided before the first row, so every row has the same columns.
struct CsvShape {
    bool named = false;
    bool profiled = false;
    bool networked = false;
};

// One column a value of the character's JSON line, named by its path there ("fields.cboSex",
// "profile.cover.name"); a list of values in one cell, "; " between them.
class CsvTable {
  public:
    explicit CsvTable(CsvShape shape);
    // The header row, ending in CR LF as every row does (RFC 4180).
    std::string Header() const;
    std::string Row(const SavedCharacter& character, long long index) const;
    // A network's member, with its id and links.
    std::string Row(const Network& network, std::size_t member) const;

  private:
    std::string RowOf(const std::string& jsonLine) const;

    std::vector<std::string> columns_;
};

}  // namespace dossier
