// GridLook.cpp - colour, font and border conversions between the grid and Qt.
#include "ui/grid/GridLook.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ui/QtText.h"

namespace ovui::grid {

namespace {
// COLORREFs with this bit name system colours (the default colour among them).
constexpr long kSystemColorBit = 0x80000000L;
// Windows fonts given by cell height have an em size of about 1/1.2 of it.
constexpr double kCellToEmHeight = 1.0 / 1.2;
}  // namespace

std::optional<QColor> toQColor(long colorRef) {
    if (colorRef & kSystemColorBit) {
        return std::nullopt;
    }
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}

QColor toQColor(long colorRef, const QColor& fallback) {
    return toQColor(colorRef).value_or(fallback);
}

QFont toQFont(const ovgrid::FontInfo& info) {
    QFont font(QString::fromStdWString(info.face));
    const int height = info.height;
    int pixels = height < 0 ? -height : static_cast<int>(std::lround(height * kCellToEmHeight));
    font.setPixelSize(std::clamp(pixels, 1, 400));
    // Windows weights and Qt 6 weights share the 100..900 scale; 0 means "normal".
    const int weight = info.weight <= 0 ? 400 : std::clamp(info.weight, 100, 900);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(info.italic);
    font.setUnderline(info.underline);
    font.setStrikeOut(info.strikeOut);
    return font;
}

BorderSides borderSides(int type) {
    const bool outline = (type & 16) != 0;
    return {outline || (type & 1) != 0, outline || (type & 2) != 0, outline || (type & 4) != 0,
            outline || (type & 8) != 0};
}

}  // namespace ovui::grid
