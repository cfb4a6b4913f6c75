// QtGridMetrics.h - text extents measured with Qt's font metrics, so that fitting a shown grid
// sizes columns and rows for the fonts the view really draws.
#pragma once

#include "grid/GridMetrics.h"

namespace ovui::grid {

class QtGridMetrics : public ovgrid::GridMetrics {
  public:
    // Falls back to the headless metrics when no GUI application exists (fonts cannot be
    // measured then), so a grid that keeps these metrics never depends on a live display.
    ovgrid::TextExtent textExtent(std::wstring_view text,
                                  const ovgrid::FontInfo& font) const override;
};

// The one instance views install; it lives for the whole program, so grids may keep it.
const QtGridMetrics& qtGridMetrics();

}  // namespace ovui::grid
