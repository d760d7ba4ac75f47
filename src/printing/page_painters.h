#pragma once

#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <string_view>

#include "core/saved/roster.h"

#include <QPagedPaintDevice>

namespace dossier {

// The pages of one document and the one painter that paints them: a painter for sheets, the
// roster or a picture starts on a page of its own once something is on the last.
class Pages {
  public:
    explicit Pages(QPagedPaintDevice& device) : device_(device), painter_(&device) {}
    bool isActive() const { return painter_.isActive(); }
    QPainter& painter() { return painter_; }
    QPagedPaintDevice& device() { return device_; }
    // A page to paint on, new unless nothing is on the current one.
    void StartPage();
    void End() { painter_.end(); }

  private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    bool blank_ = true;
};

// Paints sheets as a reader sees them, one to a page, in a fixed-pitch font so the columns
// line up as the sheet's blanks intend. For PDF and the printer alike.
class SheetPainter {
  public:
    explicit SheetPainter(Pages& pages) : pages_(pages) {}
    void Add(std::string_view sheetText);

  private:
    Pages& pages_;
};

// Paints roster blocks down the page, starting a new page when the next would not fit.
class RosterPainter {
  public:
    explicit RosterPainter(Pages& pages);
    void Add(const RosterBlock& block);

  private:
    Pages& pages_;
    QFont titleFont_;
    QFont textFont_;
    int top_ = -1;  // where the next block goes; none on this painter's pages yet
};

// One of the fonts that travel with the program, so that a page looks the same wherever it is
// printed: DejaVu Sans, DejaVu Sans Mono.
QFont OwnFont(const char* family);

// A4, or US Letter where the locale measures in inches.
QPageSize LocalePageSize();

}  // namespace dossier
