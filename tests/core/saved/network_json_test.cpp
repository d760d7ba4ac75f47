#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/dice/random_dice.h"
#include "core/rules/age_handedness.h"
#include "core/saved/character_json.h"
#include "frontend/generation_modes.h"
#include "support/frontend_fakes.h"
#include "support/network_of.h"

namespace dossier {
namespace {

using Json = nlohmann::ordered_json;

SavedCharacter Generated(std::uint64_t seed) {
    SeededDice dice(seed);
    CharacterRecord record = StartupRecord(dice);
    testing::RecordingSink sink;
    testing::ScriptedDialogs none;
    GenerationModes(record, sink, none).Press(Mode::QuickRandom);
    return sink.saved.at(0);
}

// A drawn network whose members are whole characters, names with what JSON must escape.
Network WholeNetwork(int size, std::uint64_t seed) {
    Network network = DrawnNetwork(size, seed);
    for (std::size_t m = 0; m < network.members.size(); ++m) {
        const std::string role = network.members[m].profile.role;
        network.members[m] = Generated(seed + m);
        network.members[m].names = {"O'Hara \"#" + std::to_string(m) + "\": Zoë", "Grey Heron",
                                    "Irish"};
        network.members[m].profile = {
            role, "Money", "Debts", "A flat", "Steady", "Hums", {"Jan Nowak", "Baker", "Solid"}};
        network.members[m].sheetText = LaidOutSheet(network.members[m]);
    }
    return network;
}

std::string Lines(const Network& network) {
    std::string text;
    for (std::size_t m = 0; m < network.members.size(); ++m)
        text += NetworkMemberJsonLine(network, m);
    return text;
}

TEST(NetworkJsonTest, ANetworkReadsBackWithItsLinksInTheOrderOfItsIds) {
    for (const int size : {3, 8, 30}) {
        const Network network = WholeNetwork(size, 20 + static_cast<std::uint64_t>(size));
        const std::string text = Lines(network);
        // Written last to first, read back first to last.
        std::string reversed;
        for (std::size_t m = network.members.size(); m-- > 0;)
            reversed += NetworkMemberJsonLine(network, m);
        const SavedFile read = ParseSavedLines(reversed, "f");
        ASSERT_TRUE(read.isNetwork);
        EXPECT_EQ(read.content.links, network.links);
        EXPECT_EQ(Lines(read.content), text) << size;
        EXPECT_EQ(read.content.members.at(1).names.name, "O'Hara \"#1\": Zo\xC3\xAB");
        // A plain character file is no network; the same reader takes both.
        EXPECT_FALSE(ParseSavedLines(CharacterJsonLine(network.members[0], 1), "f").isNetwork);
        EXPECT_EQ(ParseCharacterLines(text, "f").size(), network.members.size());
    }
}

void ExpectRefused(const std::string& text, const std::string& fault) {
    try {
        ParseSavedLines(text, "f");
        ADD_FAILURE() << "read: " << fault;
    } catch (const CharacterFileError& error) {
        EXPECT_NE(std::string(error.what()).find(fault), std::string::npos)
            << error.what() << "\nexpected: " << fault;
    }
}

// A network of four: 1 the handler; 2 a courier who serves him; 3 and 4 agents who report to
// him. Each row spoils it one way.
TEST(NetworkJsonTest, EveryUnsoundNetworkIsRefusedWithTheLineAndTheFault) {
    Network network = WholeNetwork(4, 3);
    network.links = {
        {{2, "runs", "meeting", true}, {3, "runs", "phone", true}, {4, "runs", "signal", true}},
        {{1, "serves", "meeting", false}},
        {{1, "reports to", "phone", true}},
        {{1, "reports to", "signal", false}}};
    for (std::size_t m = 0; m < 4; ++m)
        network.members[m].profile.role = m == 0 ? "Handler" : m == 1 ? "Courier" : "Agent";
    ASSERT_FALSE(FindNetworkFault(network));
    std::vector<Json> lines;
    for (std::size_t m = 0; m < 4; ++m)
        lines.push_back(Json::parse(NetworkMemberJsonLine(network, m)));
    struct Row {
        std::size_t line;  // from 1
        const char* pointer;
        Json value;
        const char* fault;
    };
    const Row rows[] = {
        {2, "/links/0/to", 9,
         "f: line 2: member 2 has a link to member 9, who is not in the network"},
        {2, "/links/0/to", 31, "f: line 2: \"links.to\" is 31, not a member's number"},
        {3, "/profile/role", "Handler", "f: line 3: member 3 is a second handler"},
        {1, "/profile/role", "Agent", "f: line 1: the network has no handler"},
        {3, "/links/0/to", 4, "line 3: member 3's link to member 4 is not held at the other end"},
        {1, "/links/0/kind", "serves", "line 1: the handler reports to a member"},
        {4, "/links", Json::array(),
         "line 4: member 4 reports to no one: the handler cannot reach it"},
        {2, "/links/0/kind", "loves", "line 2: \"links.kind\" is \"loves\", none of reports to,"},
        {2, "/links/0/contact", "e-mail", "\"links.contact\" is \"e-mail\", none of meeting,"},
        {2, "/links/0/knowsTrueName", "yes",
         "line 2: \"links.knowsTrueName\" is not true or false"},
        {2, "/links/0/kind", "reports secretly to",
         "line 2: member 2 reports secretly to a member"},
        {2, "/links/0/to", 0, "line 2: member 2 has a link to no member (0)"},
        {2, "/links/0/to", 2, "line 2: member 2 has a link to itself"},
        {3, "/id", 2, "line 3: a second member 2 (the first on line 2)"},
        {4, "/id", 7, "line 4: member 7 in a network of 4"},
        {4, "/id", "4", "line 4: \"id\" is \"4\", not a member's number from 1 to 30"},
        {2, "/links/0/secret", 1, "line 2: unknown key \"links.secret\""},
        {2, "/format", 3, "line 2: not a network's member, as the first line was"},
        {1, "/format", 3, "line 2: a network's member, which the first line was not"},
    };
    for (const Row& row : rows) {
        std::vector<Json> spoilt = lines;
        spoilt[row.line - 1][Json::json_pointer(row.pointer)] = row.value;
        if (std::string(row.pointer) == "/format") {
            spoilt[row.line - 1].erase("id");
            spoilt[row.line - 1].erase("links");
        }
        std::string text;
        for (const Json& line : spoilt) text += line.dump() + "\n";
        ExpectRefused(text, row.fault);
    }
    // A cycle: 3 reports to 4, which reports to 3, and neither reaches the handler.
    Network cycle = network;
    cycle.links[0].resize(1);
    cycle.links[2] = {{4, "reports to", "phone", false}, {4, "runs", "phone", true}};
    cycle.links[3] = {{3, "reports to", "signal", false}, {3, "runs", "signal", true}};
    ExpectRefused(Lines(cycle), "line 3: member 3 is in a cycle of reporting");
    // Two members are no network.
    Network pair = network;
    pair.members.resize(2);
    pair.links = {{{2, "runs", "meeting", true}}, {{1, "serves", "meeting", false}}};
    ExpectRefused(Lines(pair), "f: line 1: a network has 3 to 30 members, not 2");
}

}  // namespace
}  // namespace dossier
