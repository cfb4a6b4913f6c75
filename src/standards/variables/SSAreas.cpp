// SSAreas.cpp - locating the area headers of a standards sheet and the rows each area spans.
#include "standards/variables/SSAreas.h"

#include <algorithm>

#include "base/CaseFolding.h"
#include "grid/Grid.h"
#include "spread/Tvx_Spread.h"

namespace {

int headerRow(const Tvx_Spread& spread, const wchar_t* word) {
    int col = 0;
    int row = 0;
    return findAreaHeader(spread, word, col, row) ? row : -1;
}

// Ends `area` just before the first area that begins below it, so that the row of the next
// header is still part of it.
void setEnd(SSArea& area, const SSAreas& all, int lastRow) {
    if (!area.exists()) {
        return;
    }
    int end = lastRow;
    for (const SSArea* other : {&all.input, &all.output, &all.local, &all.calc}) {
        if (other != &area && other->begin > area.begin) {
            end = std::min(end, other->begin - 1);
        }
    }
    area.end = std::min(end, lastRow);
}

}  // namespace

bool findAreaHeader(const Tvx_Spread& spread, const Tvx_String& word, int& col, int& row) {
    const ovgrid::Grid* grid = spread.isCreated() ? spread.grid() : nullptr;
    if (grid == nullptr) {
        return false;
    }
    const std::wstring& wanted = word.wstr();
    auto matches = [&](const std::wstring& text) {
        // Case folding keeps the length, so a text of another length is no match. A header
        // word is letters only: no number, truth value or error reads as one.
        if (text.size() != wanted.size()) {
            return false;
        }
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (ovbase::toLowerChar(text[i]) != ovbase::toLowerChar(wanted[i])) {
                return false;
            }
        }
        return true;
    };
    const int rows = spread.getMaxRows();
    const int cols = spread.getMaxCols();
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) {
            const std::wstring* text = grid->valueText(c, r);
            if (text != nullptr && matches(*text)) {
                col = c;
                row = r;
                return true;
            }
        }
    }
    return false;
}

SSAreas findSSAreas(const Tvx_Spread& spread) {
    SSAreas areas;
    const int lastRow = std::max(spread.getMaxRows(), 0);
    SSArea* ordered[] = {&areas.input, &areas.output, &areas.local, &areas.calc};
    const wchar_t* words[] = {kInputHeader, kOutputHeader, kLocalHeader, kCalcHeader};
    for (int i = 0; i < 4; ++i) {
        const int row = headerRow(spread, words[i]);
        ordered[i]->begin = row < 0 ? -1 : row + 1;
    }
    setEnd(areas.input, areas, lastRow);
    setEnd(areas.output, areas, lastRow);
    setEnd(areas.local, areas, lastRow);
    if (areas.calc.exists()) {
        areas.calc.end = lastRow;
    }
    return areas;
}
