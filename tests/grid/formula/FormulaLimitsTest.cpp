// FormulaLimitsTest.cpp - syntax errors, oversized and deeply nested formulas: each gives a
// compile error with a message, never a crash.
#include "FormulaTestSupport.h"

namespace ovgrid::test {
namespace {

bool compiles(const std::wstring& text, RefStyle style = RefStyle::A1,
              std::wstring* error = nullptr) {
    return CompiledFormula::compile(text, style, 1, 1, error).has_value();
}

TEST(FormulaLimitsTest, SyntaxErrorsAreRejectedWithAMessage) {
    const wchar_t* bad[] = {
        L"",         L"=",         L"=1+",
        L"=(1",      L"=1)",       L"=\"abc",
        L"=1 2",     L"=A1:",      L"=A1:5",
        L"=SUM(1,2", L"=2A",       L"=1.2.3",
        L"=1e",      L"=#FOO!",    L"=*3",
        L"=SUM(,",   L"=IF(1)",    L"=IF(1,2,3,4)",
        L"=ABS()",   L"=ABS(1,2)", L"=IFERROR(1)",
        L"=PI(1)",   L"=@",        L"=A1::B2",
        L"=1e999",   L"=ROUND(1)", L"=COUNTBLANK(A1,A2)",
    };
    for (const wchar_t* text : bad) {
        std::wstring error;
        EXPECT_FALSE(compiles(text, RefStyle::A1, &error))
            << std::string(text, text + wcslen(text));
        EXPECT_FALSE(error.empty());
    }
    EXPECT_FALSE(compiles(L"=R[1", RefStyle::R1C1));
}

TEST(FormulaLimitsTest, NestingIsBounded) {
    auto nested = [](int depth) {
        return std::wstring(std::size_t(depth), L'(') + L"1" +
               std::wstring(std::size_t(depth), L')');
    };
    EXPECT_TRUE(compiles(nested(200)));
    std::wstring error;
    EXPECT_FALSE(compiles(nested(300), RefStyle::A1, &error));
    EXPECT_NE(error.find(L"nests"), std::wstring::npos);
    EXPECT_FALSE(compiles(nested(100000)));

    std::wstring calls;
    for (int i = 0; i < 100000; ++i) {
        calls += L"ABS(";
    }
    EXPECT_FALSE(compiles(calls + L"1" + std::wstring(100000, L')')));
    EXPECT_FALSE(compiles(std::wstring(60000, L'(')));
}

TEST(FormulaLimitsTest, LongFormulasCompileUpToTheLimit) {
    // 20000 terms: long but legal, and evaluated without recursion.
    std::wstring sum = L"=1";
    for (int i = 0; i < 20000; ++i) {
        sum += L"+1";
    }
    auto formula = CompiledFormula::compile(sum, RefStyle::A1, 1, 1);
    ASSERT_TRUE(formula.has_value());
    MapContext grid;
    EXPECT_TRUE(sameValue(evaluate(*formula, grid, 1, 1), num(20001)));

    std::wstring error;
    EXPECT_FALSE(compiles(L"=" + std::wstring(70000, L'1'), RefStyle::A1, &error));
    EXPECT_NE(error.find(L"longer"), std::wstring::npos);
    // Long chains of signs are no recursion either.
    EXPECT_TRUE(compiles(L"=" + std::wstring(30000, L'-') + L"1"));
}

TEST(FormulaLimitsTest, ArgumentCountIsBounded) {
    std::wstring args = L"=SUM(1";
    for (int i = 0; i < 300; ++i) {
        args += L",1";
    }
    EXPECT_FALSE(compiles(args + L")"));
}

TEST(FormulaLimitsTest, ReferencesBeyondTheSheetAreNoReferences) {
    MapContext grid;
    // XFE is past the last column, A0 and A1048577 have no row: they read as names.
    expectAll(grid, {
                        {L"=XFE1", err(ErrorCode::Name)},
                        {L"=A0", err(ErrorCode::Name)},
                        {L"=A1048577", err(ErrorCode::Name)},
                        {L"=XFD1048576", num(0)},
                        {L"=LOG10(100)", num(2)},  // a function, not cell LOG10
                    });
}

TEST(FormulaLimitsTest, HugeBlocksAreReadOnlyWithinTheUsedExtent) {
    MapContext grid;
    grid.set("A1", num(5));
    grid.reads = 0;
    expectAll(grid, {{L"=SUM(A1:XFD1048576)", num(5)}});
    EXPECT_LE(grid.reads, grid.cols * grid.rows);
}

}  // namespace
}  // namespace ovgrid::test
