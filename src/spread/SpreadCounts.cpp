// SpreadCounts.cpp - row and column counts that format what they add (one path for both
// axes, SpreadAxis.h), the layout copy of a new line, and the header and data fonts.
#include <algorithm>

#include "spread/Tvx_Spread.h"

using ovgrid::HEADER;

namespace {
constexpr int kWeightBold = 700;
constexpr int kWeightNormal = 400;
}  // namespace

int Tvx_Spread::getMaxCols() const {
    return created ? SSGetMaxCols() : -1;
}

int Tvx_Spread::getMaxRows() const {
    return created ? SSGetMaxRows() : -1;
}

namespace {

ovgrid::FontInfo makeFont(const Tvx_String& face, int height, int weight) {
    ovgrid::FontInfo font;
    font.face = face.wstr();
    font.height = height;
    font.weight = weight;
    font.charSet = 1;
    return font;
}

}  // namespace

// Text tips show in the font just applied, with the colours they had.
static void useFontForTextTips(TSpread& spread, const ovgrid::FontInfo& font) {
    ovgrid::TextTip tip = spread.SSGetTextTip();
    tip.font = font;
    tip.status = 1;
    tip.delay = 0;
    spread.SSSetTextTip(tip);
}

bool Tvx_Spread::setHeaderFont() {
    if (!created) {
        return false;
    }
    const ovgrid::FontInfo bold = makeFont(fontFace, fontHeight, kWeightBold);
    const int font = SSCreateFont(bold);
    const int cols = SSGetMaxCols(), rows = SSGetMaxRows();
    if (cols > 0) {
        SSSetFontRange(1, HEADER, cols, HEADER, font, true);
    }
    if (rows > 0) {
        SSSetFontRange(HEADER, 1, HEADER, rows, font, true);
    }
    useFontForTextTips(*this, bold);
    return true;
}

bool Tvx_Spread::setFonts(bool textTips) {
    if (!setHeaderFont()) {
        return false;
    }
    const ovgrid::FontInfo normal = makeFont(fontFace, fontHeight, kWeightNormal);
    const int font = SSCreateFont(normal);
    const int cols = SSGetMaxCols(), rows = SSGetMaxRows();
    if (cols > 0 && rows > 0) {
        SSSetFontRange(1, 1, cols, rows, font, true);
    }
    if (textTips) {
        useFontForTextTips(*this, normal);
    }
    return true;
}

bool Tvx_Spread::setMaxRows(int count, bool copyNeighbour) {
    return setLineCount(SpreadAxis::Rows, count, copyNeighbour);
}

bool Tvx_Spread::setMaxCols(int count, bool copyNeighbour) {
    return setLineCount(SpreadAxis::Cols, count, copyNeighbour);
}

bool Tvx_Spread::setLineCount(SpreadAxis axis, int count, bool copyNeighbour) {
    if (!created || count < 0) {
        return false;
    }
    const int old = gridLineCount(*this, axis);
    if (!setGridLineCount(*this, axis, count)) {
        return false;
    }
    if (count <= old) {
        return true;
    }
    if (copyNeighbour && old > 0) {
        for (int line = old + 1; line <= count; ++line) {
            copyLineLayout(axis, old, line);
        }
    }
    const ovgrid::FontInfo bold = makeFont(fontFace, fontHeight, kWeightBold);
    if (old == 0) {
        setHeaderFont();
    } else {
        const SpreadCell first = cellOf(axis, old, HEADER);
        const SpreadCell last = cellOf(axis, count, HEADER);
        SSSetFontRange(first.col, first.row, last.col, last.row, SSCreateFont(bold), true);
    }
    const int cross = gridLineCount(*this, crossAxis(axis));
    if (cross > 0) {
        const int normal = SSCreateFont(makeFont(fontFace, fontHeight, kWeightNormal));
        const SpreadCell first = cellOf(axis, std::max(old, 1), 1);
        const SpreadCell last = cellOf(axis, count, cross);
        SSSetFontRange(first.col, first.row, last.col, last.row, normal, true);
    }
    useFontForTextTips(*this, bold);
    return true;
}

// A new line takes the looks of its neighbour (types, fonts, colours, borders, lock, size) but
// none of its contents: copying the texts would duplicate data into a line meant to be new.
void Tvx_Spread::copyLineLayout(SpreadAxis axis, int from, int to) {
    const int cross = gridLineCount(*this, crossAxis(axis));
    const SpreadCell first = cellOf(axis, from, HEADER);
    const SpreadCell last = cellOf(axis, from, cross);
    const SpreadCell target = cellOf(axis, to, HEADER);
    if (!SSCopyRange(first.col, first.row, last.col, last.row, target.col, target.row)) {
        return;
    }
    if (grid()) {
        const SpreadCell targetEnd = cellOf(axis, to, cross);
        grid()->clearRange(target.col, target.row, targetEnd.col, targetEnd.row);
        for (int along = 0; along <= cross; ++along) {
            const SpreadCell cell = cellOf(axis, to, along == 0 ? HEADER : along);
            SSSetCellTag(cell.col, cell.row, L"");
        }
        int pixels = 0;
        if (getLinePixels(*this, axis, from, pixels)) {
            setLinePixels(*this, axis, to, pixels);
        }
    }
}
