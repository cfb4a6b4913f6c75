// SharedProgramTest.cpp - formulas of the same shape share one program, and each still reads
// the cells around its own place; an edit of one never reaches the others.
#include "FormulaTestSupport.h"

namespace ovgrid::test {
namespace {

CompiledFormula at(const std::wstring& text, int col, int row) {
    auto formula = CompiledFormula::compile(text, RefStyle::A1, col, row);
    EXPECT_TRUE(formula.has_value()) << std::string(text.begin(), text.end());
    return formula ? *formula : CompiledFormula();
}

TEST(SharedProgram, FormulasOfOneShapeShareAndReadAroundTheirOwnCell) {
    CompiledFormula b2 = at(L"=A1+1", 2, 2);
    CompiledFormula b3 = at(L"=A2+1", 2, 3);
    CompiledFormula b4 = at(L"=$A$1+A3*2", 2, 4);
    CompiledFormula b5 = at(L"=$A$1+A4*2", 2, 5);
    EXPECT_TRUE(b2.sharesProgramWith(b3));
    EXPECT_TRUE(b4.sharesProgramWith(b5));
    // Same text, other place: another shape.
    EXPECT_FALSE(at(L"=A1+1", 2, 7).sharesProgramWith(b2));
    EXPECT_FALSE(at(L"=A1+2", 2, 2).sharesProgramWith(b2));

    EXPECT_EQ(b2.toText(RefStyle::A1, 2, 2), L"A1+1");
    EXPECT_EQ(b3.toText(RefStyle::A1, 2, 3), L"A2+1");
    EXPECT_EQ(b5.toText(RefStyle::A1, 2, 5), L"$A$1+A4*2");

    MapContext grid;
    grid.set("A1", num(10));
    grid.set("A2", num(20));
    grid.set("A4", num(3));
    EXPECT_TRUE(sameValue(evaluate(b2, grid, 2, 2), num(11)));
    EXPECT_TRUE(sameValue(evaluate(b3, grid, 2, 3), num(21)));
    EXPECT_TRUE(sameValue(evaluate(b5, grid, 2, 5), num(16)));

    std::vector<std::tuple<int, int, int, int>> seen;
    b5.forEachReference(
        2, 5, [&](const CellRange& r) { seen.emplace_back(r.col1, r.row1, r.col2, r.row2); });
    const std::vector<std::tuple<int, int, int, int>> expected = {{1, 1, 1, 1}, {1, 4, 1, 4}};
    EXPECT_EQ(seen, expected);
}

TEST(SharedProgram, BlockWithOneFixedCornerTurnsOverWhereTheOtherPassesIt) {
    // B3 sums A3:A5, B8 sums A5:A8: one shape.
    CompiledFormula b3 = at(L"=SUM($A$5:A3)", 2, 3);
    CompiledFormula b8 = at(L"=SUM($A$5:A8)", 2, 8);
    EXPECT_TRUE(b3.sharesProgramWith(b8));
    // Each coordinate keeps its own absolute flag when the block is put in order.
    EXPECT_EQ(b3.toText(RefStyle::A1, 2, 3), L"SUM($A3:A$5)");
    EXPECT_EQ(b8.toText(RefStyle::A1, 2, 8), L"SUM($A$5:A8)");
    MapContext grid;
    for (int row = 1; row <= 9; ++row) {
        grid.set("A" + std::to_string(row), num(row));
    }
    EXPECT_TRUE(sameValue(evaluate(b3, grid, 2, 3), num(3 + 4 + 5)));
    EXPECT_TRUE(sameValue(evaluate(b8, grid, 2, 8), num(5 + 6 + 7 + 8)));
}

TEST(SharedProgram, AnEditChangesOnlyTheFormulaItIsMadeOn) {
    CompiledFormula b5 = at(L"=A1+A4", 2, 5);
    CompiledFormula b6 = at(L"=A2+A5", 2, 6);
    ASSERT_TRUE(b5.sharesProgramWith(b6));
    // A row inserted at 3: B5 moves to B6; A1 stays, A4 moves to A5.
    b5.insertRows(3, 1, 2, 5);
    EXPECT_EQ(b5.toText(RefStyle::A1, 2, 6), L"A1+A5");
    EXPECT_EQ(b6.toText(RefStyle::A1, 2, 6), L"A2+A5");
    EXPECT_FALSE(b5.sharesProgramWith(b6));

    // An edit that leaves the relative distances alone keeps the program shared.
    CompiledFormula c5 = at(L"=C4*2", 3, 5);
    CompiledFormula c6 = at(L"=C5*2", 3, 6);
    c5.insertRows(1, 2, 3, 5);
    EXPECT_TRUE(c5.sharesProgramWith(c6));
    EXPECT_EQ(c5.toText(RefStyle::A1, 3, 7), L"C6*2");

    // A copy that stays inside the sheet shares too; one that leaves it gets its own.
    CompiledFormula copy = c6.copiedBy(3, 6, 1, 10);
    EXPECT_TRUE(copy.sharesProgramWith(c6));
    EXPECT_EQ(copy.toText(RefStyle::A1, 4, 16), L"D15*2");
    CompiledFormula off = c6.copiedBy(3, 6, 0, -5);
    EXPECT_EQ(off.toText(RefStyle::A1, 3, 1), L"#REF!*2");
    EXPECT_EQ(c6.toText(RefStyle::A1, 3, 6), L"C5*2");
}

}  // namespace
}  // namespace ovgrid::test
