#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/saved/saved_character.h"

namespace dossier {

// One NPC as a game master reads it off the screen: a title line, then short lines of what
// is reached for at the table. Shared by the Markdown and PDF rosters.
struct RosterBlock {
    std::string title;
    std::vector<std::string> lines;
};

RosterBlock MakeRosterBlock(const SavedCharacter& character, long long number);

// The roster as Markdown: a heading, then one block per NPC.
std::string RosterMarkdownHeading();
std::string RosterMarkdownBlock(const RosterBlock& block);

// The sheet as a reader sees it: each line's fields without the file's quotes and the
// separators between them; the file's blanks stay, so the columns line up in a fixed-pitch font.
std::vector<std::string> ReadableSheetLines(std::string_view sheetText);

}  // namespace dossier
