// Spans over equal texts, fitting to contents and the six rules that share the width.
#include "SpreadFixture.h"

using ovgrid::HEADER;

namespace {

struct SpanInfo {
    int anchorRow, rows;
};

SpanInfo spanAt(const Tvx_Spread& s, int col, int row) {
    int ac = 0, ar = 0, cols = 0, rows = 0;
    if (!s.SSGetCellSpan(col, row, ac, ar, cols, rows))
        return {0, 0};
    return {ar, rows};
}

}  // namespace

TEST_F(SpreadTest, MergeEqualSpansRunsAndLeavesEmptyRowsSingle) {
    struct Case {
        const char* name;
        std::vector<const wchar_t*> texts;
        std::vector<SpanInfo> expected;  // per row: anchor row and span height (0, 0 = none)
    };
    const std::vector<Case> cases = {
        {"runs then empties",
         {L"a", L"A", L"b", L"b", L"b", L"", L""},
         {{1, 2}, {1, 2}, {3, 3}, {3, 3}, {3, 3}, {0, 0}, {0, 0}}},
        {"run ends at last row", {L"x", L"b", L"b", L"b"}, {{0, 0}, {2, 3}, {2, 3}, {2, 3}}},
        {"singles", {L"a", L"b", L"a"}, {{0, 0}, {0, 0}, {0, 0}}},
    };
    for (const Case& c : cases) {
        spread.setMaxCols(1);
        spread.setMaxRows(0);
        spread.setMaxRows(static_cast<int>(c.texts.size()));
        for (std::size_t i = 0; i < c.texts.size(); ++i) {
            spread.setCellText(1, static_cast<int>(i) + 1, c.texts[i]);
        }
        ASSERT_TRUE(spread.mergeEqualInColumn(1)) << c.name;
        ASSERT_TRUE(spread.mergeEqualInColumn(1)) << c.name << ": again, over its own spans";
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            const SpanInfo got = spanAt(spread, 1, static_cast<int>(i) + 1);
            EXPECT_EQ(got.anchorRow, c.expected[i].anchorRow) << c.name << " row " << i + 1;
            EXPECT_EQ(got.rows, c.expected[i].rows) << c.name << " row " << i + 1;
        }
    }
    EXPECT_FALSE(spread.mergeEqualInColumn(2));
    EXPECT_FALSE(spread.mergeEqualInColumn(-1));
}

TEST_F(SpreadTest, RemoveSpansInColumnLeavesOtherColumns) {
    fill({{L"a", L"a"}, {L"a", L"a"}});
    spread.mergeEqualInColumn(1);
    spread.mergeEqualInColumn(2);
    ASSERT_TRUE(spread.removeSpansInColumn(1));
    EXPECT_EQ(spanAt(spread, 1, 2).rows, 0);
    EXPECT_EQ(spanAt(spread, 2, 2).rows, 2);
}

namespace {

struct FitCase {
    const char* name;
    int mode, arg1, arg2;
    bool headerShares;
    int scrollBar;
    std::vector<int> fixedCols, fixedWidths;
    std::vector<int> expected;  // header column, then columns 1..3, in pixels
};

}  // namespace

TEST_F(SpreadTest, FitModesShareTheClientWidth) {
    // The grid's client area is 400 pixels wide; three data columns; untouched columns keep
    // the default 72 pixels.
    const std::vector<FitCase> cases = {
        {"0 nothing", 0, 0, 0, true, 0, {}, {}, {72, 72, 72, 72}},
        {"1 header shares", 1, 0, 0, true, 0, {}, {}, {100, 100, 100, 100}},
        {"1 scroll bar", 1, 0, 0, true, 16, {}, {}, {96, 96, 96, 96}},
        {"1 header apart", 1, 0, 0, false, 0, {}, {}, {133, 133, 133, 133}},
        {"3 first column half", 3, 1, 50, false, 0, {}, {}, {72, 200, 100, 100}},
        {"3 last column quarter", 3, -1, 25, true, 0, {}, {}, {100, 100, 100, 100}},
        {"3 zero columns", 3, 0, 50, true, 0, {}, {}, {72, 72, 72, 72}},
        {"4 column 2", 4, 2, 160, true, 0, {}, {}, {80, 80, 160, 80}},
        {"4 header column", 4, 0, 100, true, 0, {}, {}, {100, 100, 100, 100}},
        {"5 two fixed", 5, 0, 0, false, 0, {1, 3}, {48, 152}, {72, 48, 200, 152}},
        {"5 header fixed", 5, 0, 0, true, 0, {0, 9}, {40, 8}, {40, 120, 120, 120}},
        {"5 unpaired ignored", 5, 0, 0, true, 0, {2, 3}, {200}, {66, 66, 200, 66}},
    };
    for (const FitCase& c : cases) {
        Tvx_Spread s;
        HeadlessGridHost h;
        h.addControl(1, {0, 0, 400, 300});
        ASSERT_TRUE(s.create(&h, 1, true));
        s.setMaxCols(3);
        s.setMaxRows(2);
        s.SSSetBool(Tvx_Spread::kPropRowHeaderShares, c.headerShares);
        s.grid()->setScrollBarSize(c.scrollBar, 0);
        s.setFitFixedColumns(Tvx_Array<int>(c.fixedCols), Tvx_Array<int>(c.fixedWidths));
        ASSERT_TRUE(s.setFitMode(c.mode, c.arg1, c.arg2)) << c.name;
        std::vector<int> got;
        for (int col : {HEADER, 1, 2, 3}) {
            int pixels = 0;
            s.SSGetColWidthInPixels(col, pixels);
            got.push_back(pixels);
        }
        EXPECT_EQ(got, c.expected) << c.name;
    }
}

TEST_F(SpreadTest, FitModeIsReappliedOnResize) {
    fill({{L"a", L"b"}});
    spread.SSSetBool(Tvx_Spread::kPropRowHeaderShares, false);
    spread.setFitMode(1);
    spread.setClientSize(240, 100);
    int pixels = 0;
    spread.SSGetColWidthInPixels(2, pixels);
    EXPECT_EQ(pixels, 120);
    EXPECT_FALSE(spread.setFitMode(6));
}

TEST_F(SpreadTest, FitColumnTakesTheWidestCellAndCanSkipStaticText) {
    fill({{L"short"}, {L"a much longer text here"}, {L"mid text"}});
    auto preferred = [&](int row) {
        double w = 0, h = 0;
        spread.SSGetPreferredCellSize(1, row, w, h);
        return w;
    };
    ASSERT_TRUE(spread.fitColumnWidth(1, false));
    EXPECT_DOUBLE_EQ(spread.grid()->getColWidth(1), preferred(2));
    spread.setStaticCell(1, 2);
    ASSERT_TRUE(spread.fitColumnWidth(1, true));
    EXPECT_DOUBLE_EQ(spread.grid()->getColWidth(1), std::max(preferred(3), preferred(1)));
    EXPECT_FALSE(spread.fitColumnWidth(2, false));
}

TEST_F(SpreadTest, FitLastColumnTakesTheFreeWidth) {
    fill({{L"a", L"b", L"c"}});
    // 400 client pixels, four columns of 72 (header included): 112 are free.
    ASSERT_TRUE(spread.fitLastColumn(3));
    int pixels = 0;
    spread.SSGetColWidthInPixels(3, pixels);
    EXPECT_EQ(pixels, 184);
    spread.fitLastColumn(3);
    spread.SSGetColWidthInPixels(3, pixels);
    EXPECT_EQ(pixels, 184) << "no free width left";
}
