// GridMetrics.h - how much room a text needs in a font, and the fixed conversion between
// the grid's size units and pixels. The engine uses the deterministic headless metrics; a
// view installs metrics based on real font measurement.
#pragma once

#include <string_view>

#include "grid/GridTypes.h"

namespace ovgrid {

struct TextExtent {
    int width = 0;  // pixels
    int height = 0;
};

class GridMetrics {
  public:
    virtual ~GridMetrics() = default;
    virtual TextExtent textExtent(std::wstring_view text, const FontInfo& font) const = 0;
};

// Every character is half the font height wide (at least one pixel), every line is the font
// height plus 2 pixels high: stable across machines, so tests can rely on the numbers.
class HeadlessMetrics : public GridMetrics {
  public:
    TextExtent textExtent(std::wstring_view text, const FontInfo& font) const override;
};

const GridMetrics& headlessMetrics();

// Column widths are in characters (8 pixels each); row heights in points (4/3 pixel each).
constexpr double kPixelsPerWidthUnit = 8.0;
constexpr double kPixelsPerHeightUnit = 4.0 / 3.0;
constexpr double kDefaultColWidth = 9.0;     // 72 pixels
constexpr double kDefaultRowHeight = 12.75;  // 17 pixels
// Room around a cell's text, in pixels.
constexpr int kCellPaddingX = 6;
constexpr int kCellPaddingY = 4;

int widthToPixels(double width);
double pixelsToWidth(int pixels);
int heightToPixels(double height);
double pixelsToHeight(int pixels);

}  // namespace ovgrid
