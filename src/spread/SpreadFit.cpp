// SpreadFit.cpp - column widths and row heights from the cells' preferred sizes, and the six
// rules that share the client width among the columns.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "spread/Tvx_Spread.h"

using ovgrid::HEADER;

int Tvx_Spread::clientWidth() const {
    ovgrid::Rect rect;
    SSGetClientRect(rect);
    int vertical = 0, horizontal = 0;
    SSGetScrollBarSize(vertical, horizontal);
    const int width = rect.right - rect.left;
    return vertical > 0 ? width - vertical : width;
}

// Columns that share the client width: the data columns, and the header column when it is
// shown as one of them.
int Tvx_Spread::shareCount() const {
    return SSGetMaxCols() + (SSGetBool(kPropRowHeaderShares) ? 1 : 0);
}

bool Tvx_Spread::setClientSize(int width, int height) {
    if (!hasGrid() || width < 0 || height < 0) {
        return false;
    }
    grid()->setClientRect({0, 0, width, height});
    applyFitMode();
    return true;
}

bool Tvx_Spread::fitColumnWidth(int col, bool skipStatic) {
    if (!created || !inCols(col)) {
        return false;
    }
    double best = 0;
    const int rows = SSGetMaxRows();
    for (int row = 0; row <= rows; ++row) {
        const int r = row == 0 ? HEADER : row;
        if (skipStatic && cellTypeCode(col, r) == ovgrid::kTypeStatic) {
            continue;
        }
        double width = 0, height = 0;
        if (SSGetPreferredCellSize(col, r, width, height)) {
            best = std::max(best, width);
        }
    }
    return SSSetColWidth(col, best);
}

bool Tvx_Spread::fitRowHeight(int row) {
    if (!created || !inRows(row)) {
        return false;
    }
    double best = 0;
    const int cols = SSGetMaxCols();
    for (int col = 0; col <= cols; ++col) {
        double width = 0, height = 0;
        if (SSGetPreferredCellSize(col == 0 ? HEADER : col, row, width, height)) {
            best = std::max(best, height);
        }
    }
    return SSSetRowHeight(row, best);
}

bool Tvx_Spread::fitAll() {
    if (!created) {
        return false;
    }
    const int cols = SSGetMaxCols(), rows = SSGetMaxRows();
    ovgrid::CellType staticType;
    SSSetTypeStaticText(staticType, kStaticStyle);
    if (cols > 0) {
        SSSetCellTypeRange(1, HEADER, cols, HEADER, staticType);
    }
    if (rows > 0) {
        SSSetCellTypeRange(HEADER, 1, HEADER, rows, staticType);
    }
    for (int col = 1; col <= cols; ++col) {
        fitColumnWidth(col, false);
    }
    for (int row = 1; row <= rows; ++row) {
        fitRowHeight(row);
    }
    fitRowHeight(HEADER);
    fitColumnWidth(HEADER, false);
    return true;
}

bool Tvx_Spread::fitLastColumn(int col) {
    if (!created || col < 1 || !inCols(col)) {
        return false;
    }
    int used = 0;
    for (int c = 0; c <= SSGetMaxCols(); ++c) {
        int pixels = 0;
        SSGetColWidthInPixels(c == 0 ? HEADER : c, pixels);
        used += pixels;
    }
    const int free = clientWidth() - used;
    int width = 0;
    if (free > 0 && SSGetColWidthInPixels(col, width)) {
        SSSetColWidthInPixels(col, width + free);
    }
    return true;
}

void Tvx_Spread::setFitFixedColumns(const Tvx_Array<int>& cols, const Tvx_Array<int>& widths) {
    fitFixedCols = cols;
    fitFixedWidths = widths;
}

bool Tvx_Spread::setFitMode(int mode, int arg1, int arg2) {
    if (!created || mode < 0 || mode > 5) {
        return false;
    }
    fitMode = mode;
    fitArg1 = arg1;
    fitArg2 = arg2;
    return applyFitMode();
}

