// BillFeedTest.cpp - the rows of a bill: growth and the final cut, typed cells, rows wider than
// the sheet, sub-total highlighting, and a feed without a grid.
#include "spread/bill/BillFixture.h"

using ovgrid::DEFAULT_COLOR;
using ovgrid::HEADER;

namespace {

Tvx_StringArray row(std::initializer_list<const wchar_t*> texts) {
    Tvx_StringArray out;
    for (const wchar_t* t : texts) {
        out.append(Tvx_String(t));
    }
    return out;
}

TEST_F(BillTest, GrowsByHundredRowsAndEndsWithExactlyTheRowsWritten) {
    start(row({L"Pos", L"Name"}), {1, 3});
    EXPECT_EQ(grid().getMaxRows(), 11);  // a new sheet's rows
    struct Step {
        int rowsWritten;
        int expectedRows;
    };
    const Step steps[] = {{1, 11}, {11, 11}, {12, 112}, {112, 112}, {113, 213}, {150, 213}};
    int written = 0;
    for (const Step& step : steps) {
        while (written < step.rowsWritten) {
            ++written;
            ASSERT_EQ(bill.onAddRow(row({std::to_wstring(written).c_str(), L"plate"})), Acad::eOk);
        }
        EXPECT_EQ(grid().getMaxRows(), step.expectedRows) << "after row " << written;
    }
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    EXPECT_EQ(grid().getMaxRows(), 150);
    EXPECT_EQ(text(1, 1), L"1");
    EXPECT_EQ(text(1, 150), L"150");
    EXPECT_EQ(text(2, 113), L"plate");
}

TEST_F(BillTest, CaptionsSetTheColumnsAndTheHeaderRow) {
    start(row({L"Pos", L"Name", L"Length"}), {});
    EXPECT_EQ(grid().getMaxCols(), 3);
    Tvx_String caption;
    grid().getCellText(3, HEADER, caption);
    EXPECT_EQ(caption, L"Length");
    EXPECT_EQ(grid().grid()->appearance().gridLineType, 7);
    EXPECT_EQ(grid().grid()->appearance().gridLineColor, 0x323232);
}

TEST_F(BillTest, ColumnTypesGiveEachCellItsKind) {
    start(row({L"Count", L"Weight", L"Name", L"Note"}), {1, 2, 3, 0});
    bill.onAddRow(row({L"4", L"12.34", L"IPE 200", L"x"}));
    ovgrid::CellType type;
    struct Case {
        int col;
        int code;
        int decimals;
        Tvx_String shown;
    };
    const Case cases[] = {{1, ovgrid::kTypeNumber, 0, L"4"},
                          {2, ovgrid::kTypeNumber, 1, L"12.3"},
                          {3, ovgrid::kTypeEdit, 0, L"IPE 200"}};
    for (const Case& c : cases) {
        ASSERT_TRUE(grid().SSGetCellType(c.col, 1, type));
        EXPECT_EQ(type.type, c.code) << c.col;
        EXPECT_EQ(type.decimals, c.decimals) << c.col;
        Tvx_String shown;
        grid().getCellText(c.col, 1, shown, Tvx_Spread::kReadData);
        EXPECT_EQ(shown, c.shown) << c.col;
    }
    EXPECT_EQ(text(4, 1), L"x");
}

TEST_F(BillTest, TextInANumberColumnIsKeptNotDropped) {
    start(row({L"Count"}), {1});
    bill.onAddRow(row({L"n/a"}));
    EXPECT_EQ(text(1, 1), L"n/a");
}

TEST_F(BillTest, RowWiderThanTheSheetWidensItWithoutTypingTheNewColumns) {
    start(row({L"A", L"B"}), {1, 1});
    bill.onAddRow(row({L"1", L"2", L"three", L"four"}));
    EXPECT_EQ(grid().getMaxCols(), 4);
    EXPECT_EQ(text(3, 1), L"three");
    EXPECT_EQ(text(4, 1), L"four");
    EXPECT_NE(grid().cellTypeCode(3, 1), ovgrid::kTypeNumber);
    EXPECT_NE(grid().cellTypeCode(4, 1), ovgrid::kTypeNumber);
    Tvx_String caption;
    grid().getCellText(3, HEADER, caption);
    EXPECT_TRUE(caption.isEmpty());
}

TEST_F(BillTest, SubTotalHighlightsOnlyCellsWithText) {
    start(row({L"A", L"B", L"C"}), {3, 3, 3});
    bill.onAddRow(row({L"a", L"b", L"c"}));
    ASSERT_EQ(bill.onAddSubTotals(row({L"Total", L"", L"42"}), {}, false, 0), Acad::eOk);
    struct Case {
        int col;
        int borderType;
        int borderStyle;
        long background;
    };
    const Case cases[] = {{1, 31, 1, 0xFFD1A4}, {2, 0, 0, DEFAULT_COLOR}, {3, 31, 1, 0xFFD1A4}};
    for (const Case& c : cases) {
        int type = -1, style = -1;
        long color = 0, back = 0, fore = 0;
        grid().SSGetBorder(c.col, 2, type, style, color);
        grid().SSGetColor(c.col, 2, back, fore);
        EXPECT_EQ(type, c.borderType) << c.col;
        EXPECT_EQ(style, c.borderStyle) << c.col;
        EXPECT_EQ(color, DEFAULT_COLOR) << c.col;
        EXPECT_EQ(back, c.background) << c.col;
        EXPECT_EQ(fore, DEFAULT_COLOR) << c.col;
    }
    // The row after a sub-total carries none of its highlighting, also across a growth step.
    for (int i = 0; i < 12; ++i) {
        bill.onAddRow(row({L"a", L"b", L"c"}));
    }
    int type = -1, style = -1;
    long color = 0, back = 0, fore = 0;
    for (int r = 3; r <= 14; ++r) {
        grid().SSGetBorder(1, r, type, style, color);
        grid().SSGetColor(1, r, back, fore);
        EXPECT_EQ(type, 0) << r;
        EXPECT_EQ(back, DEFAULT_COLOR) << r;
    }
}

TEST_F(BillTest, FeedWithoutAGridDoesNothing) {
    EXPECT_EQ(bill.getSSPointer(), nullptr);
    EXPECT_EQ(bill.onStartFeed(), Acad::eOk);
    EXPECT_EQ(bill.onAddRow(row({L"x"})), Acad::eInvalidInput);
    EXPECT_EQ(bill.onAddSubTotals(row({L"x"}), {}, false, 0), Acad::eInvalidInput);
    EXPECT_EQ(bill.onEndFeed(), Acad::eInvalidInput);
    EXPECT_EQ(bill.getRowCount(), 0);
}

TEST_F(BillTest, SecondInitStartsANewBillAndACopyHasItsOwnGrid) {
    start(row({L"A"}), {3});
    bill.onAddRow(row({L"old"}));
    OvSSBillOutput copy(bill);
    EXPECT_EQ(copy.getSSPointer(), nullptr);
    EXPECT_EQ(copy.getOutputFile(), bill.getOutputFile());
    EXPECT_EQ(copy.getRowCount(), 0);

    start(row({L"A", L"B"}), {3, 3});
    EXPECT_EQ(bill.getRowCount(), 0);
    EXPECT_TRUE(text(1, 1).isEmpty());
    EXPECT_EQ(grid().getMaxRows(), 11);

    copy = bill;
    EXPECT_NE(copy.getSSPointer(), bill.getSSPointer());
}

}  // namespace
