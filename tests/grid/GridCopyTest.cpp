// Copies of a sheet already in memory (loadFromSheet), formulas compiled once and shared
// between cells of several grids, and the style table's interning.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "grid/CellTypes.h"
#include "grid/Grid.h"

using namespace ovgrid;

namespace {

std::wstring value(const Grid& g, int col, int row) {
    std::wstring out;
    g.getValue(col, row, out);
    return out;
}

std::wstring formula(const Grid& g, int col, int row) {
    std::wstring out;
    g.getFormula(col, row, out);
    return out;
}

Grid sheet() {
    Grid g;
    g.setMaxCols(5);
    g.setMaxRows(10);
    return g;
}

}  // namespace

TEST(GridCopy, LoadedCopyIsIndependentOfItsSheet) {
    Grid source = sheet();
    source.setValue(1, 1, L"4");
    source.setFormula(2, 1, L"A1*2", true);
    source.setCellType(3, 1, defineNumberType(0, 2, 0, 0, 0));
    source.setCellTag(1, 1, L"tag");

    Grid copy;
    copy.setOwner(42);
    ASSERT_TRUE(copy.loadFromSheet(source));
    EXPECT_EQ(copy.getOwner(), 42);  // the view's own settings stay
    EXPECT_EQ(value(copy, 2, 1), L"8");
    std::wstring tag;
    copy.getCellTag(1, 1, tag);
    EXPECT_EQ(tag, L"tag");

    // Edits of the copy, structural ones included, leave the sheet as it was.
    copy.setValue(1, 1, L"10");
    copy.recalculateAll();
    ASSERT_TRUE(copy.insertRows(1, 1));
    EXPECT_EQ(formula(copy, 2, 2), L"A2*2");
    EXPECT_EQ(value(copy, 2, 2), L"20");
    EXPECT_EQ(formula(source, 2, 1), L"A1*2");
    EXPECT_EQ(value(source, 2, 1), L"8");
    EXPECT_EQ(value(source, 1, 1), L"4");

    // Loading again replaces everything the copy had.
    ASSERT_TRUE(copy.loadFromSheet(source));
    EXPECT_EQ(value(copy, 2, 1), L"8");
    EXPECT_FALSE(copy.hasFormula(2, 2));
}

TEST(GridCopy, SharedCompiledFormulaComputesPerGridAndIsCopiedBeforeAnEdit) {
    auto compiled = CompiledFormula::compile(L"A1+1", RefStyle::A1, 2, 1);
    ASSERT_TRUE(compiled);
    const CompiledFormula shared = *compiled;
    Grid first = sheet();
    Grid second = sheet();
    first.setValue(1, 1, L"1");
    second.setValue(1, 1, L"10");
    ASSERT_TRUE(first.setCompiledFormula(2, 1, shared, true));
    ASSERT_TRUE(second.setCompiledFormula(2, 1, shared, true));
    EXPECT_EQ(value(first, 2, 1), L"2");
    EXPECT_EQ(value(second, 2, 1), L"11");
    EXPECT_FALSE(first.setCompiledFormula(2, 11, shared, true));  // outside the sheet
    EXPECT_FALSE(first.setCompiledFormula(2, 1, CompiledFormula(), true));

    ASSERT_TRUE(first.insertCols(1, 1));
    EXPECT_EQ(formula(first, 3, 1), L"B1+1");
    EXPECT_EQ(formula(second, 2, 1), L"A1+1");
    EXPECT_EQ(shared.toText(RefStyle::A1, 2, 1), L"A1+1");
    // The shared formula still tracks its precedent in the grid that kept it.
    second.setValue(1, 1, L"20");
    second.recalculateAll();
    EXPECT_EQ(value(second, 2, 1), L"21");
}

TEST(GridCopy, EqualStylesShareOneEntryEvenWithNanLimits) {
    Grid g = sheet();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const CellType odd = defineNumberType(0, 2, nan, nan, 0);
    ASSERT_TRUE(g.setCellType(1, 1, odd));
    const std::size_t styles = g.styles().size();
    for (int row = 2; row <= 10; ++row) {
        ASSERT_TRUE(g.setCellType(1, row, odd));
    }
    EXPECT_EQ(g.styles().size(), styles);

    // A type change remembered for one style does not answer for another.
    const CellType twoDecimals = defineNumberType(0, 2, 0, 0, 0);
    const CellType threeDecimals = defineNumberType(0, 3, 0, 0, 0);
    g.setColor(2, 1, 255, 0);
    ASSERT_TRUE(g.setCellType(2, 2, twoDecimals));
    ASSERT_TRUE(g.setCellType(2, 1, twoDecimals));
    ASSERT_TRUE(g.setCellType(2, 3, threeDecimals));
    long background = 0;
    long foreground = 0;
    g.getColor(2, 1, background, foreground);
    EXPECT_EQ(background, 255);
    CellType read;
    g.getCellType(2, 2, read);
    EXPECT_EQ(read.decimals, 2);
    g.getCellType(2, 3, read);
    EXPECT_EQ(read.decimals, 3);
    g.getColor(2, 2, background, foreground);
    EXPECT_NE(background, 255);

    // Typing a number cell again still turns a numeric text it holds into a number.
    Grid text = sheet();
    text.setValue(1, 1, L"12.5");
    ASSERT_TRUE(text.setCellType(1, 1, twoDecimals));
    std::wstring data;
    text.getData(1, 1, data);
    EXPECT_EQ(data, L"12.50");
}
