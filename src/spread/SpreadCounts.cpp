// SpreadCounts.cpp - row and column counts that format what they add, and the header and
// data fonts.
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
    if (!created || count < 0) {
        return false;
    }
    const int old = SSGetMaxRows();
    if (!SSSetMaxRows(count)) {
        return false;
    }
    if (count <= old) {
        return true;
    }
    if (copyNeighbour && old > 0) {
        for (int row = old + 1; row <= count; ++row) {
            copyRowLayout(old, row);
        }
    }
    const ovgrid::FontInfo bold = makeFont(fontFace, fontHeight, kWeightBold);
    if (old == 0) {
        setHeaderFont();
    } else {
        SSSetFontRange(HEADER, old, HEADER, count, SSCreateFont(bold), true);
    }
    const int cols = SSGetMaxCols();
    if (cols > 0) {
        const int normal = SSCreateFont(makeFont(fontFace, fontHeight, kWeightNormal));
        SSSetFontRange(1, std::max(old, 1), cols, count, normal, true);
    }
    useFontForTextTips(*this, bold);
    return true;
}

bool Tvx_Spread::setMaxCols(int count, bool copyNeighbour) {
    if (!created || count < 0) {
        return false;
    }
    const int old = SSGetMaxCols();
    if (!SSSetMaxCols(count)) {
        return false;
    }
    if (count <= old) {
        return true;
    }
    if (copyNeighbour && old > 0) {
        for (int col = old + 1; col <= count; ++col) {
            copyColLayout(old, col);
        }
    }
    const ovgrid::FontInfo bold = makeFont(fontFace, fontHeight, kWeightBold);
    if (old == 0) {
        setHeaderFont();
    } else {
        SSSetFontRange(old, HEADER, count, HEADER, SSCreateFont(bold), true);
    }
    const int rows = SSGetMaxRows();
    if (rows > 0) {
        const int normal = SSCreateFont(makeFont(fontFace, fontHeight, kWeightNormal));
        SSSetFontRange(std::max(old, 1), 1, count, rows, normal, true);
    }
    useFontForTextTips(*this, bold);
    return true;
}

// A new row takes the looks of its neighbour (types, fonts, colours, borders, lock, height)
// but none of its contents: copying the texts would duplicate data into a row meant to be new.
void Tvx_Spread::copyRowLayout(int fromRow, int toRow) {
    const int cols = SSGetMaxCols();
    if (!SSCopyRange(HEADER, fromRow, cols, fromRow, HEADER, toRow)) {
        return;
    }
    if (grid()) {
        grid()->clearRange(HEADER, toRow, cols, toRow);
        for (int col = 0; col <= cols; ++col) {
            SSSetCellTag(col == 0 ? HEADER : col, toRow, L"");
        }
        int pixels = 0;
        if (SSGetRowHeightInPixels(fromRow, pixels)) {
            SSSetRowHeightInPixels(toRow, pixels);
        }
    }
}

void Tvx_Spread::copyColLayout(int fromCol, int toCol) {
    const int rows = SSGetMaxRows();
    if (!SSCopyRange(fromCol, HEADER, fromCol, rows, toCol, HEADER)) {
        return;
    }
    if (grid()) {
        grid()->clearRange(toCol, HEADER, toCol, rows);
        for (int row = 0; row <= rows; ++row) {
            SSSetCellTag(toCol, row == 0 ? HEADER : row, L"");
        }
        int pixels = 0;
        if (SSGetColWidthInPixels(fromCol, pixels)) {
            SSSetColWidthInPixels(toCol, pixels);
        }
    }
}
