#include "printing/page_painters.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QTextLayout>
#include <algorithm>

#include "printing/qt_text.h"

namespace dossier {

namespace {

QFont FixedPitchFont() {
    QFont font = OwnFont("DejaVu Sans Mono");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

// The page less its margins, in the device's pixels.
QRect PrintableArea(QPagedPaintDevice& device, QPainter& /*painter*/) {
    return QRect(0, 0, device.width(), device.height());
}

}  // namespace

QFont OwnFont(const char* family) {
    static const bool loaded = [] {
        for (const char* file : {"DejaVuSansMono.ttf", "DejaVuSans.ttf", "DejaVuSans-Bold.ttf"})
            QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + QLatin1String(file));
        return true;
    }();
    (void)loaded;
    return QFont(QString::fromLatin1(family));
}

QPageSize LocalePageSize() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

void Pages::StartPage() {
    if (!blank_) device_.newPage();
    blank_ = false;
}

void SheetPainter::Add(std::string_view sheetText) {
    pages_.StartPage();
    QPagedPaintDevice& device = pages_.device();
    QPainter& painter = pages_.painter();
    const std::vector<std::string> lines = ReadableSheetLines(sheetText);
    const QRect area = PrintableArea(device, painter);
    std::size_t widest = 1;
    for (const std::string& line : lines) widest = std::max(widest, line.size());
    // The largest size up to 10 points at which every line fits across and the sheet down.
    QFont font = FixedPitchFont();
    font.setPointSizeF(10);
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), &device);
    const double across =
        area.width() / (metrics.horizontalAdvance(QLatin1Char('M')) * static_cast<double>(widest));
    const double down =
        area.height() /
        (metrics.lineSpacing() * static_cast<double>(std::max<std::size_t>(lines.size(), 1)));
    font.setPointSizeF(10 * std::min({1.0, across, down}));
    painter.setFont(font);
    const QFontMetricsF fitted(painter.font(), &device);
    double y = area.top() + fitted.ascent();
    for (const std::string& line : lines) {
        painter.drawText(QPointF(area.left(), y), ToQString(line));
        y += fitted.lineSpacing();
    }
}

RosterPainter::RosterPainter(Pages& pages)
    : pages_(pages), titleFont_(OwnFont("DejaVu Sans")), textFont_(OwnFont("DejaVu Sans")) {
    titleFont_.setPointSizeF(9.5);
    titleFont_.setBold(true);
    textFont_.setPointSizeF(7.5);
}

void RosterPainter::Add(const RosterBlock& block) {
    QPagedPaintDevice& device = pages_.device();
    QPainter& painter = pages_.painter();
    const QRect area = PrintableArea(device, painter);
    if (top_ < 0) {
        pages_.StartPage();
        top_ = area.top();
    }
    // Lay the block out first: it goes whole on one page.
    const QFontMetricsF titleMetrics(titleFont_, &device);
    const QFontMetricsF textMetrics(textFont_, &device);
    std::vector<std::pair<QString, double>> pieces;  // text and the height it takes
    const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    double height = titleMetrics.lineSpacing() * 1.2;
    for (const std::string& line : block.lines) {
        const QRectF bounds =
            textMetrics.boundingRect(QRectF(0, 0, area.width(), 1e6), flags, ToQString(line));
        pieces.emplace_back(ToQString(line), bounds.height());
        height += bounds.height();
    }
    const double gap = textMetrics.lineSpacing();
    if (top_ > area.top() && top_ + height > area.bottom()) {
        device.newPage();
        top_ = area.top();
    }
    double y = top_;
    painter.setFont(titleFont_);
    painter.drawText(QRectF(area.left(), y, area.width(), titleMetrics.lineSpacing() * 1.2),
                     Qt::AlignLeft | Qt::AlignVCenter, ToQString(block.title));
    y += titleMetrics.lineSpacing() * 1.2;
    painter.setFont(textFont_);
    for (const auto& [text, lineHeight] : pieces) {
        painter.drawText(QRectF(area.left(), y, area.width(), lineHeight), flags, text);
        y += lineHeight;
    }
    painter.setPen(QPen(Qt::gray, 0));
    painter.drawLine(QPointF(area.left(), y + gap / 2), QPointF(area.right(), y + gap / 2));
    painter.setPen(QPen(Qt::black, 0));
    top_ = static_cast<int>(y + gap);
}

}  // namespace dossier
