#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "network/network_layout.h"
#include "profile/profile_tables.h"
#include "support/network_of.h"

namespace dossier {
namespace {

// The label font, some 2.1 mm high, is at most this wide a character on average before the
// painter shrinks it.
constexpr double kNarrowestCharacter = 0.9;
constexpr double kEdge = 0.05;  // lines may meet a box's edge, never enter it

bool Apart(const PictureRect& a, const PictureRect& b) {
    return a.Right() <= b.x || b.Right() <= a.x || a.Bottom() <= b.y || b.Bottom() <= a.y;
}

// Whether the axis-parallel segment runs inside the rectangle.
bool Crosses(PicturePoint p, PicturePoint q, const PictureRect& r) {
    const double left = r.x + kEdge, right = r.Right() - kEdge;
    const double top = r.y + kEdge, bottom = r.Bottom() - kEdge;
    if (p.y == q.y) {
        return p.y > top && p.y < bottom && std::max(p.x, q.x) > left && std::min(p.x, q.x) < right;
    }
    return p.x > left && p.x < right && std::max(p.y, q.y) > top && std::min(p.y, q.y) < bottom;
}

// A label stands just above one of the line's level runs, over it or short of its start.
bool Labels(const PictureLabel& label, const PictureLine& line) {
    for (std::size_t k = 1; k < line.points.size(); ++k) {
        const PicturePoint p = line.points[k - 1], q = line.points[k];
        const double below = p.y - label.box.Bottom();
        if (p.y == q.y && below >= 0 && below < 1 && label.box.x < std::max(p.x, q.x) &&
            label.box.Right() > std::min(p.x, q.x) - 15)
            return true;
    }
    return false;
}

// Each "recruited by" line carries its contact.
void ExpectRecruitmentsLabelled(const Network& network, const NetworkPicture& picture) {
    std::multiset<std::string> contacts, labelled;
    for (const std::vector<NetworkLink>& links : network.links)
        for (const NetworkLink& link : links)
            if (link.kind == kRecruitedBy) contacts.insert(link.contact);
    for (const PictureLine& line : picture.lines) {
        if (line.style != LineStyle::Recruited) continue;
        const auto label = std::find_if(picture.labels.begin(), picture.labels.end(),
                                        [&](const PictureLabel& l) { return Labels(l, line); });
        if (label != picture.labels.end()) labelled.insert(label->text);
    }
    EXPECT_EQ(labelled, contacts);
}

void ExpectNothingOverlaps(const Network& network, const std::string& trace) {
    SCOPED_TRACE(trace);
    const NetworkPicture picture = LayOutNetwork(network);
    ExpectRecruitmentsLabelled(network, picture);
    std::vector<std::pair<PictureRect, std::string>> solid;  // boxes, labels, the legend
    for (std::size_t m = 0; m < picture.members.size(); ++m)
        solid.emplace_back(picture.members[m], "member " + std::to_string(m + 1));
    if (picture.otherSide) solid.emplace_back(*picture.otherSide, "the other side");
    solid.emplace_back(picture.legend, "the legend");
    for (const PictureLabel& label : picture.labels) {
        solid.emplace_back(label.box, "label \"" + label.text + "\"");
        EXPECT_GE(label.box.width, kNarrowestCharacter * static_cast<double>(label.text.size()))
            << label.text;
    }
    for (std::size_t i = 0; i < solid.size(); ++i) {
        const PictureRect& a = solid[i].first;
        EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.Right() <= picture.width &&
                    a.Bottom() <= picture.height)
            << solid[i].second << " is outside the picture";
        for (std::size_t j = i + 1; j < solid.size(); ++j)
            EXPECT_TRUE(Apart(a, solid[j].first)) << solid[i].second << " on " << solid[j].second;
    }
    for (const PictureLine& line : picture.lines) {
        for (std::size_t k = 1; k < line.points.size(); ++k) {
            const PicturePoint p = line.points[k - 1], q = line.points[k];
            ASSERT_TRUE(p.x == q.x || p.y == q.y) << "a slanted line";
            for (const auto& [box, what] : solid)
                EXPECT_FALSE(Crosses(p, q, box)) << "a line through " << what;
        }
    }
}

// Every size, with and without a talent spotter's lines, and with the other side.
TEST(NetworkLayoutTest, NothingOverlapsInANetworkOfAnySize) {
    for (int size = kSmallestNetwork; size <= kLargestNetwork; ++size) {
        for (std::uint64_t seed = 1; seed <= 6; ++seed) {
            ExpectNothingOverlaps(DrawnNetwork(size, seed),
                                  std::to_string(size) + " members, seed " + std::to_string(seed));
            ExpectNothingOverlaps(
                DrawnNetwork(size, seed, FindRole("Talent Spotter")),
                std::to_string(size) + " members with a spotter, seed " + std::to_string(seed));
        }
    }
}

// A file may hold a deeper chain than Dossier draws: a cutout under a cutout, a stack of a
// dozen, a member who runs others beside a stack.
TEST(NetworkLayoutTest, NothingOverlapsInAHandMadeNetwork) {
    Network network = DrawnNetwork(3, 1);
    network.links.assign(3, {});
    auto tie = [&](int lower, int upper, const char* kind) {
        network.links[static_cast<std::size_t>(lower - 1)].push_back(
            {upper, kind, "signal", false});
        network.links[static_cast<std::size_t>(upper - 1)].push_back(
            {lower, std::string(kRuns), "signal", true});
    };
    for (int id = 4; id <= 20; ++id) {
        network.members.push_back(network.members[1]);
        network.links.emplace_back();
    }
    tie(2, 1, "reports to");                                    // a cutout
    tie(3, 2, "reports to");                                    // under it, another
    for (int id = 4; id <= 16; ++id) tie(id, 3, "reports to");  // a stack of 13
    tie(17, 1, "serves");
    tie(18, 17, "reports to");  // a courier who runs someone
    tie(19, 2, "reports to");
    tie(20, 19, "reports to");
    network.links[4].push_back({20, std::string(kRecruitedBy), "phone", false});
    network.links[15].push_back({kOtherSide, std::string(kReportsSecretlyTo), "phone", false});
    ASSERT_FALSE(FindNetworkFault(network)) << FindNetworkFault(network)->what;
    ExpectNothingOverlaps(network, "hand-made");
}

}  // namespace
}  // namespace dossier
