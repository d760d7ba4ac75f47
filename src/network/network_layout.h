#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/saved/network.h"

namespace dossier {

// A network's picture in millimetres, before any painter scales it to a page: the members'
// boxes, the lines between them and the labels on those lines. Nothing overlaps: boxes and
// labels stand apart, and lines run between the boxes, meeting them only at their edges.
struct PictureRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    double Right() const { return x + width; }
    double Bottom() const { return y + height; }
};

struct PicturePoint {
    double x = 0;
    double y = 0;
};

enum class LineStyle { Command, Recruited, Secret };

struct PictureLine {
    std::vector<PicturePoint> points;
    LineStyle style = LineStyle::Command;
};

// A label's text is set to fit its box: the painter shrinks it where it must.
struct PictureLabel {
    PictureRect box;
    std::string text;
    bool flushRight = false;  // against the line at its right end
};

struct NetworkPicture {
    double width = 0;
    double height = 0;
    std::vector<PictureRect> members;  // by the members' places
    std::optional<PictureRect> otherSide;
    PictureRect legend;
    std::vector<PictureLine> lines;
    std::vector<PictureLabel> labels;
};

// The marker a tie's label ends with where the member below knows the true name above.
inline constexpr const char* kKnowsTrueNameMarker = " *";

// An org chart: each member above those it runs; those who run no one stacked in columns under
// their superior, the others side by side; links outside the chain of command run round the
// boxes by lanes and a gutter under the chart; the legend and the other side below it.
NetworkPicture LayOutNetwork(const Network& network);

}  // namespace dossier
