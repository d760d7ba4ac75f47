#include "network/network_layout.h"

#include <algorithm>

namespace dossier {

namespace {

constexpr double kBoxWidth = 46;
constexpr double kBoxHeight = 13;
constexpr double kLeftGutter = 20;  // a column's spine and the labels on its stubs
constexpr double kSpineInset = 3;
constexpr double kRowGutter = 8;  // a bus in the middle, drop labels below it
constexpr double kLaneMargin = 2;
constexpr double kLaneStep = 1.4;  // between lines that run side by side
constexpr double kLabelHeight = 3;
constexpr double kLabelGap = 0.4;                            // between a label and its line
constexpr double kTrackStep = kLabelHeight + 3 * kLabelGap;  // a label above each track
constexpr double kLegendWidth = 72;
constexpr double kLegendHeight = 17;
constexpr std::size_t kMostInAColumn = 7;
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

class Layout {
  public:
    explicit Layout(const Network& network)
        : network_(network), size_(network.members.size()), column_(size_), row_(size_) {
        children_.resize(size_);
        for (std::size_t m = 0; m < size_; ++m) {
            if (const std::optional<std::size_t> superior = SuperiorOf(network, m)) {
                children_[*superior].push_back(m);
            } else {
                root_ = m;
            }
        }
    }

    NetworkPicture Draw() {
        Place(root_, 0, 0);
        PlanRoutes();
        // Columns as wide as their lanes need.
        double x = 0;
        for (const std::size_t slots : laneSlots_) {
            left_.push_back(x);
            x += kLeftGutter + kBoxWidth + 2 * kLaneMargin + static_cast<double>(slots) * kLaneStep;
        }
        picture_.width = x;
        for (std::size_t m = 0; m < size_; ++m) picture_.members.push_back(Box(m));
        for (std::size_t m = 0; m < size_; ++m) Connect(m);
        RouteOutsideLinks();
        return std::move(picture_);
    }

  private:
    // Puts the member and those under it from the column and row given; returns the columns
    // taken. Stacks of members who run no one come first, then each who does, side by side.
    std::size_t Place(std::size_t member, std::size_t column, std::size_t row) {
        Use(column);
        column_[member] = column;
        row_[member] = row;
        rows_ = std::max(rows_, row + 1);
        std::size_t next = column;
        std::vector<std::size_t> stack;
        for (const std::size_t child : children_[member]) {
            if (children_[child].empty()) stack.push_back(child);
        }
        for (std::size_t start = 0; start < stack.size(); start += kMostInAColumn) {
            Use(next);
            const std::size_t end = std::min(stack.size(), start + kMostInAColumn);
            for (std::size_t i = start; i < end; ++i) {
                column_[stack[i]] = next;
                row_[stack[i]] = row + 1 + (i - start);
                rows_ = std::max(rows_, row + 2 + (i - start));
            }
            stacks_.push_back({member,
                               next,
                               {stack.begin() + static_cast<std::ptrdiff_t>(start),
                                stack.begin() + static_cast<std::ptrdiff_t>(end)}});
            ++next;
        }
        // Below a member with no stack, its first who runs others stands in its column.
        for (const std::size_t child : children_[member]) {
            if (children_[child].empty()) continue;
            next += Place(child, next, row + 1);
        }
        return std::max<std::size_t>(1, next - column);
    }
    void Use(std::size_t column) { columns_ = std::max(columns_, column + 1); }

