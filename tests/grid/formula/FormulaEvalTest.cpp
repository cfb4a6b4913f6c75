// FormulaEvalTest.cpp - operators, precedence, coercion, error propagation and references
// in both styles.
#include "FormulaTestSupport.h"

namespace ovgrid::test {
namespace {

class FormulaEvalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        grid.set("A1", num(1));
        grid.set("A2", num(2));
        grid.set("A3", num(3));
        grid.set("B1", txt(L"abc"));
        grid.set("B2", txt(L"3"));
        grid.set("B3", boolean(true));
        grid.set("C1", err(ErrorCode::Div0));
        grid.set("H9", num(100));  // above-left neighbour of the formula cell H10
        grid.set("J10", num(7));   // two to the right of H10
    }
    MapContext grid;
};

TEST_F(FormulaEvalTest, OperatorsAndPrecedence) {
    expectAll(grid, {
                        {L"=1+2*3", num(7)},          {L"(1+2)*3", num(9)},
                        {L"=-2^2", num(4)},           {L"=2^3^2", num(64)},
                        {L"=-(2^2)", num(-4)},        {L"=0-2^2", num(-4)},
                        {L"=2^-1", num(0.5)},         {L"=50%", num(0.5)},
                        {L"=200%%", num(0.02)},       {L"=10-4-3", num(3)},
                        {L"=12/3/2", num(2)},         {L"=1+2&3", txt(L"33")},
                        {L"=1&2=12", boolean(false)}, {L"=\"12\"=1&2", boolean(true)},
                        {L"=1+1=2", boolean(true)},   {L"=--3", num(3)},
                        {L"=+-+3", num(-3)},          {L".5+1.5e1", num(15.5)},
                        {L"=1E-2", num(0.01)},        {L"=7/2", num(3.5)},
                        {L" = 1 +\t2 ", num(3)},
                    });
}

TEST_F(FormulaEvalTest, ArithmeticErrors) {
    expectAll(grid, {
                        {L"=1/0", err(ErrorCode::Div0)},
                        {L"=0^0", err(ErrorCode::Num)},
                        {L"=0^-1", err(ErrorCode::Div0)},
                        {L"=(-8)^(1/3)", err(ErrorCode::Num)},
                        {L"=10^400", err(ErrorCode::Num)},
                        {L"=(-2)^3", num(-8)},
                    });
}

TEST_F(FormulaEvalTest, Coercion) {
    expectAll(grid, {
                        {L"=\"3\"+1", num(4)},
                        {L"=\" 2.5 \"*2", num(5)},
                        {L"=\"50%\"*2", num(1)},
                        {L"=\"abc\"+1", err(ErrorCode::Value)},
                        {L"=\"\"+1", err(ErrorCode::Value)},
                        {L"=TRUE+1", num(2)},
                        {L"=Z99+1", num(1)},
                        {L"=Z99&\"x\"", txt(L"x")},
                        {L"=Z99", num(0)},
                        {L"=B2*2", num(6)},
                        {L"=B1*2", err(ErrorCode::Value)},
                        {L"=B3+1", num(2)},
                        {L"=1/3&\"\"", txt(L"0.333333333333333")},
                        {L"=1E+20&\"\"", txt(L"1E+20")},
                        {L"=0.1+0.2&\"\"", txt(L"0.3")},
                        {L"=TRUE&\"\"", txt(L"TRUE")},
                        {L"=-0.00001&\"\"", txt(L"-0.00001")},
                        {L"=123456789012345678&\"\"", txt(L"1.23456789012346E+17")},
                    });
}

TEST_F(FormulaEvalTest, Comparisons) {
    expectAll(grid, {
                        {L"=1<2", boolean(true)},
                        {L"=\"abc\"=\"ABC\"", boolean(true)},
                        {L"=\"a\"<\"B\"", boolean(true)},
                        {L"=1<\"a\"", boolean(true)},
                        {L"=\"zzz\"<TRUE", boolean(true)},
                        {L"=FALSE>99999", boolean(true)},
                        {L"=\"1\"=1", boolean(false)},
                        {L"=Z99=0", boolean(true)},
                        {L"=Z99=\"\"", boolean(true)},
                        {L"=Z99=FALSE", boolean(true)},
                        {L"=2<>2", boolean(false)},
                        {L"=2>=2", boolean(true)},
                        {L"=3<=2", boolean(false)},
                    });
}

