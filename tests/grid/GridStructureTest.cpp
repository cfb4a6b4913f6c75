// Structural edits: inserting and deleting rows and columns, copying and moving blocks,
// the clipboard and reset; formulas must keep reading the right cells.
#include <gtest/gtest.h>

#include <memory>

#include "grid/Grid.h"

using namespace ovgrid;

namespace {

std::wstring text(const Grid& g, int col, int row, ReadMode mode = ReadMode::Value) {
    std::wstring out;
    g.getText(col, row, mode, out);
    return out;
}

// Column A holds 1..5, B1 = SUM(A1:A5), C1 = A5*10.
Grid sample() {
    Grid g;
    g.setMaxCols(6);
    g.setMaxRows(8);
    for (int r = 1; r <= 5; ++r) {
        g.setCellNumber(1, r, r);
    }
    g.setFormula(2, 1, L"SUM(A1:A5)", true);
    g.setFormula(3, 1, L"A5*10", true);
    return g;
}

}  // namespace

TEST(GridStructure, RowAndColumnEditsAdjustFormulas) {
    struct Case {
        const char* name;
        bool (Grid::*edit)(int, int);
        int at;
        // Where the two formulas end up, and what they read then.
        int sumCol, sumRow;
        const wchar_t* sumFormula;
        const wchar_t* sumValue;
        int prodCol, prodRow;
        const wchar_t* prodFormula;
    };
    const Case cases[] = {
        {"insert row 3", &Grid::insertRows, 3, 2, 1, L"SUM(A1:A6)", L"15", 3, 1, L"A6*10"},
        {"delete row 2", &Grid::deleteRows, 2, 2, 1, L"SUM(A1:A4)", L"13", 3, 1, L"A4*10"},
        {"delete row 5", &Grid::deleteRows, 5, 2, 1, L"SUM(A1:A4)", L"10", 3, 1, L"#REF!*10"},
        {"insert col 1", &Grid::insertCols, 1, 3, 1, L"SUM(B1:B5)", L"15", 4, 1, L"B5*10"},
        {"delete col 2", &Grid::deleteCols, 2, 0, 0, L"", L"", 2, 1, L"A5*10"},
    };
    for (const Case& c : cases) {
        Grid g = sample();
        ASSERT_TRUE((g.*c.edit)(c.at, 1)) << c.name;
        if (c.sumCol) {
            EXPECT_EQ(text(g, c.sumCol, c.sumRow, ReadMode::Formula), c.sumFormula) << c.name;
            EXPECT_EQ(text(g, c.sumCol, c.sumRow), c.sumValue) << c.name;
        }
        EXPECT_EQ(text(g, c.prodCol, c.prodRow, ReadMode::Formula), c.prodFormula) << c.name;
    }
}

TEST(GridStructure, InsertMovesRowAttributesAndDropsOverflow) {
    Grid g = sample();
    g.setRowHeight(4, 30);
    g.setRowHidden(4, true);
    g.setData(HEADER, 4, L"four");
    g.setData(1, 8, L"last");
    ASSERT_TRUE(g.insertRow(2));
    EXPECT_DOUBLE_EQ(g.getRowHeight(5), 30);
    EXPECT_TRUE(g.isRowHidden(5));
    EXPECT_EQ(text(g, HEADER, 5), L"four");
    EXPECT_EQ(text(g, 1, 8), L"");  // pushed past the count
    EXPECT_EQ(g.getMaxRows(), 8);
}

TEST(GridStructure, SpansFollowEdits) {
    Grid g = sample();
    g.addCellSpan(4, 2, 2, 3);  // rows 2..4
    g.insertRow(3);             // inside: grows
    int c = 0, r = 0, nc = 0, nr = 0;
    ASSERT_TRUE(g.getCellSpan(4, 5, c, r, nc, nr));
    EXPECT_EQ(std::tie(r, nr), std::make_tuple(2, 4));
    g.deleteRows(2, 4);  // the whole span goes
    EXPECT_TRUE(g.spans().empty());
}

TEST(GridStructure, CopyShiftsRelativeReferences) {
    Grid g = sample();
    g.setFormula(4, 1, L"A1+$A$1", true);
    g.setCellTag(4, 1, L"t");
    ASSERT_TRUE(g.copyRange(4, 1, 4, 1, 4, 3));
    EXPECT_EQ(text(g, 4, 3, ReadMode::Formula), L"A3+$A$1");
    EXPECT_EQ(text(g, 4, 3), L"4");
    EXPECT_EQ(text(g, 4, 3, ReadMode::Tag), L"t");
    // Overlapping copy down by one row keeps the source intact.
    ASSERT_TRUE(g.copyRange(1, 1, 1, 5, 1, 2));
    EXPECT_EQ(text(g, 1, 6), L"5");
    EXPECT_EQ(text(g, 1, 2), L"1");
}