    // Links outside the chain of command: each takes a slot in the lanes of the columns at its
    // two ends and a track of the gutter under the chart. Reports to the other side take the
    // last tracks: their drops to its box cross no track's label.
    void PlanRoutes() {
        laneSlots_.assign(columns_, 0);
        ends_.assign(size_, 0);
        for (std::size_t m = 0; m < size_; ++m) {
            for (const NetworkLink& link : network_.links[m]) {
                if (link.kind != kRecruitedBy && link.kind != kReportsSecretlyTo) continue;
                const bool secret = link.to == kOtherSide;
                Route route{.from = m,
                            .to = secret ? kNone : static_cast<std::size_t>(link.to - 1),
                            .fromSlot = laneSlots_[column_[m]]++,
                            .toSlot = 0,
                            .track = 0,
                            .contact = link.contact};
                ++ends_[m];
                if (!secret) {
                    route.toSlot = laneSlots_[column_[route.to]]++;
                    ++ends_[route.to];
                }
                routes_.push_back(route);
            }
        }
        std::stable_partition(routes_.begin(), routes_.end(),
                              [](const Route& route) { return route.to != kNone; });
        for (std::size_t track = 0; track < routes_.size(); ++track) routes_[track].track = track;
    }

    double RowTop(std::size_t row) const {
        return static_cast<double>(row) * (kBoxHeight + kRowGutter);
    }
    double BoxLeft(std::size_t column) const { return left_[column] + kLeftGutter; }
    PictureRect Box(std::size_t m) const {
        return {BoxLeft(column_[m]), RowTop(row_[m]), kBoxWidth, kBoxHeight};
    }
    double Lane(std::size_t column, std::size_t slot) const {
        return BoxLeft(column) + kBoxWidth + kLaneMargin + static_cast<double>(slot) * kLaneStep;
    }

    // The member's tie to those it runs: a bus under it, a spine down each stack with a stub
    // to each box, a drop to each who runs others, labelled with the contact.
    void Connect(std::size_t member) {
        if (children_[member].empty()) return;
        const PictureRect box = picture_.members[member];
        const double bus = box.Bottom() + kRowGutter / 2;
        const double centre = box.x + box.width / 2;
        double leftmost = centre, rightmost = centre;
        for (const Stack& stack : stacks_) {
            if (stack.superior != member) continue;
            const double spine = left_[stack.column] + kSpineInset;
            const PictureRect last = picture_.members[stack.members.back()];
            Line({{spine, bus}, {spine, last.y + last.height / 2}}, LineStyle::Command);
            leftmost = std::min(leftmost, spine);
            rightmost = std::max(rightmost, spine);
            for (const std::size_t child : stack.members) {
                const PictureRect to = picture_.members[child];
                const double y = to.y + to.height / 2;
                Line({{spine, y}, {to.x, y}}, LineStyle::Command);
                Label({spine + 1, y - kLabelHeight - 0.4, to.x - spine - 1.5, kLabelHeight},
                      TieLabel(child));
            }
        }
        for (const std::size_t child : children_[member]) {
            if (children_[child].empty()) continue;
            const PictureRect to = picture_.members[child];
            const double x = to.x + to.width / 2;
            Line({{x, bus}, {x, to.y}}, LineStyle::Command);
            leftmost = std::min(leftmost, x);
            rightmost = std::max(rightmost, x);
            Label({x + 0.8, bus + 0.4, to.Right() - x - 0.8, kLabelHeight}, TieLabel(child));
        }
        Line({{centre, box.Bottom()}, {centre, bus}}, LineStyle::Command);
        if (rightmost > leftmost) Line({{leftmost, bus}, {rightmost, bus}}, LineStyle::Command);
    }
    std::string TieLabel(std::size_t member) const {
        for (const NetworkLink& link : network_.links[member]) {
            if (IsCommand(link.kind))
                return link.contact + (link.knowsTrueName ? kKnowsTrueNameMarker : "");
        }
        return {};
    }

