#pragma once

#include <filesystem>
#include <memory>

#include "core/saved/network.h"
#include "core/saved/saved_character.h"

namespace dossier {

// A document that takes characters one by one, such as a PDF of sheets or a roster, written
// whole or not at all: Finish gives it its name. Throws WriteError.
class CharacterDocument {
  public:
    virtual ~CharacterDocument() = default;
    virtual void Add(const SavedCharacter& character, long long number) = 0;
    virtual void Finish() = 0;
};

enum class PdfKind { Sheets, Roster };

// Sheets one to a page, or the roster at least four NPCs to a page, in a PDF that replaces
// the file whole. Runs without a display.
std::unique_ptr<CharacterDocument> OpenPdf(const std::filesystem::path& path, PdfKind kind);

// Whose copy of a network: the game master's shows who reports secretly to the other side.
enum class NetworkCopy { GameMaster, Players };

// A network in one PDF that replaces the file whole: its picture, on a page turned to suit it,
// then its roster, then each member's sheet, one to a page. Throws WriteError.
void WriteNetworkPdf(const std::filesystem::path& path, const Network& network,
                     NetworkCopy copy = NetworkCopy::GameMaster);

}  // namespace dossier
