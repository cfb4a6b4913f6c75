// SpreadPictureRow.cpp - a row that shows a picture file: the row takes the picture's height and
// one picture cell covers it from a given column to the last one.
#include <algorithm>
#include <climits>

#include "core/FileSystem.h"
#include "core/image/ImageSize.h"
#include "spread/Tvx_Spread.h"

namespace {
constexpr long kPictureByNameStyle = 36;
constexpr int kFrameBorderType = 18;
constexpr int kFrameBorderStyle = 6;
}  // namespace

bool Tvx_Spread::insertPictureRow(const Tvx_String& imageFile, int col, int row, int& out) {
    if (!created || col < 1 || row < 1 || !inCell(col, row) || !fileExists(imageFile)) {
        return false;
    }
    // The height comes from the file's header; a file that is no picture gets no row.
    ImageSize size;
    Tvx_String error;
    if (!readImageSize(imageFile, size, error)) {
        return false;
    }
    const int cols = SSGetMaxCols();
    // A span left in the row (a copied layout) would block the new one.
    for (int c = col; c <= cols; ++c) {
        int anchorCol = 0, anchorRow = 0, spanCols = 0, spanRows = 0;
        if (SSGetCellSpan(c, row, anchorCol, anchorRow, spanCols, spanRows)) {
            SSRemoveCellSpan(anchorCol, anchorRow);
        }
    }
    SSSetRowHeightInPixels(row, static_cast<int>(std::min<unsigned>(size.height, INT_MAX)));
    ovgrid::CellType type;
    SSSetTypePicture(type, kPictureByNameStyle, imageFile.wstr());
    SSSetCellType(col, row, type);
    // The span ends at the last column: a block reaching past the sheet is refused by the grid.
    if (cols > col) {
        SSAddCellSpan(col, row, cols - col + 1, 1);
    }
    if (col > 1) {
        SSSetBorder(col - 1, row, kFrameBorderType, kFrameBorderStyle, ovgrid::DEFAULT_COLOR);
    }
    out = 0;
    return true;
}
