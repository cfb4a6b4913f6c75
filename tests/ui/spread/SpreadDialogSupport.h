// SpreadDialogSupport.h - what the grid dialog tests share: the shipped numbered texts they show,
// added to the test program's text table, and reading a grid cell in one call.
#pragma once

#include <initializer_list>

#include "spread/Tvx_Spread.h"

namespace spreadtest {

// Copies these numbered texts from the shipped library/texts.tsv into the test text table.
void useShippedTexts(std::initializer_list<int> numbers);

inline Tvx_String cellText(const Tvx_Spread& grid, int col, int row) {
    Tvx_String text;
    grid.getCellText(col, row, text, Tvx_Spread::kReadValue);
    return text;
}

}  // namespace spreadtest
