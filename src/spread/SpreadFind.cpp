// SpreadFind.cpp - finding a text in the cells (values as shown to formulas), find-next with
// the offer to restart from the top, and replacing.
#include <algorithm>

#include "core/MessageService.h"
#include "core/Texts.h"
#include "spread/Tvx_Spread.h"

namespace {

constexpr int kTextNotFound = 1142;
constexpr int kTextRestart = 1143;
constexpr int kTextFindCaption = 1144;
constexpr int kTextStillCaption = 1145;
constexpr int kTextStillNotFound = 1146;

// Where `text` matches in `cell` at or after `from`: the match's start, or -1. Without the
// substring flag only the whole cell matches (at 0).
int matchAt(const Tvx_String& cell, const Tvx_String& text, bool substring, int from) {
    if (substring) {
        return cell.find(text, from, false);
    }
    return from == 0 && cell.equal(text, false) ? 0 : -1;
}

int matchLength(const Tvx_String& cell, const Tvx_String& text, bool substring) {
    return substring ? text.length() : cell.length();
}

}  // namespace

bool Tvx_Spread::findText(const Tvx_String& text, bool substring, int startCol, int startRow,
                          int& outCol, int& outRow) const {
    outCol = outRow = 0;
    if (!created || text.isEmpty()) {
        return false;
    }
    const int cols = SSGetMaxCols(), rows = SSGetMaxRows();
    Tvx_String cell;
    for (int row = std::max(startRow, 1); row <= rows; ++row) {
        const int firstCol = row == startRow ? std::max(startCol, 1) : 1;
        for (int col = firstCol; col <= cols; ++col) {
            getCellText(col, row, cell, kReadValue);
            const bool hit = substring ? cell.hasSubString(text, false) : cell.equal(text, false);
            if (hit) {
                outCol = col;
                outRow = row;
                return true;
            }
        }
    }
    return false;
}

bool Tvx_Spread::selectHit(int col, int row, int start, int length) {
    if (!SSIsEditModeOn()) {
        SSSetEditMode(true);
    }
    SSSetActiveCell(col, row);
    SSSetEditSel(start, start + length);
    return true;
}

bool Tvx_Spread::findNext(const Tvx_String& text, bool substring, bool ask) {
    if (!created || text.isEmpty()) {
        return false;
    }
    Tvx_String cell;
    int col = 0, row = 0;
    const bool hasActive = SSGetActiveCell(col, row);
    if (hasActive) {
        int start = 0, end = 0;
        SSGetEditSel(start, end);
        getCellText(col, row, cell, kReadValue);
        const int at = matchAt(cell, text, substring, end);
        if (at >= 0) {
            return selectHit(col, row, at, matchLength(cell, text, substring));
        }
    }
    int hitCol = 0, hitRow = 0;
    bool found = hasActive ? findText(text, substring, col + 1, row, hitCol, hitRow)
                           : findText(text, substring, 1, 1, hitCol, hitRow);
    if (!found) {
        if (!ask) {
            return false;
        }
        const Tvx_String question = dialString(kTextNotFound) + L"\n" + dialString(kTextRestart);
        if (ovMessageBox(question, dialString(kTextFindCaption), MB_YESNO | MB_ICONQUESTION) !=
            IDYES) {
            return false;
        }
        found = findText(text, substring, 1, 1, hitCol, hitRow);
        if (!found) {
            ovMessageBox(dialString(kTextStillNotFound), dialString(kTextStillCaption),
                         MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
    }
    getCellText(hitCol, hitRow, cell, kReadValue);
    return selectHit(hitCol, hitRow, std::max(matchAt(cell, text, substring, 0), 0),
                     matchLength(cell, text, substring));
}

bool Tvx_Spread::replaceSelection(const Tvx_String& replacement) {
    int col = 0, row = 0;
    if (!created || !SSGetActiveCell(col, row)) {
        return false;
    }
    Tvx_String cell;
    getCellText(col, row, cell, kReadValue);
    int start = 0, end = 0;
    SSGetEditSel(start, end);
    start = std::clamp(start, 0, cell.length());
    end = std::clamp(end, start, cell.length());
    const Tvx_String changed = cell.left(start) + replacement + cell.mid(end);
    if (!SSSetData(col, row, changed.wstr())) {
        return false;
    }
    SSSetBool(kPropChanged, true);
    SSSetActiveCell(col, row);
    const int after = start + replacement.length();
    SSSetEditSel(after, after);
    return true;
}

bool Tvx_Spread::findAndReplace(const Tvx_String& text, const Tvx_String& replacement,
                                bool substring, bool ask) {
    return findNext(text, substring, ask) && replaceSelection(replacement);
}

// One pass over the cells: every hit is replaced once and replaced text is never searched
// again, so a replacement that contains the searched text cannot make it run forever.
int Tvx_Spread::replaceAll(const Tvx_String& text, const Tvx_String& replacement, bool substring) {
    if (!created) {
        return -1;
    }
    if (text.isEmpty()) {
        return 0;
    }
    int changedCells = 0;
    Tvx_String cell;
    for (int row = 1; row <= SSGetMaxRows(); ++row) {
        for (int col = 1; col <= SSGetMaxCols(); ++col) {
            getCellText(col, row, cell, kReadValue);
            Tvx_String result;
            int from = 0;
            int at = matchAt(cell, text, substring, from);
            if (at < 0) {
                continue;
            }
            while (at >= 0) {
                result += cell.mid(from, at - from) + replacement;
                from = at + matchLength(cell, text, substring);
                at = substring ? matchAt(cell, text, substring, from) : -1;
            }
            result += cell.mid(from);
            if (!(result == cell) && SSSetData(col, row, result.wstr())) {
                ++changedCells;
            }
        }
    }
    if (changedCells > 0) {
        SSSetBool(kPropChanged, true);
    }
    return changedCells;
}
