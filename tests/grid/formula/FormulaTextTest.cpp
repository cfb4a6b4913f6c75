// FormulaTextTest.cpp - writing formulas back as text in both styles, and keeping their
// references right when rows and columns move or the formula is copied.
#include "FormulaTestSupport.h"

namespace ovgrid::test {
namespace {

std::wstring rewrite(const std::wstring& text, RefStyle from, RefStyle to, int col = 3,
                     int row = 5) {
    auto formula = CompiledFormula::compile(text, from, col, row);
    EXPECT_TRUE(formula.has_value()) << std::string(text.begin(), text.end());
    return formula ? formula->toText(to, col, row) : L"";
}

CompiledFormula compiled(const std::wstring& text, int col = 3, int row = 5) {
    auto formula = CompiledFormula::compile(text, RefStyle::A1, col, row);
    EXPECT_TRUE(formula.has_value());
    return formula ? *formula : CompiledFormula();
}

TEST(FormulaTextTest, A1TextRoundTrips) {
    struct Case {
        const wchar_t* in;
        const wchar_t* out;
    };
    const Case cases[] = {
        {L"=1+2*3", L"1+2*3"},
        {L"a1+$b$2+C$3+$D4", L"A1+$B$2+C$3+$D4"},
        {L"=sum(A1:B3, 4)", L"SUM(A1:B3,4)"},
        {L"=B3:A1", L"A1:B3"},
        {L"=\"say \"\"hi\"\"\"&\"\"", L"\"say \"\"hi\"\"\"&\"\""},
        {L"=-(1+2)%", L"-(1+2)%"},
        {L"=IF(A1,,1)", L"IF(A1,,1)"},
        {L"=IF(A1>0,\"pos\")", L"IF(A1>0,\"pos\")"},
        {L"=IFERROR(1/0,#n/a)", L"IFERROR(1/0,#N/A)"},
        {L"=.5+1E3+1.5e-7+0.1", L"0.5+1000+1.5E-07+0.1"},
        {L"=true<>false", L"TRUE<>FALSE"},
        {L"=myFunc(1,,\"x\")", L"MYFUNC(1,,\"x\")"},
        {L"=PI()", L"PI()"},
        {L"=Width*2", L"Width*2"},
        {L"=2^3^2<=4", L"2^3^2<=4"},
    };
    for (const Case& c : cases) {
        std::wstring text = rewrite(c.in, RefStyle::A1, RefStyle::A1);
        EXPECT_EQ(text, c.out);
        // What is written compiles again to the same text.
        EXPECT_EQ(rewrite(text, RefStyle::A1, RefStyle::A1), text);
    }
}

TEST(FormulaTextTest, StylesConvertRelativeToTheCell) {
    // Formula in C5.
    EXPECT_EQ(rewrite(L"=A1+$A$1+C5+$B6+D$4", RefStyle::A1, RefStyle::R1C1),
              L"R[-4]C[-2]+R1C1+RC+R[1]C2+R4C[1]");
    EXPECT_EQ(rewrite(L"=R[-4]C[-2]+R1C1+RC+R[1]C2+R4C[1]", RefStyle::R1C1, RefStyle::A1),
              L"A1+$A$1+C5+$B6+D$4");
    EXPECT_EQ(rewrite(L"=SUM(R1C1:R[2]C)", RefStyle::R1C1, RefStyle::R1C1), L"SUM(R1C1:R[2]C)");
    EXPECT_EQ(rewrite(L"=SUM(R1C1:R[2]C)", RefStyle::R1C1, RefStyle::A1), L"SUM($A$1:C7)");
}

TEST(FormulaTextTest, ForEachReferenceListsCellsAndBlocks) {
    CompiledFormula f = compiled(L"=A1+SUM(B2:C4)+IF(1,D5,E6)");
    std::vector<std::tuple<int, int, int, int>> seen;
    f.forEachReference(
        3, 5, [&](const CellRange& r) { seen.emplace_back(r.col1, r.row1, r.col2, r.row2); });
    std::vector<std::tuple<int, int, int, int>> expected = {
        {1, 1, 1, 1}, {2, 2, 3, 4}, {4, 5, 4, 5}, {5, 6, 5, 6}};
    EXPECT_EQ(seen, expected);
}

TEST(FormulaTextTest, RowInsertAndDeleteMoveReferences) {
    struct Case {
        const wchar_t* formula;
        bool insert;
        int at;
        int count;
        int rowAfter;  // where the formula of C5 stands after the edit
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"=A1+A5+$A$9", true, 3, 2, 7, L"A1+A7+$A$11"},
        {L"=SUM(A2:A6)", true, 4, 1, 6, L"SUM(A2:A7)"},  // inside: grows
        {L"=SUM(A2:A6)", true, 2, 1, 6, L"SUM(A3:A7)"},  // at the top: moves
        {L"=SUM(A2:A6)", true, 7, 1, 5, L"SUM(A2:A6)"},  // below: unchanged
        {L"=A1+A5+A9", false, 5, 1, 5, L"A1+#REF!+A8"},
        {L"=SUM(A2:A6)", false, 3, 2, 3, L"SUM(A2:A4)"},  // inside: shrinks
        {L"=SUM(A2:A6)", false, 1, 3, 2, L"SUM(A1:A3)"},  // top cut off
        {L"=SUM(A2:A6)", false, 2, 5, 5, L"SUM(#REF!)"},  // all gone
        {L"=SUM(A2:A6)", false, 5, 10, 5, L"SUM(A2:A4)"},
        {L"=$A1+A$1+SUM(A$2:$A6)", true, 1, 1, 6, L"$A2+A$2+SUM(A$3:$A7)"},  // mixed
    };
    for (const Case& c : cases) {
        CompiledFormula f = compiled(c.formula);
        if (c.insert) {
            f.insertRows(c.at, c.count, 3, 5);
        } else {
            f.deleteRows(c.at, c.count, 3, 5);
        }
        std::wstring text = f.toText(RefStyle::A1, 3, c.rowAfter);
        EXPECT_EQ(text, c.expected) << std::string(text.begin(), text.end());
    }
}

TEST(FormulaTextTest, ColumnEditsMoveReferences) {
    CompiledFormula f = compiled(L"=A1+C1+SUM(B1:D1)", 5, 5);
    f.insertCols(2, 1, 5, 5);
    EXPECT_EQ(f.toText(RefStyle::A1, 6, 5), L"A1+D1+SUM(C1:E1)");
    f.deleteCols(4, 1, 6, 5);
    EXPECT_EQ(f.toText(RefStyle::A1, 5, 5), L"A1+#REF!+SUM(C1:D1)");
}

TEST(FormulaTextTest, DeletedReferencesEvaluateToRefError) {
    MapContext grid;
    CompiledFormula f = compiled(L"=A1+1");
    f.deleteRows(1, 1, 3, 5);
    EXPECT_TRUE(sameValue(evaluate(f, grid, 3, 4), err(ErrorCode::Ref)));
}

TEST(FormulaTextTest, CopyShiftsRelativeReferencesOnly) {
    CompiledFormula f = compiled(L"=A1+$A1+A$1+$A$1+SUM(A1:B2)");
    EXPECT_EQ(f.copiedBy(3, 5, 2, 3).toText(RefStyle::A1, 5, 8), L"C4+$A4+C$1+$A$1+SUM(C4:D5)");
    EXPECT_EQ(f.copiedBy(3, 5, 0, -1).toText(RefStyle::A1, 3, 4),
              L"#REF!+#REF!+A$1+$A$1+SUM(#REF!)");
    // The original is untouched.
    EXPECT_EQ(f.toText(RefStyle::A1, 3, 5), L"A1+$A1+A$1+$A$1+SUM(A1:B2)");
    // A block with one absolute corner stays ordered when the other passes it.
    EXPECT_EQ(compiled(L"=SUM($A$1:B2)").copiedBy(3, 5, 0, -1).toText(RefStyle::A1, 3, 4),
              L"SUM($A$1:B1)");
    EXPECT_EQ(compiled(L"=SUM(B2:$C$3)").copiedBy(3, 5, 3, 0).toText(RefStyle::A1, 6, 5),
              L"SUM($C2:E$3)");
}

TEST(FormulaTextTest, CopiesAndMovesAreIndependent) {
    CompiledFormula a = compiled(L"=A1");
    CompiledFormula b = a;
    b.insertRows(1, 1, 3, 5);
    EXPECT_EQ(a.toText(RefStyle::A1, 3, 5), L"A1");
    EXPECT_EQ(b.toText(RefStyle::A1, 3, 6), L"A2");
    CompiledFormula c = std::move(b);
    EXPECT_EQ(c.toText(RefStyle::A1, 3, 6), L"A2");
    MapContext grid;
    EXPECT_TRUE(evaluate(b, grid, 1, 1).isError());  // moved-from: no program, no crash
}

}  // namespace
}  // namespace ovgrid::test
