// VarSheet.h - a created grid on a headless host, filled row by row from texts, for the tests of
// standards-sheet variables.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"

class VarSheetTest : public ::testing::Test {
  protected:
    static constexpr int kGridId = 1196;

    VarSheetTest() {
        host.addControl(kGridId, {10, 10, 610, 410});
        EXPECT_TRUE(spread.create(&host, kGridId, false));
    }

    // Sizes the grid to the rows and writes every text as cell data (nullptr leaves a cell).
    void fill(const std::vector<std::vector<const wchar_t*>>& rows) {
        int cols = 0;
        for (const auto& row : rows) {
            cols = std::max(cols, static_cast<int>(row.size()));
        }
        spread.setMaxCols(cols);
        spread.setMaxRows(static_cast<int>(rows.size()));
        int r = 1;
        for (const auto& row : rows) {
            int c = 1;
            for (const wchar_t* text : row) {
                if (text != nullptr) {
                    spread.setCellText(c, r, text);
                }
                ++c;
            }
            ++r;
        }
    }

    Tvx_String cell(int col, int row, int mode = Tvx_Spread::kReadValue) const {
        Tvx_String out;
        spread.getCellText(col, row, out, mode);
        return out;
    }

    HeadlessGridHost host;
    Tvx_Spread spread;
};
