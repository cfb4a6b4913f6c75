// SpreadTypes.cpp - cell types with the module's style words, locking, and spans over equal
// texts in a column.
#include "spread/Tvx_Spread.h"

#include "grid/CellTypes.h"

using ovgrid::HEADER;

namespace {
constexpr double kNumberLimit = 99999999999999.0;
constexpr long kNumberStyle = 0x10100000;
constexpr long kNumberStyleAlt = 0x10400000;
constexpr long kEditStyle = 0x110000;
constexpr int kEditMaxLength = 200;
constexpr long kComboStyle = 0x100000;
constexpr long kComboEditable = 0x100002;
constexpr long kCheckStyle = 768;
constexpr int kPictureTypeBitmap = 6;
constexpr long kPictureBitmapStyle = 0x210024;
constexpr long kPictureIconStyle = 0x211004;
constexpr int kPushButton = 1;
}  // namespace

bool Tvx_Spread::setNumberType(int col1, int row1, int col2, int row2, int decimals,
                               bool styleFlag) {
    if (!created || !inCell(col1, row1) || !inCell(col2, row2)) {
        return false;
    }
    ovgrid::CellType type;
    SSSetTypeNumber(type, styleFlag ? kNumberStyleAlt : kNumberStyle, decimals, -kNumberLimit,
                    kNumberLimit, 0);
    return SSSetCellTypeRange(col1, row1, col2, row2, type);
}

bool Tvx_Spread::setEditType(int col1, int row1, int col2, int row2) {
    if (!created || !inCell(col1, row1) || !inCell(col2, row2)) {
        return false;
    }
    ovgrid::CellType type;
    SSSetTypeEdit(type, kEditStyle, kEditMaxLength, 0, 0);
    return SSSetCellTypeRange(col1, row1, col2, row2, type);
}

bool Tvx_Spread::setStaticColumn(int col, long style) {
    if (!created || !inCols(col)) {
        return false;
    }
    ovgrid::CellType type;
    SSSetTypeStaticText(type, style);
    if (SSGetMaxRows() > 0) {
        SSSetCellTypeRange(col, 1, col, SSGetMaxRows(), type);
    }
    return SSSetCellType(col, HEADER, type);
}

bool Tvx_Spread::setStaticCell(int col, int row, long style) {
    if (!created || !inCell(col, row)) {
        return false;
    }
    ovgrid::CellType type;
    SSSetTypeStaticText(type, style);
    return SSSetCellType(col, row, type);
}

bool Tvx_Spread::setComboType(int col1, int row1, int col2, int row2, const Tvx_StringArray& items,
                              bool editable, bool groupHeaders) {
    if (!created || !inCell(col1, row1) || !inCell(col2, row2)) {
        return false;
    }
    std::wstring joined;
    for (int i = 0; i < items.length(); ++i) {
        if (i > 0) {
            joined += L'\t';
        }
        joined += items[i].wstr();
    }
    ovgrid::CellType type;
    const long style = (editable ? kComboEditable : kComboStyle) |
                       (groupHeaders ? ovgrid::kComboGroupHeadersBit : 0);
    SSSetTypeComboBox(type, style, joined);
    return SSSetCellTypeRange(col1, row1, col2, row2, type);
}

bool Tvx_Spread::setCheckBoxType(int col, bool withBorder, bool spanHeader) {
    if (!created || col < 1 || !inCols(col)) {
        return false;
    }
    const int rows = SSGetMaxRows();
    const std::int64_t off = checkOffBitmap().resourceId;
    const std::int64_t on = checkOnBitmap().resourceId;
    // Up and focus-up show "off", down and focus-down "on"; disabled states keep the default.
    const std::array<std::int64_t, 6> pictures{off, on, off, on, 0, 0};
    const std::array<int, 6> types{
        kPictureTypeBitmap, kPictureTypeBitmap, kPictureTypeBitmap, kPictureTypeBitmap, 0, 0};
    ovgrid::CellType type;
    SSSetTypeCheckBox(type, kCheckStyle, L"", pictures, types);
    if (rows > 0) {
        SSSetCellTypeRange(col, 1, col, rows, type);
        if (withBorder) {
            SSSetBorderRange(col, 1, col, rows, 2, 6, 0);
        }
    }
    // The check column's caption also covers the column after it (usually the item's text).
    if (spanHeader && col + 1 <= SSGetMaxCols()) {
        SSAddCellSpan(col, HEADER, 2, 1);
    }
    return true;
}

bool Tvx_Spread::setButtonType(int col, const Tvx_String& caption, bool spanHeader) {
    if (!created || col < 1 || !inCols(col)) {
        return false;
    }
    ovgrid::CellType type;
    SSSetTypeButton(type, 0, caption.wstr(), 0, 0, 0, 0, kPushButton, 0, 0);
    if (SSGetMaxRows() > 0) {
        SSSetCellTypeRange(col, 1, col, SSGetMaxRows(), type);
    }
    if (spanHeader && col > 1) {
        SSAddCellSpan(col - 1, HEADER, 2, 1);
    }
    SSSetBool(kPropChanged, true);
    return true;
}

bool Tvx_Spread::setButtonCell(int col, int row, const Tvx_String& caption) {
    if (!created || !inCell(col, row)) {
        return false;
    }
    ovgrid::CellType type;
    SSSetTypeButton(type, 0, caption.wstr(), 0, 0, 0, 0, kPushButton, 0, 0);
    SSSetBool(kPropChanged, true);
    return SSSetCellType(col, row, type);
}

bool Tvx_Spread::setPictureCell(int col, int row, int resourceId, bool icon) {
    if (!created || !inCell(col, row)) {
        return false;
    }
    ovgrid::CellType type;
    SSSetTypePictureHandle(type, icon ? kPictureIconStyle : kPictureBitmapStyle, resourceId, 0,
                           true);
    return SSSetCellType(col, row, type);
}

bool Tvx_Spread::lockCell(int col, int row, bool locked) {
    return created && inCell(col, row) && SSSetLock(col, row, locked);
}

bool Tvx_Spread::lockRow(int row, bool locked) {
    if (!created || !inRows(row) || SSGetMaxCols() < 1) {
        return false;
    }
    return SSSetLockRange(1, row, SSGetMaxCols(), row, locked);
}

bool Tvx_Spread::removeSpansInColumn(int col) {
    if (!created || col < 0 || !inCols(col)) {
        return false;
    }
    for (int row = 1; row <= SSGetMaxRows(); ++row) {
        int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
        if (SSGetCellSpan(col, row, anchorCol, anchorRow, cols, rows)) {
            SSRemoveCellSpan(anchorCol, anchorRow);
        }
    }
    return true;
}

bool Tvx_Spread::mergeEqualInColumn(int col) {
    if (!removeSpansInColumn(col)) {
        return false;
    }
    const int rows = SSGetMaxRows();
    int runStart = 0;  // first row of the open run; 0 when none
    Tvx_String runText, text;
    auto closeRun = [&](int endRow) {
        if (runStart > 0 && endRow > runStart) {
            SSAddCellSpan(col, runStart, 1, endRow - runStart + 1);
        }
        runStart = 0;
    };
    for (int row = 1; row <= rows; ++row) {
        getCellText(col, row, text, kReadValue);
        if (runStart > 0 && !text.isEmpty() && text.equal(runText, false)) {
            continue;
        }
        closeRun(row - 1);
        if (!text.isEmpty()) {
            runStart = row;
            runText = text;
        }
    }
    closeRun(rows);
    return true;
}
