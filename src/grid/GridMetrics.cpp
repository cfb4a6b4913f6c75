// GridMetrics.cpp - the headless text metrics and the unit conversions.
#include "grid/GridMetrics.h"

#include <algorithm>
#include <cmath>

namespace ovgrid {

TextExtent HeadlessMetrics::textExtent(std::wstring_view text, const FontInfo& font) const {
    int charWidth = std::max(1, font.height / 2);
    int lineHeight = std::max(1, font.height + 2);
    std::size_t longest = 0;
    std::size_t current = 0;
    int lines = 1;
    for (wchar_t c : text) {
        if (c == L'\n') {
            ++lines;
            current = 0;
        } else if (c != L'\r') {
            longest = std::max(longest, ++current);
        }
    }
    return {static_cast<int>(std::min<std::size_t>(longest, 1u << 20)) * charWidth,
            lines * lineHeight};
}

const GridMetrics& headlessMetrics() {
    static const HeadlessMetrics metrics;
    return metrics;
}

int widthToPixels(double width) {
    return static_cast<int>(std::lround(width * kPixelsPerWidthUnit));
}
double pixelsToWidth(int pixels) {
    return pixels / kPixelsPerWidthUnit;
}
int heightToPixels(double height) {
    return static_cast<int>(std::lround(height * kPixelsPerHeightUnit));
}
double pixelsToHeight(int pixels) {
    return pixels / kPixelsPerHeightUnit;
}

}  // namespace ovgrid
