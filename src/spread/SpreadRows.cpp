// SpreadRows.cpp - inserting, deleting, appending and moving rows and columns, with the
// optional caption prompt and layout copy. A row command and its column twin share one
// path (SpreadAxis.h).
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
    return insertLineAt(SpreadAxis::Rows, row, prompt, copyLayout);
}

bool Tvx_Spread::insertColAt(int col, bool prompt, bool copyLayout) {
    return insertLineAt(SpreadAxis::Cols, col, prompt, copyLayout);
}

bool Tvx_Spread::deleteRowAt(int row) {
    return deleteLineAt(SpreadAxis::Rows, row);
}

bool Tvx_Spread::deleteColAt(int col) {
    return deleteLineAt(SpreadAxis::Cols, col);
}

bool Tvx_Spread::insertLineAt(SpreadAxis axis, int at, bool prompt, bool copyLayout) {
    const int count = gridLineCount(*this, axis);
    if (!created || at < 1 || at > count + 1) {
        return false;
    }
    if (!setLineCount(axis, count + 1, false) || !insertGridLine(*this, axis, at)) {
        return false;
    }
    ovgrid::FontInfo bold;
    bold.face = fontFace.wstr();
    bold.height = fontHeight;
    bold.weight = 700;
    const SpreadCell caption = cellOf(axis, at, HEADER);
    SSSetFontRange(caption.col, caption.row, caption.col, caption.row, SSCreateFont(bold), true);
    SSSetBool(kPropChanged, true);
    if (copyLayout && at + 1 <= gridLineCount(*this, axis)) {
        copyLineLayout(axis, at + 1, at);
    }
    Tvx_String text;
    if (prompt && askCaption(axis == SpreadAxis::Rows ? kTextRowWord : kTextColumnWord, text)) {
        SSSetData(caption.col, caption.row, text.wstr());
    }
    return true;
}

bool Tvx_Spread::deleteLineAt(SpreadAxis axis, int at) {
    if (!created || at < 1 || at > gridLineCount(*this, axis)) {
        return false;
    }
    if (!deleteGridLine(*this, axis, at)) {
        return false;
    }
    setGridLineCount(*this, axis, gridLineCount(*this, axis) - 1);
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
        copyLineLayout(SpreadAxis::Rows, row - 1, row);
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
