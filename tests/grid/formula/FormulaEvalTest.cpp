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
