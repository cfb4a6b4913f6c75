// SpreadKeys.cpp - the grid's own keys (F3 find next, F5 find and replace, F8 design mode)
// and the rule for leaving a grid with Tab, as a pure function of the grid's state.
#include "spread/Tvx_Spread.h"

namespace {

constexpr int kKeyF3 = 0x72;
constexpr int kKeyF5 = 0x74;
constexpr int kKeyF8 = 0x77;
constexpr int kLeaveBackward = 3;
constexpr int kLeaveForward = 2;

}  // namespace

bool Tvx_Spread::preTranslateKeyDown(int virtualKey) {
    if (virtualKey == kKeyF3 || virtualKey == kKeyF5) {
        if (!findDialog) {
            // The first press only opens the dialog.
            if (OvFindDialogFactory* factory = findDialogFactory().get()) {
                findDialog = factory->create(*this);
            }
            if (!findDialog) {
                return false;
            }
            findDialog->show();
            return true;
        }
        if (!findDialog->isOpen()) {
            findDialog->show();
            return true;
        }
        const Tvx_String text = findDialog->findWhat();
        const bool substring = findDialog->matchSubstring();
        if (virtualKey == kKeyF3) {
            findNext(text, substring, true);
        } else {
            findAndReplace(text, findDialog->replaceWith(), substring, true);
        }
        return true;
    }
    if (virtualKey == kKeyF8 && created) {
        SSSetBool(kPropDesignMode, !SSGetBool(kPropDesignMode));
        return true;
    }
    return false;
}

bool Tvx_Spread::isFreeCell(int col, int row) const {
    if (SSGetLock(col, row)) {
        return false;
    }
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
    if (SSGetCellSpan(col, row, anchorCol, anchorRow, cols, rows)) {
        return !SSGetLock(anchorCol, anchorRow);
    }
    return true;
}

namespace {

// The first (or last) free cell in reading order; false when every cell is locked.
bool findFreeCell(const Tvx_Spread& spread, bool last, int& outCol, int& outRow,
                  bool (*isFree)(const Tvx_Spread&, int, int)) {
    const int cols = spread.SSGetMaxCols(), rows = spread.SSGetMaxRows();
    for (int i = 0; i < rows; ++i) {
        const int row = last ? rows - i : 1 + i;
        for (int j = 0; j < cols; ++j) {
            const int col = last ? cols - j : 1 + j;
            if (isFree(spread, col, row)) {
                outCol = col;
                outRow = row;
                return true;
            }
        }
    }
    return false;
}

}  // namespace

int Tvx_Spread::keyboardLeave(bool shift, bool visible, const Tvx_String& focusWindowClass) const {
    if (!created || !visible) {
        return 0;
    }
    if (!focusWindowClass.startsWith(L"SPR32", true) &&
        !focusWindowClass.startsWith(L"fpSpr", true)) {
        return 0;
    }
    int col = 0, row = 0;
    if (!SSGetActiveCell(col, row)) {
        return 0;
    }
    auto isFree = [](const Tvx_Spread& s, int c, int r) { return s.isFreeCell(c, r); };
    int freeCol = 0, freeRow = 0;
    if (!findFreeCell(*this, !shift, freeCol, freeRow, isFree)) {
        return 0;
    }
    if (freeCol != col || freeRow != row) {
        return 0;
    }
    return shift ? kLeaveBackward : kLeaveForward;
}

bool Tvx_Spread::focusFirstFreeCell() {
    int col = 0, row = 0;
    auto isFree = [](const Tvx_Spread& s, int c, int r) { return s.isFreeCell(c, r); };
    if (!created || !findFreeCell(*this, false, col, row, isFree)) {
        return false;
    }
    SSSetActiveCell(col, row);
    return SSSetSelectedBlock(col, row, col, row);
}

bool Tvx_Spread::focusLastFreeCell() {
    int col = 0, row = 0;
    auto isFree = [](const Tvx_Spread& s, int c, int r) { return s.isFreeCell(c, r); };
    if (!created || !findFreeCell(*this, true, col, row, isFree)) {
        return false;
    }
    SSSetActiveCell(col, row);
    return SSSetSelectedBlock(col, row, col, row);
}
