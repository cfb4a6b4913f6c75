// SpreadChecks.cpp - linked check-box columns (a check column that unlocks the cell beside
// it) and setting every check box of the selection.
#include <algorithm>

#include "spread/Tvx_Spread.h"

namespace {
// Command notifications of the grid after a check box or button cell changed.
constexpr int kNotifyButtonClicked = 59;
constexpr int kNotifyButtonChanged = 60;
}  // namespace

bool Tvx_Spread::applyCheckLink(int row) {
    Tvx_String state;
    if (!getCellText(checkColumn, row, state, kReadValue)) {
        return false;
    }
    // A cell reading neither "1" nor "0" says nothing about the lock.
    if (state == L"1") {
        return SSSetLock(lockedColumn, row, false);
    }
    if (state == L"0") {
        return SSSetLock(lockedColumn, row, true);
    }
    return false;
}

bool Tvx_Spread::linkCheckBoxColumns(int checkCol, int lockedCol) {
    const int cols = SSGetMaxCols();
    if (!created || checkCol < 1 || checkCol > cols || lockedCol < 1 || lockedCol > cols) {
        return false;
    }
    checkColumn = checkCol;
    lockedColumn = lockedCol;
    for (int row = 1; row <= SSGetMaxRows(); ++row) {
        applyCheckLink(row);
    }
    return true;
}

bool Tvx_Spread::onGridNotify(int code) {
    if (!created || (code != kNotifyButtonClicked && code != kNotifyButtonChanged)) {
        return false;
    }
    if (checkColumn < 1 || checkColumn > SSGetMaxCols() || lockedColumn > SSGetMaxCols()) {
        return false;
    }
    int col = 0, row = 0;
    if (!SSGetActiveCell(col, row)) {
        col = row = 1;
    }
    if (col != checkColumn || row > SSGetMaxRows()) {
        return false;
    }
    applyCheckLink(row);
    SSSetActiveCell(lockedColumn, row);
    return true;
}

bool Tvx_Spread::setAllChecks(bool value) {
    if (!created) {
        return false;
    }
    int col1 = 0, row1 = 0, col2 = 0, row2 = 0;
    if (!SSGetSelectedBlock(col1, row1, col2, row2)) {
        if (!SSGetActiveCell(col1, row1)) {
            return false;
        }
        col2 = col1;
        row2 = row1;
    }
    const int cols = SSGetMaxCols(), rows = SSGetMaxRows();
    // A negative bound reaches to the last column or row.
    col1 = col1 < 0 ? 1 : col1;
    row1 = row1 < 0 ? 1 : row1;
    col2 = col2 < 0 ? cols : col2;
    row2 = row2 < 0 ? rows : row2;
    if (col1 > col2)
        std::swap(col1, col2);
    if (row1 > row2)
        std::swap(row1, row2);
    col1 = std::max(col1, 1);
    row1 = std::max(row1, 1);
    col2 = std::min(col2, cols);
    row2 = std::min(row2, rows);
    for (int row = row1; row <= row2; ++row) {
        for (int col = col1; col <= col2; ++col) {
            if (cellTypeCode(col, row) == ovgrid::kTypeCheck) {
                SSSetValue(col, row, value ? L"1" : L"0");
            }
        }
    }
    SSSetBool(kPropChanged, true);
    return true;
}
