// SpreadFixture.h - a created grid on a headless host, filled from a table of texts.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"

class SpreadTest : public ::testing::Test {
  protected:
    static constexpr int kGridId = 1001;

    SpreadTest() : host({100, 100, 900, 700}) {
        host.addControl(kGridId, {110, 130, 510, 430});
        EXPECT_TRUE(spread.create(&host, kGridId, true));
    }

    // Sizes the grid to the table and writes every text as data.
    void fill(std::initializer_list<std::vector<const wchar_t*>> rows) {
        int cols = 0;
        for (const auto& row : rows)
            cols = std::max(cols, static_cast<int>(row.size()));
        spread.setMaxCols(cols);
        spread.setMaxRows(static_cast<int>(rows.size()));
        int r = 1;
        for (const auto& row : rows) {
            int c = 1;
            for (const wchar_t* text : row)
                spread.setCellText(c++, r, text);
            ++r;
        }
    }

    Tvx_String text(int col, int row, int mode = Tvx_Spread::kReadValue) const {
        Tvx_String out;
        spread.getCellText(col, row, out, mode);
        return out;
    }

    Tvx_StringArray column(int col) const {
        Tvx_StringArray out;
        spread.getColTexts(col, out);
        return out;
    }

    HeadlessGridHost host;
    Tvx_Spread spread;
};
