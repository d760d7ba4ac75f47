#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/saved/network.h"
#include "core/saved/saved_character.h"

namespace dossier {

// The versions of the JSON a character is saved in: a character with a name and codename takes
// the second, which adds them, and one with a profile too the third; a reader refuses any other.
inline constexpr int kCharacterFormat = 1;
inline constexpr int kNamedCharacterFormat = 2;
inline constexpr int kProfiledCharacterFormat = 3;
// A member of a network: the third with the member's id and links.
inline constexpr int kNetworkMemberFormat = 4;

// One JSON Lines record of the character, ending in a newline.
std::string CharacterJsonLine(const SavedCharacter& character, long long index);

// Lines for a batch of characters.
class CharacterJsonWriter {
  public:
    std::string Line(const SavedCharacter& character, long long index);
    // The same straight from a generation, without making a SavedCharacter first.
    std::string Line(const CharacterRecord& record, const CharacterSheet& sheet,
                     const SheetMoment& moment, std::string_view mode, long long index);
};

// The JSON Lines record of a network's member, its index being its id.
std::string NetworkMemberJsonLine(const Network& network, std::size_t member);

// A file or line that holds no character Dossier can use; what() names the file, the line
// and what is wrong.
class CharacterFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The characters of a JSON Lines file that dossier-cli --format json or the window wrote.
// Checks everything before it returns anything: throws CharacterFileError.
std::vector<SavedCharacter> ReadCharacterFile(const std::filesystem::path& file);

// The same for text already read; name is what messages call it.
std::vector<SavedCharacter> ParseCharacterLines(std::string_view text, const std::string& name);

// What a saved file holds: characters, or the members of a network, which the file's ids put
// in order and whose links are checked with the rest.
struct SavedFile {
    Network content;  // links only for a network
    bool isNetwork = false;
};
SavedFile ReadSavedFile(const std::filesystem::path& file);
SavedFile ParseSavedLines(std::string_view text, const std::string& name);

}  // namespace dossier
