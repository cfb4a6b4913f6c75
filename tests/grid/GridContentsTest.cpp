// Cell contents: the four reading modes, number formatting, typed cells, header
// coordinates and bounds.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "grid/CellTypes.h"
#include "grid/Grid.h"

using namespace ovgrid;

namespace {

Grid sheet(int cols = 5, int rows = 5) {
    Grid g;
    g.setMaxCols(cols);
    g.setMaxRows(rows);
    return g;
}

std::wstring read(const Grid& g, int col, int row, ReadMode mode) {
    std::wstring out = L"junk";
    g.getText(col, row, mode, out);
    return out;
}

}  // namespace

TEST(GridContents, ReadingModes) {
    Grid g = sheet();
    g.setCellType(1, 1, defineNumberType(0, 2, -1e14, 1e14, 0));
    ASSERT_TRUE(g.setData(1, 1, L"12.5"));
    ASSERT_TRUE(g.setValue(2, 1, L"12.50"));  // an edit cell keeps the text as typed
    ASSERT_TRUE(g.setCellTag(3, 1, L"hidden"));
    ASSERT_TRUE(g.setFormula(4, 1, L"=A1*2", true));
    g.setCellType(5, 1, defineNumberType(0, 3, -1e14, 1e14, 0));
    ASSERT_TRUE(g.setFormula(5, 1, L"A1/4", true));

    struct Case {
        int col;
        ReadMode mode;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {1, ReadMode::Data, L"12.50"},  {1, ReadMode::Value, L"12.5"},
        {1, ReadMode::Formula, L""},    {2, ReadMode::Data, L"12.50"},
        {2, ReadMode::Value, L"12.50"}, {3, ReadMode::Tag, L"hidden"},
        {3, ReadMode::Data, L""},       {4, ReadMode::Value, L"25"},
        {4, ReadMode::Data, L"25"},     {4, ReadMode::Formula, L"A1*2"},
        {5, ReadMode::Data, L"3.125"},  {5, ReadMode::Value, L"3.125"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(read(g, c.col, 1, c.mode), c.expected)
            << "col " << c.col << " mode " << static_cast<int>(c.mode);
    }
}

TEST(GridContents, NumberCellsRejectTextAndOutOfRange) {
    Grid g = sheet();
    g.setCellType(1, 1, defineNumberType(0, 1, 0, 100, 0));
    ASSERT_TRUE(g.setData(1, 1, L"5"));
    EXPECT_FALSE(g.setData(1, 1, L"abc"));
    EXPECT_FALSE(g.setData(1, 1, L"101"));
    EXPECT_EQ(read(g, 1, 1, ReadMode::Data), L"5.0");
    EXPECT_TRUE(g.setData(1, 1, L""));
    EXPECT_EQ(read(g, 1, 1, ReadMode::Value), L"");
}

TEST(GridContents, TextDoesNotBecomeAFormula) {
    Grid g = sheet();
    ASSERT_TRUE(g.setData(1, 1, L"=1+1"));
    EXPECT_FALSE(g.hasFormula(1, 1));
    EXPECT_EQ(read(g, 1, 1, ReadMode::Value), L"=1+1");
}

TEST(GridContents, NumericTextReadsAsNumberInFormulas) {
    Grid g = sheet();
    g.setValue(1, 1, L"4");
    g.setValue(1, 2, L"6");
    g.setValue(1, 3, L"x");
    ASSERT_TRUE(g.setFormula(2, 1, L"SUM(A1:A3)", true));
    EXPECT_EQ(read(g, 2, 1, ReadMode::Value), L"10");
}

TEST(GridContents, HeadersAcceptHeaderAndZero) {
    Grid g = sheet();
    ASSERT_TRUE(g.setCellTag(0, 0, L"settings"));
    EXPECT_EQ(read(g, HEADER, HEADER, ReadMode::Tag), L"settings");
    ASSERT_TRUE(g.setData(2, HEADER, L"Width"));
    EXPECT_EQ(read(g, 2, 0, ReadMode::Value), L"Width");
    EXPECT_FALSE(g.setFormula(1, HEADER, L"1+1", true));
}

TEST(GridContents, OutOfBoundsFailsAndClearsOutput) {
    Grid g = sheet(2, 2);
    std::wstring out = L"junk";
    EXPECT_FALSE(g.getText(3, 1, ReadMode::Value, out));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(g.setData(1, 3, L"x"));
    EXPECT_FALSE(g.setData(-5, 1, L"x"));
    EXPECT_FALSE(g.setMaxRows(-1));
    EXPECT_EQ(g.cells().size(), 0u);
}

TEST(GridContents, ShrinkingDropsCells) {
    Grid g = sheet(3, 3);
    g.setData(3, 3, L"x");
    g.setMaxRows(2);
    g.setMaxRows(3);
    EXPECT_EQ(read(g, 3, 3, ReadMode::Value), L"");
}

TEST(GridContents, CellNumberAndBooleans) {
    Grid g = sheet();
    g.setCellNumber(1, 1, 2.25);
    double n = 0;
    ASSERT_TRUE(g.getCellNumber(1, 1, n));
    EXPECT_EQ(n, 2.25);
    g.setValue(1, 2, L"abc");
    g.getCellNumber(1, 2, n);
    EXPECT_EQ(n, 0);
    g.setFormula(1, 3, L"A1>2", true);
    EXPECT_EQ(read(g, 1, 3, ReadMode::Value), L"1");
}

TEST(GridAttributes, TypesLockColoursFontsBorders) {
    Grid g = sheet();
    g.setCellTypeRange(1, 1, 2, 2, defineComboType(0x100002, L"a\tb\tc"));
    CellType t;
    ASSERT_TRUE(g.getCellType(2, 2, t));
    EXPECT_EQ(t.type, kTypeCombo);
    EXPECT_EQ(t.items, (std::vector<std::wstring>{L"a", L"b", L"c"}));
    g.getCellType(3, 3, t);
    EXPECT_EQ(t.type, kTypeEdit);
    EXPECT_EQ(defineStaticType(140).type, 8);
    EXPECT_EQ(defineCheckType(768, L"", {}, {}).type, 12);

    g.lockRange(1, 1, 5, 1, true);
    EXPECT_TRUE(g.isLocked(5, 1));
    EXPECT_FALSE(g.isLocked(1, 2));
    g.setColor(2, 2, 0xFF, 0x00);
    long bg = 0, fg = 0;
    g.getColor(2, 2, bg, fg);
    EXPECT_EQ(bg, 0xFF);
    g.getColor(3, 3, bg, fg);
    EXPECT_EQ(bg, DEFAULT_COLOR);
    int bold = g.createFont({L"Tahoma", 15, 700});
    EXPECT_EQ(bold, g.createFont({L"Tahoma", 15, 700}));
    g.setFontRange(1, HEADER, 5, HEADER, bold);
    EXPECT_EQ(g.font(g.getFont(3, 0)).weight, 700);
    EXPECT_FALSE(g.setFontRange(1, 1, 1, 1, 99));
    g.setBorder(1, 1, 18, 6, DEFAULT_COLOR);
    int type = 0, style = 0;
    long color = 0;
    g.getBorder(1, 1, type, style, color);
    EXPECT_EQ(type, 18);
    EXPECT_EQ(style, 6);
    // Shared styles: many cells, few style records.
    EXPECT_LT(g.styles().size(), 10u);
}

TEST(GridAttributes, Spans) {
    Grid g = sheet(6, 6);
    ASSERT_TRUE(g.addCellSpan(2, 2, 2, 3));
    EXPECT_FALSE(g.addCellSpan(3, 3, 2, 2));  // overlaps
    EXPECT_FALSE(g.addCellSpan(6, 6, 2, 1));  // leaves the sheet
    int c = 0, r = 0, nc = 0, nr = 0;
    ASSERT_TRUE(g.getCellSpan(3, 4, c, r, nc, nr));
    EXPECT_EQ(std::tie(c, r, nc, nr), std::make_tuple(2, 2, 2, 3));
    EXPECT_FALSE(g.getCellSpan(4, 4, c, r, nc, nr));
    EXPECT_TRUE(g.removeCellSpan(2, 2));
    EXPECT_FALSE(g.getCellSpan(3, 4, c, r, nc, nr));
}

TEST(GridAttributes, SizesAndPreferredSizes) {
    Grid g = sheet();
    g.setColWidth(1, 10);
    int px = 0;
    g.getColWidthInPixels(1, px);
    EXPECT_EQ(px, 80);
    g.setRowHeightInPixels(2, 40);
    EXPECT_DOUBLE_EQ(g.getRowHeight(2), 30);
    g.setData(1, 1, L"abcdefghij");  // 10 chars, default font height 13 -> 6 px each
    double w = 0, h = 0;
    ASSERT_TRUE(g.getPreferredCellSize(1, 1, w, h));
    EXPECT_DOUBLE_EQ(w, pixelsToWidth(60 + kCellPaddingX));
    double colW = 0;
    g.getPreferredColWidth(1, colW);
    EXPECT_DOUBLE_EQ(colW, w);
    g.setRowHidden(3, true);
    EXPECT_TRUE(g.isRowHidden(3));
}
