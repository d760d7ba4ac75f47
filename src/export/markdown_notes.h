#pragma once

#include <string>
#include <vector>

#include "core/saved/network.h"
#include "core/saved/saved_character.h"

namespace dossier {

// A note for a notes application: YAML front matter a parser reads back to the same values
// (names, body, the traits, the profile, tags), then the sheet's content as Markdown headings
// and tables. number names an unnamed character.
std::string MarkdownNote(const SavedCharacter& character, long long number);

// A network's member's note, its ties as links to the other members' notes. stems are the notes'
// file names without .md: the members' by their places, then the network's own.
std::string MarkdownNote(const Network& network, std::size_t member,
                         const std::vector<std::string>& stems);

// The network's own note: its members, linked, and its picture for Mermaid.
std::string NetworkIndexNote(const Network& network, const std::vector<std::string>& stems);

}  // namespace dossier