TEST_F(FormulaEvalTest, ErrorsPropagateLeftFirst) {
    expectAll(grid, {
                        {L"=C1+1", err(ErrorCode::Div0)},
                        {L"=#N/A+C1", err(ErrorCode::NA)},
                        {L"=C1&#N/A", err(ErrorCode::Div0)},
                        {L"=#REF!", err(ErrorCode::Ref)},
                        {L"=-#num!", err(ErrorCode::Num)},
                        {L"=1<#VALUE!", err(ErrorCode::Value)},
                        {L"=UNKNOWNNAME+1", err(ErrorCode::Name)},
                        {L"=NOSUCHFUNCTION(1)", err(ErrorCode::Name)},
                    });
}

TEST_F(FormulaEvalTest, A1References) {
    expectAll(grid, {
                        {L"=a1+$A$2+A$3+$a3", num(9)},
                        {L"=SUM(A1:A3)", num(6)},
                        {L"=SUM(A3:A1)", num(6)},
                        {L"=SUM($A$3:A1)", num(6)},
                        {L"=A1:A3", err(ErrorCode::Value)},  // no overlap with row 10
                        {L"=AA10", num(0)},
                    });
}

TEST_F(FormulaEvalTest, ImplicitIntersectionOfBlocks) {
    grid.set("A10", num(42));
    // Formula cell is H10: a column block yields the cell of row 10.
    expectAll(grid, {{L"=A5:A20*2", num(84)}, {L"=H9:Z9", num(100)}});
}

TEST_F(FormulaEvalTest, R1C1References) {
    expectAll(grid,
              {
                  {L"=R1C1+R2C1", num(3)},
                  {L"=R[-1]C", num(100)},
                  {L"=r[-1]c", num(100)},
                  {L"=RC[2]", num(7)},
                  {L"=RC", num(0)},  // the formula cell itself, empty here
                  {L"=SUM(R1C1:R3C1)", num(6)},
                  {L"=SUM(R[-9]C[-7]:R[-7]C[-7])", num(6)},
                  {L"=R[-10]C", err(ErrorCode::Ref)},  // above row 1
                  {L"=ROUND(R1C1*2.5,0)", num(3)},
                  {L"=A1", err(ErrorCode::Name)},  // not a reference in this style
              },
              RefStyle::R1C1);
}

TEST_F(FormulaEvalTest, IfEvaluatesOnlyTheBranchItTakes) {
    expectAll(grid, {
                        {L"=IF(1,2,1/0)", num(2)},
                        {L"=IF(0,1/0,3)", num(3)},
                        {L"=IF(0,1)", boolean(false)},
                        {L"=IF(1,,1)", num(0)},
                        {L"=IF(\"true\",5,6)", num(5)},
                        {L"=IF(\"x\",5,6)", err(ErrorCode::Value)},
                        {L"=IF(C1,5,6)", err(ErrorCode::Div0)},
                        {L"=IF(Z99,5,6)", num(6)},
                        {L"=SUM(IF(1,A1:A3,0))", num(6)},
                        {L"=IF(1,IF(0,1,IF(1,7,8)),9)", num(7)},
                        {L"=IFERROR(1/0,\"bad\")", txt(L"bad")},
                        {L"=IFERROR(5,1/0)", num(5)},
                        {L"=IFERROR(Z99,1)", num(0)},
                        {L"=IFERROR(NA(),)", num(0)},
                    });
    // The untaken branch reads no cell.
    grid.reads = 0;
    eval(grid, L"=IF(TRUE,1,A1+A2)");
    EXPECT_EQ(grid.reads, 0);
}

TEST_F(FormulaEvalTest, FormulaCellPositionIsUsed) {
    EXPECT_TRUE(sameValue(eval(grid, L"=ROW()*100+COLUMN()", RefStyle::A1, 3, 5), num(503)));
}

}  // namespace
}  // namespace ovgrid::test
