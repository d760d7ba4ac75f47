// Reads arbitrary bytes as a saved character file. The reader either refuses them with its own
// error or gives characters that write back to lines it reads as the same characters, whose
// names fit their lines on the sheet; a network it gives is sound, writes back the same, and
// is laid out and drawn for other tools.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/saved/character_json.h"
#include "network/network_graphs.h"
#include "network/network_layout.h"
#include "platform/utf8_text.h"

namespace dossier {
namespace {

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

std::string Lines(const Network& network) {
    std::string text;
    for (std::size_t m = 0; m < network.members.size(); ++m)
        text += NetworkMemberJsonLine(network, m);
    return text;
}

void CheckNetwork(const Network& network) {
    if (FindNetworkFault(network)) Fail("an unsound network is read");
    const std::string lines = Lines(network);
    try {
        if (Lines(ParseSavedLines(lines, "written").content) != lines)
            Fail("a written network reads back otherwise:\n" + lines);
    } catch (const CharacterFileError& error) {
        Fail(std::string("a written network is refused: ") + error.what() + "\n" + lines);
    }
    const NetworkPicture picture = LayOutNetwork(network);
    if (picture.members.size() != network.members.size()) Fail("a member left out of the picture");
    if (NetworkDot(network).empty() || NetworkMermaid(network).empty()) Fail("no graph");
}

void Check(std::string_view text) {
    std::vector<SavedCharacter> read;
    try {
        SavedFile file = ParseSavedLines(text, "fuzz");
        if (file.isNetwork) CheckNetwork(file.content);
        read = std::move(file.content.members);
    } catch (const CharacterFileError&) {
        return;
    }
    for (std::size_t i = 0; i < read.size(); ++i) {
        const SavedCharacter& character = read[i];
        if (CharacterCount(character.names.name) > kLongestName ||
            CharacterCount(character.names.alias) > kLongestName)
            Fail("a name longer than its line");
        const std::string line = CharacterJsonLine(character, static_cast<long long>(i + 1));
        std::vector<SavedCharacter> again;
        try {
            again = ParseCharacterLines(line, "written");
        } catch (const CharacterFileError& error) {
            Fail(std::string("a written line is refused: ") + error.what() + "\n" + line);
        }
        if (again.size() != 1 || CharacterJsonLine(again[0], static_cast<long long>(i + 1)) != line)
            Fail("a written line reads back otherwise:\n" + line);
        if (again[0].sheetText != character.sheetText) Fail("the sheet reads back otherwise");
    }
}

}  // namespace
}  // namespace dossier

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    dossier::Check({reinterpret_cast<const char*>(data), size});
    return 0;
}
