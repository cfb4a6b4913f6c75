// FormulaLimitsTest.cpp - syntax errors, oversized and deeply nested formulas: each gives a
// compile error with a message, never a crash.
#include "FormulaTestSupport.h"

namespace ovgrid::test {
namespace {

bool compiles(const std::wstring& text, RefStyle style = RefStyle::A1,
              std::wstring* error = nullptr) {
    return CompiledFormula::compile(text, style, 1, 1, error).has_value();
}

// Syntax errors with plain answers are in tests/data/formulas/errors.txt; these are the
// ones where Excel would offer a correction (a missing closing parenthesis) or reads the
// text differently (a blank as the intersection of blocks).
TEST(FormulaLimitsTest, IncompleteFormulasAreRejectedWithAMessage) {
    const wchar_t* bad[] = {L"", L"=(1", L"=SUM(1,2", L"=1 2", L"=A1:5", L"=1e999"};
    for (const wchar_t* text : bad) {
        std::wstring error;
        EXPECT_FALSE(compiles(text, RefStyle::A1, &error))
            << std::string(text, text + wcslen(text));
        EXPECT_FALSE(error.empty());
    }
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

TEST(FormulaLimitsTest, HugeBlocksAreReadOnlyWithinTheUsedExtent) {
    MapContext grid;
    grid.set("A1", num(5));
    grid.reads = 0;
    expectAll(grid, {{L"=SUM(A1:XFD1048576)", num(5)}});
    EXPECT_LE(grid.reads, grid.cols * grid.rows);
}

}  // namespace
}  // namespace ovgrid::test