namespace {

int clampPixels(long long pixels) {
    return static_cast<int>(std::clamp<long long>(pixels, 0, 1000000));
}

// Every column in `cols` not marked in `fixed` (index 0 is the header column) gets `width`.
void shareRest(TSpread& spread, int cols, bool headerShares, const std::vector<bool>& fixed,
               int width) {
    width = std::max(width, 0);
    for (int col = headerShares ? 0 : 1; col <= cols; ++col) {
        if (!fixed[static_cast<std::size_t>(col)]) {
            spread.SSSetColWidthInPixels(col == 0 ? HEADER : col, width);
        }
    }
}

}  // namespace

bool Tvx_Spread::applyFitMode() {
    if (!created) {
        return false;
    }
    const int cols = SSGetMaxCols();
    const int width = clientWidth();
    const int count = shareCount();
    const bool headerShares = SSGetBool(kPropRowHeaderShares);
    std::vector<bool> fixed(static_cast<std::size_t>(cols) + 1, false);
    switch (fitMode) {
        case 0:
            return true;
        case 1:
            if (count > 0) {
                // The header column takes a share like every data column.
                shareRest(*this, cols, true, fixed, width / count);
            }
            return true;
        case 2: {
            ovgrid::CellType staticType;
            SSSetTypeStaticText(staticType, kStaticStyle);
            if (cols > 0) {
                SSSetCellTypeRange(1, HEADER, cols, HEADER, staticType);
            }
            for (int col = 1; col <= cols; ++col) {
                fitColumnWidth(col, false);
            }
            if (SSGetMaxRows() > 0) {
                SSSetCellTypeRange(HEADER, 1, HEADER, SSGetMaxRows(), staticType);
            }
            for (int row = 1; row <= SSGetMaxRows(); ++row) {
                fitRowHeight(row);
            }
            return true;
        }
        case 3: {
            // The first n columns (the last -n when n < 0) take `percent` of the width.
            const int n = std::min(std::abs(fitArg1), cols);
            if (n == 0) {
                return true;
            }
            const long long each = static_cast<long long>(width) * fitArg2 / 100 / n;
            for (int i = 0; i < n; ++i) {
                const int col = fitArg1 > 0 ? 1 + i : cols - i;
                fixed[static_cast<std::size_t>(col)] = true;
                SSSetColWidthInPixels(col, clampPixels(each));
            }
            if (count - n > 0) {
                shareRest(*this, cols, headerShares, fixed,
                          clampPixels((width - n * each) / (count - n)));
            }
            return true;
        }
        case 4: {
            const int col = fitArg1, pixels = fitArg2;
            if (col < 0 || col > cols) {
                return false;
            }
            fixed[static_cast<std::size_t>(col)] = true;
            SSSetColWidthInPixels(col == 0 ? HEADER : col, std::max(pixels, 0));
            if (count - 1 > 0) {
                shareRest(*this, cols, headerShares, fixed, (width - pixels) / (count - 1));
            }
            return true;
        }
        case 5: {
            int listed = 0, sum = 0;
            const int pairs = std::min(fitFixedCols.length(), fitFixedWidths.length());
            for (int i = 0; i < pairs; ++i) {
                const int col = fitFixedCols[i];
                const bool usable = (col >= 1 && col <= cols) || (col == 0 && headerShares);
                if (!usable || fixed[static_cast<std::size_t>(col)]) {
                    continue;
                }
                fixed[static_cast<std::size_t>(col)] = true;
                SSSetColWidthInPixels(col == 0 ? HEADER : col, std::max(fitFixedWidths[i], 0));
                sum += fitFixedWidths[i];
                ++listed;
            }
            if (count - listed > 0) {
                shareRest(*this, cols, headerShares, fixed, (width - sum) / (count - listed));
            }
            return true;
        }
        default:
            return false;
    }
}
