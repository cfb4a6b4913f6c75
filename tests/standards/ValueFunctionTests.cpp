// ValueFunctionTests.cpp - ROUNDTO, GETARRAYITEM, TONUMBER, ISNULL, ISPOSITIVE: results and the
// argument checks every callback shares.
#include <gtest/gtest.h>

#include "CallHelpers.h"
#include "StandardsFixture.h"
#include "standards/functions/CustomFunctions.h"

using namespace ovfunctions;
using ovgrid::SSValue;

namespace {

struct Case {
    const char* what;
    ovgrid::SSCustomFunctionProc proc;
    std::vector<SSValue> args;
    std::wstring expected;
};

void runCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(callFunction(c.proc, c.args), c.expected) << c.what;
    }
}

}  // namespace

TEST(ValueFunctions, RoundTo) {
    runCases({
        {"to a step of 5", roundTo, {numberArg(12.4), numberArg(5)}, L"n:10"},
        {"halves away from zero", roundTo, {numberArg(12.5), numberArg(5)}, L"n:15"},
        {"long arguments are numbers", roundTo, {longArg(7), longArg(2)}, L"n:8"},
        {"step 0 keeps the value", roundTo, {numberArg(3.25), numberArg(0)}, L"n:3.25"},
        {"text is not a number", roundTo, {textArg(L"12"), numberArg(5)}, L"fail"},
        {"empty argument", roundTo, {emptyArg(), numberArg(5)}, L"fail"},
        {"too few arguments", roundTo, {numberArg(1)}, L"fail"},
    });
}

TEST(ValueFunctions, GetArrayItem) {
    runCases({
        {"second item", getArrayItem, {textArg(L"a;b;c"), numberArg(2)}, L"t:b"},
        {"index truncated", getArrayItem, {textArg(L"a;b;c"), numberArg(3.9)}, L"t:c"},
        {"quotes removed", getArrayItem, {textArg(L"\"a;b\""), numberArg(2)}, L"t:b"},
        {"index 0 is empty", getArrayItem, {textArg(L"a;b;c"), numberArg(0)}, L"empty text"},
        {"index past the end", getArrayItem, {textArg(L"a;b;c"), numberArg(4)}, L"empty text"},
        {"negative index", getArrayItem, {textArg(L"a;b;c"), numberArg(-1)}, L"empty text"},
        {"huge index", getArrayItem, {textArg(L"a;b;c"), numberArg(1e300)}, L"empty text"},
        {"empty item", getArrayItem, {textArg(L"a;;c"), numberArg(2)}, L"empty text"},
        {"list must be text", getArrayItem, {numberArg(1), numberArg(1)}, L"fail"},
        {"index must be a number", getArrayItem, {textArg(L"a"), textArg(L"1")}, L"fail"},
    });
}

TEST(ValueFunctions, ToNumber) {
    runCases({
        {"number text", toNumber, {textArg(L"12.5")}, L"n:12.5"},
        {"leading number", toNumber, {textArg(L" 7x")}, L"n:7"},
        {"quoted", toNumber, {textArg(L"\"-3\"")}, L"n:-3"},
        {"unparsable gives 0", toNumber, {textArg(L"abc")}, L"n:0"},
        {"a number fails", toNumber, {numberArg(5)}, L"fail"},
        {"empty fails", toNumber, {emptyArg()}, L"fail"},
        {"no arguments", toNumber, {}, L"fail"},
    });
}

TEST(ValueFunctions, IsNullAndIsPositive) {
    runCases({
        {"ISNULL empty", isNull, {emptyArg()}, L"n:1"},
        {"ISNULL empty text", isNull, {textArg(L"")}, L"n:1"},
        {"ISNULL quoted empty text", isNull, {textArg(L"\"\"")}, L"n:1"},
        {"ISNULL zero", isNull, {numberArg(0)}, L"n:1"},
        {"ISNULL false", isNull, {longArg(0)}, L"n:1"},
        {"ISNULL text", isNull, {textArg(L"0")}, L"n:0"},
        {"ISNULL number", isNull, {numberArg(-2)}, L"n:0"},
        {"ISNULL cell record", isNull, {cellArg()}, L"fail"},
        {"ISPOSITIVE empty", isPositive, {emptyArg()}, L"n:0"},
        {"ISPOSITIVE number", isPositive, {numberArg(0.5)}, L"n:1"},
        {"ISPOSITIVE zero", isPositive, {numberArg(0)}, L"n:0"},
        {"ISPOSITIVE text -3", isPositive, {textArg(L"-3")}, L"n:0"},
        {"ISPOSITIVE text 4", isPositive, {textArg(L"4")}, L"n:1"},
        {"ISPOSITIVE empty text", isPositive, {textArg(L"")}, L"n:0"},
        {"ISPOSITIVE cell record", isPositive, {cellArg()}, L"fail"},
    });
}
