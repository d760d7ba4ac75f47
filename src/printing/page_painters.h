#pragma once

#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <string_view>

#include "core/saved/roster.h"

class QPagedPaintDevice;

namespace dossier {

// Paints sheets as a reader sees them, one to a page, in a fixed-pitch font so the columns
// line up as the sheet's blanks intend. For PDF and the printer alike.
class SheetPainter {
  public:
    explicit SheetPainter(QPagedPaintDevice& device);
    bool isActive() const { return painter_.isActive(); }
    void Add(std::string_view sheetText);
    void End() { painter_.end(); }

  private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    bool first_ = true;
};

// Paints roster blocks down the page, starting a new page when the next would not fit.
class RosterPainter {
  public:
    explicit RosterPainter(QPagedPaintDevice& device);
    bool isActive() const { return painter_.isActive(); }
    void Add(const RosterBlock& block);
    void End() { painter_.end(); }

  private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    QFont titleFont_;
    QFont textFont_;
    int top_ = 0;
};

// A4, or US Letter where the locale measures in inches.
QPageSize LocalePageSize();

}  // namespace dossier
