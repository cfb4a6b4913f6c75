// ToleranceTests.cpp - standard-size selection within tolerances, the step-rounding fallback,
// the invalid-tolerance warning, the sizes file and the three tolerance functions.
#include <gtest/gtest.h>

#include "CallHelpers.h"
#include "StandardsFixture.h"
#include "core/MessageService.h"
#include "standards/functions/CustomFunctions.h"
#include "standards/functions/StandardSizesFile.h"
#include "standards/functions/ToleranceSelection.h"

using namespace ovfunctions;

TEST(ToleranceSelection, NearestAcceptableCandidateOrStepRounding) {
    const Tvx_Array<double> sizes{100, 120, 140};
    struct Case {
        const char* what;
        Tvx_Array<double> candidates;
        ToleranceRequest request;  // wanted, down, up, step
        double expected;
    };
    const Case cases[] = {
        {"5 below beats 15 above", sizes, {125, 10, 10, 10}, 120},
        {"a tie goes below", sizes, {130, 10, 10, 10}, 120},
        {"above when it is closer", sizes, {136, 10, 10, 10}, 140},
        {"exact size", sizes, {120, 0, 1, 10}, 120},
        {"closer side out of tolerance, other side taken", sizes, {125, 2, 15, 10}, 140},
        {"no size in range: step rounding", sizes, {150, 5, 5, 10}, 150},
        {"step rounding prefers the nearer down value", sizes, {150, 5, 5, 7}, 147},
        {"step rounding goes up when nearer", sizes, {153, 5, 5, 7}, 154},
        {"no candidates at all", {}, {12.3, 1, 1, 0.5}, 12.5},
        {"nothing fits: wanted clamped into range", {}, {12.3, 0.1, 0.1, 5}, 12.3},
        {"down value when up is out of tolerance", {}, {150.8, 5, 2, 7}, 147},
        {"a negative step rounds as its size", {}, {150.8, 5, 2, -7}, 147},
    };
    MessageRecorder recorder;
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(selectWithTolerance(c.candidates, c.request), c.expected) << c.what;
    }
    EXPECT_EQ(recorder.count(), 0);
}

TEST(ToleranceSelection, InvalidTolerancesWarnOnlyWhenWarningsAreOn) {
    Tvx_Settings saved = gSettings;
    MessageRecorder recorder;
    const Tvx_Array<double> sizes{100, 120, 140};

    // 120 lies below the lowest size allowed (125), so rounding raises the value to 125.
    gSettings.current.calcWarnings = false;
    EXPECT_DOUBLE_EQ(selectWithTolerance(sizes, {120, -5, 2.5, 10}), 125);
    EXPECT_EQ(recorder.count(), 0);

    gSettings.current.calcWarnings = true;
    // The selection goes on with the given values after the warning.
    EXPECT_DOUBLE_EQ(selectWithTolerance(sizes, {120, -5, 2.5, 10}), 125);
    ASSERT_EQ(recorder.count(), 1);
    EXPECT_EQ(recorder.last().text,
              Tvx_String(L"Invalid tolerances provided.\n DownTolerance is :-5UpTolerance is "
                         L":2.5\nAdding both tolerances should result in a positive value."));
    EXPECT_EQ(recorder.last().type & 0xF0u, MB_ICONEXCLAMATION);

    EXPECT_TRUE(warnOnInvalidTolerances(0, 0));  // a sum of zero is invalid too
    EXPECT_FALSE(warnOnInvalidTolerances(0, 0.01));
    EXPECT_EQ(recorder.count(), 2);
    gSettings = saved;
}

TEST(StandardSizesFile, CommentsAndTheTwoNumbers) {
    struct Case {
        const wchar_t* line;
        bool isSize;
        double first;
        double second;
    };
    const Case cases[] = {
        {L"200x10", true, 200, 10},
        {L"160", true, 160, 0},
        {L"  150 x 8 // note", true, 150, 8},
        {L"/* a */ 90 /* b */x/* c */5", true, 90, 5},
        {L"120 /* unclosed x 9", true, 120, 0},
        {L"// 300x20", false, 0, 0},
        {L"/* only a comment */", false, 0, 0},
        {L"   ", false, 0, 0},
        {L"abc", true, 0, 0},
    };
    for (const Case& c : cases) {
        StandardSize size;
        ASSERT_EQ(parseStandardSize(removeSizeComments(c.line), size), c.isSize) << c.line;
        if (c.isSize) {
            EXPECT_DOUBLE_EQ(size.first, c.first) << c.line;
            EXPECT_DOUBLE_EQ(size.second, c.second) << c.line;
        }
    }
}

class ToleranceFunctions : public StandardsLibrary {};

TEST_F(ToleranceFunctions, ReadTheSizesFile) {
    const Tvx_Array<StandardSize> sizes = readStandardSizes(libDir() + L"plates.txt");
    ASSERT_EQ(sizes.length(), 5);
    EXPECT_DOUBLE_EQ(sizes[3].first, 160);
    EXPECT_DOUBLE_EQ(sizes[3].second, 0);
    EXPECT_TRUE(readStandardSizes(libDir() + L"missing.txt").isEmpty());
}

TEST_F(ToleranceFunctions, EachTakesItsOwnCandidates) {
    MessageRecorder recorder;
    struct Case {
        const char* what;
        ovgrid::SSCustomFunctionProc proc;
        std::vector<ovgrid::SSValue> args;
        std::wstring expected;
    };
    const std::vector<Case> cases = {
        {"size",
         stdSizeWithTolerance,
         {textArg(L"sizes.txt"), numberArg(10), numberArg(125), numberArg(10), numberArg(10)},
         L"n:120"},
        {"size, quoted file name",
         stdSizeWithTolerance,
         {textArg(L"\"sizes.txt\""), numberArg(10), numberArg(136), numberArg(10), numberArg(10)},
         L"n:140"},
        {"size, missing file rounds to the step",
         stdSizeWithTolerance,
         {textArg(L"none.txt"), numberArg(5), numberArg(123), numberArg(10), numberArg(10)},
         L"n:125"},
        {"thickness: second numbers, tie goes below",
         stdThicknessWithTolerance,
         {textArg(L"plates.txt"), numberArg(1), numberArg(11), numberArg(1), numberArg(1)},
         L"n:10"},
        {"width for thickness 10: 150, 160, 200",
         stdWidthWithTolerance,
         {textArg(L"plates.txt"), numberArg(5), numberArg(10), numberArg(175), numberArg(20),
          numberArg(20)},
         L"n:160"},
        {"width for thickness 12: 160, 180, 250",
         stdWidthWithTolerance,
         {textArg(L"plates.txt"), numberArg(5), numberArg(12), numberArg(175), numberArg(20),
          numberArg(20)},
         L"n:180"},
        {"size needs a text file name",
         stdSizeWithTolerance,
         {numberArg(1), numberArg(10), numberArg(125), numberArg(10), numberArg(10)},
         L"fail"},
        {"size needs number tolerances",
         stdSizeWithTolerance,
         {textArg(L"sizes.txt"), numberArg(10), numberArg(125), textArg(L"10"), numberArg(10)},
         L"fail"},
        {"width with too few arguments",
         stdWidthWithTolerance,
         {textArg(L"plates.txt"), numberArg(5), numberArg(12), numberArg(175), numberArg(20)},
         L"fail"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(callFunction(c.proc, c.args), c.expected) << c.what;
    }
    EXPECT_EQ(recorder.count(), 0);
}
