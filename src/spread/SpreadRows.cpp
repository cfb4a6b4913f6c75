// SpreadRows.cpp - inserting, deleting, appending and moving rows and columns, with the
// optional caption prompt and layout copy.
#include "core/MessageService.h"
#include "core/PromptService.h"
#include "core/Texts.h"
#include "spread/Tvx_Spread.h"

using ovgrid::HEADER;

namespace {

constexpr int kTextInsertTitle = 171;
constexpr int kTextCaptionLine1 = 1150;
constexpr int kTextCaptionLine2 = 1151;
constexpr int kTextRowWord = 1152;
constexpr int kTextColumnWord = 1153;

// Asks for the caption of a new row or column; false when the user does not confirm.
bool askCaption(int wordText, Tvx_String& caption) {
    const Tvx_String prompt = dialString(kTextCaptionLine1) + L"\n" +
                              dialString(kTextCaptionLine2) + L" " + dialString(wordText) + L":";
    Tvx_DlgPromptString dialog(dialString(kTextInsertTitle), prompt, Tvx_String(), L"Ok", L"");
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    caption = dialog.m_value;
    return true;
}

}  // namespace

bool Tvx_Spread::insertRowAt(int row, bool prompt, bool copyLayout) {
    if (!created || row < 1 || row > SSGetMaxRows() + 1) {
        return false;
    }
    if (!setMaxRows(SSGetMaxRows() + 1, false) || !SSInsertRow(row)) {
        return false;
    }
    ovgrid::FontInfo bold;
    bold.face = fontFace.wstr();
    bold.height = fontHeight;
    bold.weight = 700;
    SSSetFontRange(HEADER, row, HEADER, row, SSCreateFont(bold), true);
    SSSetBool(kPropChanged, true);
    if (copyLayout && row + 1 <= SSGetMaxRows()) {
        copyRowLayout(row + 1, row);
    }
    Tvx_String caption;
    if (prompt && askCaption(kTextRowWord, caption)) {
        SSSetData(HEADER, row, caption.wstr());
    }
    return true;
}

bool Tvx_Spread::deleteRowAt(int row) {
    if (!created || row < 1 || row > SSGetMaxRows()) {
        return false;
    }
    if (!SSDelRow(row)) {
        return false;
    }
    SSSetMaxRows(SSGetMaxRows() - 1);
    SSSetBool(kPropChanged, true);
    return true;
}

bool Tvx_Spread::insertColAt(int col, bool prompt, bool copyLayout) {
    if (!created || col < 1 || col > SSGetMaxCols() + 1) {
        return false;
    }
    if (!setMaxCols(SSGetMaxCols() + 1, false) || !SSInsertCol(col)) {
        return false;
    }
    ovgrid::FontInfo bold;
    bold.face = fontFace.wstr();
    bold.height = fontHeight;
    bold.weight = 700;
    SSSetFontRange(col, HEADER, col, HEADER, SSCreateFont(bold), true);
    SSSetBool(kPropChanged, true);
    if (copyLayout && col + 1 <= SSGetMaxCols()) {
        copyColLayout(col + 1, col);
    }
    Tvx_String caption;
    if (prompt && askCaption(kTextColumnWord, caption)) {
        SSSetData(col, HEADER, caption.wstr());
    }
    return true;
}

bool Tvx_Spread::deleteColAt(int col) {
    if (!created || col < 1 || col > SSGetMaxCols()) {
        return false;
    }
    if (!SSDelCol(col)) {
        return false;
    }
    SSSetMaxCols(SSGetMaxCols() - 1);
    SSSetBool(kPropChanged, true);
    return true;
}

int Tvx_Spread::appendRow(bool copyLayout) {
    if (!created) {
        return -1;
    }
    const int row = SSGetMaxRows() + 1;
    if (!setMaxRows(row, false)) {
        return -1;
    }
    if (grid()) {
        grid()->clearRange(HEADER, row, SSGetMaxCols(), row);
    }
    SSSetBool(kPropChanged, true);
    if (copyLayout && row > 1) {
        copyRowLayout(row - 1, row);
    }
    return row;
}

// The block is taken out and put back in front of row `target` of the remaining rows, so
// the rows it passes shift to make room instead of being overwritten.
bool Tvx_Spread::moveRows(int first, int last, int target) {
    const int rows = SSGetMaxRows();
    if (!created || target < 1 || target > rows || first < 1 || last < first || last > rows) {
        return false;
    }
    const int n = last - first + 1;
    if (target + n - 1 > rows) {
        return false;
    }
    if (target == first) {
        return SSSetSelectedBlock(1, first, SSGetMaxCols(), last);
    }
    const int cols = SSGetMaxCols();
    // Room for the block at its new place, then the move, then the gap it left is closed.
    if (!SSSetMaxRows(rows + n)) {
        return false;
    }
    bool ok = false;
    if (target < first) {
        ok = SSInsertRows(target, n) &&
             SSMoveRange(HEADER, first + n, cols, last + n, HEADER, target) &&
             SSDeleteRows(first + n, n);
    } else {
        ok = SSInsertRows(target + n, n) &&
             SSMoveRange(HEADER, first, cols, last, HEADER, target + n) && SSDeleteRows(first, n);
    }
    SSSetMaxRows(rows);
    if (!ok) {
        return false;
    }
    if (cols > 0) {
        SSSetSelectedBlock(1, target, cols, target + n - 1);
    }
    SSSetBool(kPropChanged, true);
    return true;
}
