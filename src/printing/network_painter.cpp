#include "printing/network_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "network/network_graphs.h"
#include "printing/page_painters.h"
#include "printing/qt_text.h"

namespace dossier {

namespace {

constexpr double kTextHeight = 2.4;  // millimetres, before the picture is scaled
constexpr double kLabelText = 2.1;
constexpr double kSmallestShare = 0.7;  // of a text's size, before it is cut short instead
const QColor kSecretColour(170, 20, 20);
const QColor kRecruitColour(40, 80, 150);

// Draws in millimetres: a font of the height given in them, whatever the device's resolution.
class MillimetrePen {
  public:
    explicit MillimetrePen(QPainter& painter) : painter_(painter) {
        dpi_ = painter.device() != nullptr ? painter.device()->logicalDpiY() : 96;
    }
    QFont Font(double millimetres, bool bold = false) const {
        QFont font = OwnFont("DejaVu Sans");
        font.setPointSizeF(millimetres * 72.0 / dpi_);
        font.setBold(bold);
        return font;
    }
    // The text in the box: smaller where it must be, then cut short, never over the edge.
    void Text(const QRectF& box, const std::string& text, double millimetres, bool bold = false,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
        QFont font = Font(millimetres, bold);
        QString shown = ToQString(text);
        const double wide = QFontMetricsF(font, painter_.device()).horizontalAdvance(shown);
        if (wide > box.width()) {
            const double share = std::max(kSmallestShare, box.width() / wide * 0.98);
            font = Font(millimetres * share, bold);
            shown = QFontMetricsF(font, painter_.device())
                        .elidedText(shown, Qt::ElideRight, box.width());
        }
        painter_.setFont(font);
        painter_.drawText(box, align, shown);
    }

  private:
    QPainter& painter_;
    int dpi_;
};

QPen LinePen(LineStyle style) {
    switch (style) {
        case LineStyle::Recruited: {
            QPen pen(kRecruitColour, 0.3, Qt::DashLine);
            return pen;
        }
        case LineStyle::Secret:
            return QPen(kSecretColour, 0.4, Qt::DotLine);
        default:
            return QPen(Qt::black, 0.3);
    }
}

bool Turned(const Network& network, std::size_t member) {
    return std::any_of(network.links[member].begin(), network.links[member].end(),
                       [](const NetworkLink& link) { return link.kind == kReportsSecretlyTo; });
}

void DrawMember(QPainter& painter, MillimetrePen& pen, const QRectF& box, const Network& network,
                std::size_t member) {
    const SavedCharacter& character = network.members[member];
    const bool handler = character.profile.role == "Handler";
    painter.setPen(QPen(Turned(network, member) ? kSecretColour : Qt::black, handler ? 0.6 : 0.3));
    painter.setBrush(handler ? QColor(230, 230, 230) : QColor(Qt::white));
    painter.drawRoundedRect(box, 1, 1);
    painter.setPen(Qt::black);
    const double line = box.height() / 3.4;
    const QRectF inner = box.adjusted(1.2, 0.5, -1.2, -0.5);
    std::string role = character.profile.role;
    if (!character.names.alias.empty() && character.names.alias != MemberCaption(network, member))
        role += "  \"" + character.names.alias + "\"";
    std::string cover = "as " + character.profile.cover.name;
    if (!character.profile.cover.occupation.empty())
        cover += ", " + character.profile.cover.occupation;
    pen.Text({inner.x(), inner.y(), inner.width(), line},
             std::to_string(member + 1) + "  " + MemberCaption(network, member), kTextHeight, true);
    pen.Text({inner.x(), inner.y() + line, inner.width(), line}, role, kTextHeight);
    pen.Text({inner.x(), inner.y() + 2 * line, inner.width(), line}, cover, kTextHeight * 0.9);
}

void DrawLegend(QPainter& painter, MillimetrePen& pen, const QRectF& box) {
    const double row = box.height() / 4;
    const std::pair<LineStyle, const char*> rows[] = {
        {LineStyle::Command, "reports to or serves, by the contact shown"},
        {LineStyle::Recruited, "recruited by"},
        {LineStyle::Secret, "reports secretly to the other side"}};
    double y = box.y();
    for (const auto& [style, text] : rows) {
        painter.setPen(LinePen(style));
        painter.drawLine(QPointF(box.x(), y + row / 2), QPointF(box.x() + 10, y + row / 2));
        painter.setPen(Qt::black);
        pen.Text({box.x() + 12, y, box.width() - 12, row}, text, kLabelText);
        y += row;
    }
    pen.Text({box.x() + 2, y, box.width() - 2, row},
             std::string("*") + "  knows the true name of the one above", kLabelText);
}

}  // namespace

void DrawNetworkPicture(QPainter& painter, const QRectF& area, const Network& network,
                        const NetworkPicture& picture) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double perMillimetre =
        painter.device() != nullptr ? painter.device()->logicalDpiX() / 25.4 : 96 / 25.4;
    const double scale =
        std::min({area.width() / picture.width, area.height() / picture.height, perMillimetre});
    painter.translate(area.x() + (area.width() - picture.width * scale) / 2, area.y());
    painter.scale(scale, scale);
    MillimetrePen pen(painter);
    painter.setBrush(Qt::NoBrush);
    for (const PictureLine& line : picture.lines) {
        painter.setPen(LinePen(line.style));
        QPainterPath path;
        path.moveTo(line.points.front().x, line.points.front().y);
        for (std::size_t i = 1; i < line.points.size(); ++i)
            path.lineTo(line.points[i].x, line.points[i].y);
        painter.drawPath(path);
    }
    painter.setPen(Qt::black);
    for (const PictureLabel& label : picture.labels) {
        const PictureRect& b = label.box;
        pen.Text({b.x, b.y, b.width, b.height}, label.text, kLabelText, false,
                 (label.flushRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    for (std::size_t m = 0; m < picture.members.size(); ++m) {
        const PictureRect& b = picture.members[m];
        DrawMember(painter, pen, {b.x, b.y, b.width, b.height}, network, m);
    }
    if (picture.otherSide) {
        const PictureRect& b = *picture.otherSide;
        painter.setPen(QPen(kSecretColour, 0.4, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(b.x, b.y, b.width, b.height), 1, 1);
        painter.setPen(kSecretColour);
        std::string contacts;
        for (const std::vector<NetworkLink>& links : network.links)
            for (const NetworkLink& link : links)
                if (link.to == kOtherSide)
                    contacts += (contacts.empty() ? "by " : ", ") + link.contact;
        pen.Text({b.x + 1.2, b.y, b.width - 2.4, b.height / 2}, "The other side", kTextHeight, true,
                 Qt::AlignHCenter | Qt::AlignBottom);
        pen.Text({b.x + 1.2, b.y + b.height / 2, b.width - 2.4, b.height / 2}, contacts, kLabelText,
                 false, Qt::AlignHCenter | Qt::AlignTop);
    }
    const PictureRect& legend = picture.legend;
    DrawLegend(painter, pen, {legend.x, legend.y, legend.width, legend.height});
    painter.restore();
}

}  // namespace dossier