TEST(GridStructure, MoveKeepsReferencesAndEmptiesSource) {
    Grid g = sample();
    ASSERT_TRUE(g.moveRange(3, 1, 3, 1, 5, 7));
    EXPECT_EQ(text(g, 5, 7, ReadMode::Formula), L"A5*10");
    EXPECT_EQ(text(g, 5, 7), L"50");
    EXPECT_FALSE(g.hasFormula(3, 1));
    g.setCellNumber(1, 5, 6);
    EXPECT_EQ(text(g, 5, 7), L"60");  // still a dependent at its new place
}

TEST(GridStructure, ClipboardIsSharedOnlyByGridsGivenTheSameOne) {
    auto shared = std::make_shared<GridClipboard>();
    Grid g = sample();
    g.setClipboard(shared);
    g.setData(4, 1, L"a\tb");
    g.setSelectedBlock(1, 1, 4, 2);
    ASSERT_TRUE(g.clipboardCopy());
    Grid other;
    other.setClipboard(shared);
    other.setMaxCols(6);
    other.setMaxRows(6);
    other.setActiveCell(2, 2);
    ASSERT_TRUE(other.clipboardPaste());
    EXPECT_EQ(text(other, 2, 2), L"1");
    EXPECT_EQ(text(other, 3, 2), L"15");
    EXPECT_EQ(text(other, 5, 2), L"a\tb");
    EXPECT_EQ(text(other, 2, 3), L"2");

    // A grid with a clipboard of its own (given or made on its first copy) sees none of it.
    Grid apart;
    apart.setMaxCols(6);
    apart.setMaxRows(6);
    apart.setActiveCell(1, 1);
    ASSERT_TRUE(apart.clipboardPaste());
    EXPECT_EQ(text(apart, 1, 1), L"");
    apart.setData(1, 1, L"own");
    ASSERT_TRUE(apart.clipboardCopy());
    apart.setActiveCell(2, 2);
    ASSERT_TRUE(apart.clipboardPaste());
    EXPECT_EQ(text(apart, 2, 2), L"own");
    EXPECT_NE(apart.clipboard(), shared);
    EXPECT_EQ(shared->text.substr(0, 2), L"1\t");
}

TEST(GridStructure, ResetKeepsRegisteredFunctionsAndTheHostsState) {
    Grid g = sample();
    g.addCustomFunctionExt(
        L"F", 0, 0, [](SSValue*, SSValue*, int) { return false; }, 0);
    auto clipboard = std::make_shared<GridClipboard>();
    g.setClipboard(clipboard);
    g.setOwner(7);
    g.setClientRect({0, 0, 300, 200});
    g.setScrollBarSize(17, 0);
    g.reset();
    EXPECT_EQ(g.getMaxRows(), 0);
    EXPECT_TRUE(g.cells().empty());
    EXPECT_EQ(g.customFunctionCount(), 1u);
    // The grid still sits in the same window of the same host.
    EXPECT_EQ(g.clipboard(), clipboard);
    EXPECT_EQ(g.getOwner(), 7);
    EXPECT_EQ(g.getClientRect().right, 300);
    int vertical = 0, horizontal = 0;
    g.getScrollBarSize(vertical, horizontal);
    EXPECT_EQ(vertical, 17);
}

// A filled column shares one program between its formulas; rows inserted or deleted in its
// middle must leave every formula reading the cells it read before.
TEST(GridStructure, EditsInsideAFilledColumnKeepEachFormulaOnItsCells) {
    Grid g;
    g.setMaxCols(4);
    g.setMaxRows(30);
    g.setCellNumber(1, 1, 1);
    for (int r = 2; r <= 10; ++r) {
        g.setFormula(1, r, L"A" + std::to_wstring(r - 1) + L"+1", true);  // A{r} = r
        g.setFormula(2, r, L"SUM($A$1:A" + std::to_wstring(r) + L")", true);
    }
    ASSERT_EQ(text(g, 1, 10), L"10");
    ASSERT_EQ(text(g, 2, 10), L"55");

    ASSERT_TRUE(g.insertRows(5, 2));  // rows 5..10 move to 7..12
    EXPECT_EQ(text(g, 1, 7, ReadMode::Formula), L"A4+1");
    EXPECT_EQ(text(g, 1, 8, ReadMode::Formula), L"A7+1");
    EXPECT_EQ(text(g, 2, 12, ReadMode::Formula), L"SUM($A$1:A12)");
    EXPECT_EQ(text(g, 1, 12), L"10");
    EXPECT_EQ(text(g, 2, 12), L"55");
    g.setCellNumber(1, 1, 11);  // every value of column A grows by 10
    EXPECT_EQ(text(g, 1, 12), L"20");
    EXPECT_EQ(text(g, 2, 4), L"50");  // 11 + 12 + 13 + 14
}
