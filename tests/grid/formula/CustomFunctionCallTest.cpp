// CustomFunctionCallTest.cpp - calls of functions registered at run time: the argument
// records they receive, the results they return and the errors around them.
#include <limits>
#include <vector>

#include "FormulaTestSupport.h"

namespace ovgrid::test {
namespace {

// What the last call of the recording function received.
std::vector<SSValue> gReceived;
SSValue gReply;
bool gSucceed = true;

bool recordAndReply(SSValue* result, SSValue* args, int argCount) {
    gReceived.assign(args, args + argCount);
    *result = gReply;
    return gSucceed;
}

class CustomFunctionCallTest : public ::testing::Test {
  protected:
    void SetUp() override {
        gReceived.clear();
        gReply = SSValue{};
        gReply.status = SS_VALUE_STATUS_OK;
        gReply.type = SS_VALUE_TYPE_DOUBLE;
        gReply.dValue = 1.0;
        gSucceed = true;
        grid.add({L"PLAIN", 0, 4, recordAndReply, 0});
        grid.add({L"WANTREF", 1, 3, recordAndReply, SS_CUSTFUNC_WANTCELLREF});
        grid.set("A1", num(2.5));
        grid.set("A2", txt(L"say \"hi\""));
        grid.set("A3", boolean(true));
        grid.set("B1", num(7));
        grid.set("C1", err(ErrorCode::Num));
    }
    MapContext grid;
};

TEST_F(CustomFunctionCallTest, ArgumentsArriveAsValueRecords) {
    eval(grid, L"=plain(A1,A2,A3,Z50)");
    ASSERT_EQ(gReceived.size(), 4u);
    EXPECT_EQ(gReceived[0].status, SS_VALUE_STATUS_OK);
    EXPECT_EQ(gReceived[0].type, SS_VALUE_TYPE_DOUBLE);
    EXPECT_EQ(gReceived[0].dValue, 2.5);
    EXPECT_EQ(gReceived[1].type, SS_VALUE_TYPE_STR);
    EXPECT_EQ(gReceived[1].text, L"say \"hi\"");
    EXPECT_EQ(gReceived[2].type, SS_VALUE_TYPE_LONG);
    EXPECT_EQ(gReceived[2].lValue, 1);
    EXPECT_EQ(gReceived[3].status, SS_VALUE_STATUS_EMPTY);

    eval(grid, L"=PLAIN(\"x\",,1+1,A1:B1)");
    ASSERT_EQ(gReceived.size(), 4u);
    EXPECT_EQ(gReceived[0].text, L"x");
    EXPECT_EQ(gReceived[1].status, SS_VALUE_STATUS_EMPTY);
    EXPECT_EQ(gReceived[2].dValue, 2.0);
    // Without the flag a block passes its top-left cell.
    EXPECT_EQ(gReceived[3].dValue, 2.5);
}

TEST_F(CustomFunctionCallTest, ReferencesArriveAsCellsAndRangesWithTheFlag) {
    eval(grid, L"=WANTREF(B1,C2:A1,5)");
    ASSERT_EQ(gReceived.size(), 3u);
    EXPECT_EQ(gReceived[0].type, SS_VALUE_TYPE_CELL);
    EXPECT_EQ(gReceived[0].cell.col, 2);
    EXPECT_EQ(gReceived[0].cell.row, 1);
    EXPECT_EQ(gReceived[1].type, SS_VALUE_TYPE_RANGE);
    EXPECT_EQ(gReceived[1].range.col1, 1);
    EXPECT_EQ(gReceived[1].range.row1, 1);
    EXPECT_EQ(gReceived[1].range.col2, 3);
    EXPECT_EQ(gReceived[1].range.row2, 2);
    EXPECT_EQ(gReceived[2].type, SS_VALUE_TYPE_DOUBLE);
    // A reference to an error cell is passed as a reference; the callback decides.
    eval(grid, L"=WANTREF(C1)");
    EXPECT_EQ(gReceived.size(), 1u);
}

TEST_F(CustomFunctionCallTest, ResultRecordsBecomeValues) {
    struct Reply {
        std::uint8_t status;
        std::uint8_t type;
        long l;
        double d;
        const wchar_t* text;
        Value expected;
    };
    const Reply replies[] = {
        {SS_VALUE_STATUS_OK, SS_VALUE_TYPE_LONG, 42, 0, L"", num(42)},
        {SS_VALUE_STATUS_OK, SS_VALUE_TYPE_DOUBLE, 0, 1.25, L"", num(1.25)},
        {SS_VALUE_STATUS_OK, SS_VALUE_TYPE_STR, 0, 0, L"HEA 200", txt(L"HEA 200")},
        {SS_VALUE_STATUS_EMPTY, SS_VALUE_TYPE_STR, 0, 0, L"", txt(L"")},
        {SS_VALUE_STATUS_EMPTY, SS_VALUE_TYPE_LONG, 0, 0, L"", Value::empty()},
        {SS_VALUE_STATUS_ERROR, SS_VALUE_TYPE_LONG, 0, 0, L"", err(ErrorCode::Value)},
        {SS_VALUE_STATUS_OK, SS_VALUE_TYPE_DOUBLE, 0, std::numeric_limits<double>::infinity(), L"",
         err(ErrorCode::Num)},
    };
    for (const Reply& r : replies) {
        gReply.status = r.status;
        gReply.type = r.type;
        gReply.lValue = r.l;
        gReply.dValue = r.d;
        gReply.text = r.text;
        Value got = eval(grid, L"=PLAIN()");
        EXPECT_TRUE(sameValue(got, r.expected)) << describe(got) << " vs " << describe(r.expected);
    }
    gReply.type = SS_VALUE_TYPE_DOUBLE;
    gReply.status = SS_VALUE_STATUS_OK;
    gReply.dValue = 3;
    EXPECT_TRUE(sameValue(eval(grid, L"=PLAIN()*2+1"), num(7)));
}

TEST_F(CustomFunctionCallTest, FailuresAndErrors) {
    expectAll(grid, {
                        {L"=NOTREGISTERED(1)", err(ErrorCode::Name)},
                        {L"=WANTREF()", err(ErrorCode::Value)},
                        {L"=PLAIN(1,2,3,4,5)", err(ErrorCode::Value)},
                        {L"=PLAIN(C1)", err(ErrorCode::Num)},
                        {L"=PLAIN(1/0)", err(ErrorCode::Div0)},
                    });
    // An error argument means no call at all.
    gReceived.clear();
    eval(grid, L"=PLAIN(1,#N/A)");
    EXPECT_TRUE(gReceived.empty());

    gSucceed = false;
    EXPECT_TRUE(sameValue(eval(grid, L"=PLAIN(1)"), err(ErrorCode::Value)));
}

TEST_F(CustomFunctionCallTest, CustomCallsMakeTheFormulaVolatile) {
    EXPECT_TRUE(CompiledFormula::compile(L"=1+PLAIN()", RefStyle::A1, 1, 1)->isVolatile());
    EXPECT_FALSE(CompiledFormula::compile(L"=SUM(A1:A3)+ROW()", RefStyle::A1, 1, 1)->isVolatile());
}

}  // namespace
}  // namespace ovgrid::test
