// FormulaEvalTest.cpp - evaluation behaviour the fixtures in tests/data/formulas cannot
// show: formulas typed without "=" or with blanks around it, references that leave the sheet
// in the R1C1 style, and branches that are never read.
#include "FormulaTestSupport.h"

namespace ovgrid::test {
namespace {

class FormulaEvalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        grid.set("A1", num(1));
        grid.set("A2", num(2));
        grid.set("H9", num(100));  // above the formula cell H10
    }
    MapContext grid;
};

TEST_F(FormulaEvalTest, LeadingEqualsAndBlanksAreOptional) {
    expectAll(grid, {
                        {L"(1+2)*3", num(9)},
                        {L"A1+A2", num(3)},
                        {L" = 1 +\t2 ", num(3)},
                        {L"=\tA1 ", num(1)},
                    });
}

TEST_F(FormulaEvalTest, NumbersReadAsTyped) {
    expectAll(grid, {
                        {L"=7", num(7)},
                        {L"=007+0", num(7)},
                        {L"=999999999999999", num(999999999999999.0)},    // 15 digits
                        {L"=1234567890123456", num(1234567890123456.0)},  // 16 digits
                        {L"=12345678901234567890", num(12345678901234567890.0)},
                        {L"=12.5*2", num(25)},
                        {L"=1E3+1", num(1001)},
                        {L"=2e-1", num(0.2)},
                        {L"=50%", num(0.5)},
                        {L"=(3)-A1", num(2)},
                    });
    // A name or a column right after the digits makes no number.
    for (const wchar_t* text : {L"=2A", L"=12$", L"=1.2.3"}) {
        EXPECT_FALSE(CompiledFormula::compile(text, RefStyle::A1, 8, 10)) << text;
    }
}

TEST_F(FormulaEvalTest, R1C1ReferencesOutsideTheSheetAreRefErrors) {
    expectAll(grid,
              {
                  {L"=R[-1]C", num(100)},
                  {L"=R[-10]C", err(ErrorCode::Ref)},  // above row 1
                  {L"=RC[-8]", err(ErrorCode::Ref)},   // left of column A
                  {L"=RC", num(0)},                    // the formula cell itself, empty here
              },
              RefStyle::R1C1);
}

TEST_F(FormulaEvalTest, TheBranchNotTakenIsNotRead) {
    grid.reads = 0;
    EXPECT_TRUE(sameValue(eval(grid, L"=IF(TRUE,1,A1+A2)"), num(1)));
    EXPECT_EQ(grid.reads, 0);
    EXPECT_TRUE(sameValue(eval(grid, L"=IFERROR(5,A1)"), num(5)));
    EXPECT_EQ(grid.reads, 0);
}

}  // namespace
}  // namespace ovgrid::test
