#include <gtest/gtest.h>

#include <algorithm>

#include "profile/profile_tables.h"
#include "support/network_of.h"

namespace dossier {
namespace {

std::size_t Count(const Network& network, std::string_view role) {
    return static_cast<std::size_t>(
        std::count_if(network.members.begin(), network.members.end(),
                      [&](const SavedCharacter& m) { return m.profile.role == role; }));
}

const std::string& RoleOf(const Network& network, int id) {
    return network.members[static_cast<std::size_t>(id - 1)].profile.role;
}

// The rules every drawn network keeps, for every size and many seeds.
TEST(NetworkStructureTest, EveryNetworkKeepsTheRulesOfTradecraft) {
    for (int size = kSmallestNetwork; size <= kLargestNetwork; ++size) {
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            const Network network = DrawnNetwork(size, seed);
            SCOPED_TRACE("size " + std::to_string(size) + ", seed " + std::to_string(seed));
            ASSERT_EQ(network.members.size(), static_cast<std::size_t>(size));
            EXPECT_EQ(RoleOf(network, 1), "Handler");
            EXPECT_EQ(Count(network, "Handler"), 1U);
            EXPECT_LE(Count(network, "Talent Spotter"), 1U);
            const std::optional<NetworkFault> fault = FindNetworkFault(network);
            EXPECT_FALSE(fault) << fault->what;
            if (size >= 4) {
                EXPECT_GE(Count(network, "Courier"), 1U);
            }
            if (size >= 5) {
                EXPECT_GE(Count(network, "Safe-House Keeper"), 1U);
            }
            if (size >= 12) {
                EXPECT_GE(Count(network, "Cutout"), 1U);
            }
            std::size_t farFromHandler = 0, secrets = 0;
            for (std::size_t m = 1; m < network.members.size(); ++m) {
                const std::string& role = network.members[m].profile.role;
                const bool meetsHandler = SuperiorOf(network, m) == 0U;
                farFromHandler += meetsHandler ? 0 : 1;
                for (const NetworkLink& link : network.links[m]) {
                    // Only who meets the handler has any link to him, let alone his true name.
                    if (link.to == 1) {
                        EXPECT_TRUE(meetsHandler) << "member " << m + 1;
                    }
                    if (link.kind == kServes) {
                        EXPECT_TRUE(role == "Courier" || role == "Safe-House Keeper") << role;
                        EXPECT_EQ(link.to, 1);
                    }
                    if (link.kind == kRuns) {
                        EXPECT_EQ(role, "Cutout");
                    }
                    if (link.kind == kRecruitedBy) {
                        EXPECT_EQ(RoleOf(network, link.to), "Talent Spotter");
                    }
                    if (link.kind == kReportsSecretlyTo) ++secrets;
                }
            }
            EXPECT_LE(secrets, 1U);
            if (size >= 12) {
                EXPECT_GE(farFromHandler, 2U);
            }
            for (std::size_t m = 0; m < network.members.size(); ++m) {
                if (network.members[m].profile.role != "Cutout") continue;
                const bool runsSomeone =
                    std::any_of(network.links[m].begin(), network.links[m].end(),
                                [](const NetworkLink& link) { return link.kind == kRuns; });
                EXPECT_TRUE(runsSomeone) << "cutout " << m + 1 << " runs no one";
            }
        }
    }
}

// What is left to chance happens about as often as the README says.
TEST(NetworkStructureTest, TheOddsAreThoseTheReadmeStates) {
    struct Row {
        int size;
        const char* what;
        double low, high;  // of 1,000 networks
    };
    const Row rows[] = {
        {10, "a member who reports to the other side (1 in 3)", 0.29, 0.38},
        {10, "a mole (1 in 2)", 0.45, 0.55},
        {10, "a cutout (1 in 3 from 8 to 11 members)", 0.29, 0.38},
        {7, "a cutout (none under 8 members)", 0, 0},
        {5, "a mole (none under 6 members)", 0, 0},
    };
    for (const Row& row : rows) {
        int seen = 0;
        for (std::uint64_t seed = 1; seed <= 1000; ++seed) {
            const Network network = DrawnNetwork(row.size, seed);
            const std::string what = row.what;
            if (what.starts_with("a mole")) {
                seen += Count(network, "Mole") > 0;
            } else if (what.starts_with("a cutout")) {
                seen += Count(network, "Cutout") > 0;
            } else {
                for (const auto& links : network.links)
                    for (const NetworkLink& link : links) seen += link.to == kOtherSide;
            }
        }
        EXPECT_GE(seen / 1000.0, row.low) << row.what;
        EXPECT_LE(seen / 1000.0, row.high) << row.what;
    }
}

TEST(NetworkStructureTest, ARoleAskedForIsInEveryNetworkOfEverySize) {
    for (const std::string_view role : kRoles) {
        for (const int size : {3, 4, 5, 7, 12, 30}) {
            for (std::uint64_t seed = 1; seed <= 5; ++seed) {
                const Network network = DrawnNetwork(size, seed, FindRole(role));
                EXPECT_GE(Count(network, role), 1U) << role << ", size " << size;
                EXPECT_EQ(network.members.size(), static_cast<std::size_t>(size));
                EXPECT_FALSE(FindNetworkFault(network)) << role << ", size " << size;
            }
        }
    }
}

}  // namespace
}  // namespace dossier