    // The lines outside the chain, round the boxes; then the legend and the other side under
    // the chart.
    void RouteOutsideLinks() {
        const double gutter = RowTop(rows_) - kRowGutter + kLaneMargin * 2;
        const double bottom =
            gutter + static_cast<double>(routes_.size()) * kTrackStep + kLaneMargin * 2;
        picture_.legend = {0, bottom, kLegendWidth, kLegendHeight};
        double end = bottom + kLegendHeight;
        const bool secret = std::any_of(routes_.begin(), routes_.end(),
                                        [](const Route& route) { return route.to == kNone; });
        if (secret) {
            picture_.otherSide =
                PictureRect{kLegendWidth + kLeftGutter, bottom, kBoxWidth, kBoxHeight};
            end = std::max(end, picture_.otherSide->Bottom());
            picture_.width = std::max(picture_.width, picture_.otherSide->Right());
        }
        picture_.width = std::max(picture_.width, kLegendWidth);
        picture_.height = end;
        std::vector<std::size_t> ends(size_, 0);
        for (const Route& route : routes_) {
            const double track = gutter + static_cast<double>(route.track) * kTrackStep;
            const PicturePoint out = EdgePoint(route.from, ends);
            const double fromLane = Lane(column_[route.from], route.fromSlot);
            std::vector<PicturePoint> points{out, {fromLane, out.y}, {fromLane, track}};
            if (route.to == kNone) {
                const double x = picture_.otherSide->x + kBoxWidth / 2;
                points.insert(points.end(), {{x, track}, {x, picture_.otherSide->y}});
                Line(std::move(points), LineStyle::Secret);
                continue;
            }
            const PicturePoint in = EdgePoint(route.to, ends);
            const double toLane = Lane(column_[route.to], route.toSlot);
            points.insert(points.end(), {{toLane, track}, {toLane, in.y}, in});
            Line(std::move(points), LineStyle::Recruited);
            LabelTrack(std::min(column_[route.from], column_[route.to]),
                       column_[route.from] != column_[route.to], track, route.contact);
        }
    }
    // A track's label stands above it where no lane crosses: over the box of the next column
    // the track runs under, or, where both ends share a column, beside the track's start.
    void LabelTrack(std::size_t column, bool spansColumns, double track, std::string text) {
        const auto freeUpTo = [this](std::size_t c) {
            return BoxLeft(c) + kBoxWidth + kLaneMargin - kLabelGap;  // short of the lanes
        };
        const double y = track - kLabelGap - kLabelHeight;
        if (spansColumns) {
            const double start = left_[column + 1] + kLabelGap;
            Label({start, y, freeUpTo(column + 1) - start, kLabelHeight}, std::move(text));
        } else {
            Label({BoxLeft(column), y, freeUpTo(column) - BoxLeft(column), kLabelHeight},
                  std::move(text), true);
        }
    }
    // Where the next line meets the member's box on its right edge, the lines spread down it.
    PicturePoint EdgePoint(std::size_t member, std::vector<std::size_t>& ends) const {
        const PictureRect box = picture_.members[member];
        const double room = kBoxHeight - 3;
        const double step =
            std::min(1.2, room / static_cast<double>(std::max<std::size_t>(ends_[member], 1)));
        return {box.Right(), box.y + 1.5 + static_cast<double>(ends[member]++) * step};
    }

    void Line(std::vector<PicturePoint> points, LineStyle style) {
        picture_.lines.push_back({std::move(points), style});
    }
    void Label(PictureRect box, std::string text, bool flushRight = false) {
        if (!text.empty()) picture_.labels.push_back({box, std::move(text), flushRight});
    }

    struct Stack {
        std::size_t superior;
        std::size_t column;
        std::vector<std::size_t> members;
    };
    struct Route {
        std::size_t from;
        std::size_t to;  // kNone: the other side
        std::size_t fromSlot;
        std::size_t toSlot;
        std::size_t track;
        std::string contact;
    };

    const Network& network_;
    std::size_t size_;
    std::size_t root_ = 0;
    std::vector<std::vector<std::size_t>> children_;
    std::size_t columns_ = 0;
    std::vector<std::size_t> ends_;  // lines meeting each box's right edge
    std::vector<Stack> stacks_;
    std::vector<std::size_t> column_;
    std::vector<std::size_t> row_;
    std::size_t rows_ = 0;
    std::vector<std::size_t> laneSlots_;
    std::vector<Route> routes_;
    std::vector<double> left_;
    NetworkPicture picture_;
};

}  // namespace

NetworkPicture LayOutNetwork(const Network& network) {
    return Layout(network).Draw();
}

}  // namespace dossier
