// Creation in place of a placeholder, the not-created guard, counts and cell reads/writes.
#include <functional>

#include "SpreadFixture.h"
#include "spread/RedrawGuard.h"

using ovgrid::HEADER;

TEST(SpreadNotCreated, EveryOperationFails) {
    Tvx_Spread s;
    Tvx_String out = L"stale";
    Tvx_StringArray items{L"a"};
    EXPECT_EQ(s.getMaxRows(), -1);
    EXPECT_EQ(s.getMaxCols(), -1);
    EXPECT_EQ(s.appendRow(false), -1);
    EXPECT_EQ(s.replaceAll(L"a", L"b", true), -1);
    EXPECT_FALSE(s.getCellText(1, 1, out));
    EXPECT_TRUE(out.isEmpty());
    const std::vector<std::pair<const char*, std::function<bool()>>> ops = {
        {"setColTexts", [&] { return s.setColTexts(1, items); }},
        {"setMaxRows", [&] { return s.setMaxRows(3); }},
        {"setDefaultLook", [&] { return s.setDefaultLook(false); }},
        {"setCellText", [&] { return s.setCellText(1, 1, L"x"); }},
        {"lockRow", [&] { return s.lockRow(1, true); }},
        {"mergeEqualInColumn", [&] { return s.mergeEqualInColumn(1); }},
        {"fitAll", [&] { return s.fitAll(); }},
        {"setFitMode", [&] { return s.setFitMode(1); }},
        {"insertRowAt", [&] { return s.insertRowAt(1, false, false); }},
        {"findNext", [&] { return s.findNext(L"a", true, false); }},
        {"setAllChecks", [&] { return s.setAllChecks(true); }},
        {"linkCheckBoxColumns", [&] { return s.linkCheckBoxColumns(1, 2); }},
        {"setHeaderFont", [&] { return s.setHeaderFont(); }},
    };
    for (const auto& [name, op] : ops) {
        EXPECT_FALSE(op()) << name;
    }
    EXPECT_EQ(s.grid()->getMaxRows(), 0) << "nothing reached the grid";
}

TEST(SpreadCreate, PlacesTheGridOverThePlaceholder) {
    struct Case {
        bool hasFrame;
        ovgrid::Rect expected;
    };
    for (const Case& c : {Case{true, {10, 30, 410, 330}}, Case{false, {5, 10, 405, 310}}}) {
        HeadlessGridHost host({100, 100, 900, 700});
        host.addControl(7, {110, 130, 510, 430});
        Tvx_Spread s;
        s.grid()->setMaxRows(4);
        ASSERT_TRUE(s.create(&host, 7, c.hasFrame));
        const ovgrid::Rect r = host.lastGridRect();
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
        EXPECT_FALSE(host.hasControl(7)) << "placeholder destroyed";
        EXPECT_EQ(host.lastGridId(), 7);
        EXPECT_EQ(s.getMaxRows(), 0);
        EXPECT_EQ(s.grid()->appearance().appearance, 1);
        EXPECT_EQ(s.getControlId(), 7);
    }
}

TEST(SpreadCreate, FailsWithoutParentOrPlaceholder) {
    HeadlessGridHost host;
    Tvx_Spread s;
    EXPECT_FALSE(s.create(nullptr, 1, true));
    EXPECT_FALSE(s.create(&host, 1, true));
    EXPECT_FALSE(s.isCreated());
}

TEST_F(SpreadTest, DefaultLookSwitchesModes) {
    spread.setDefaultLook(true);
    EXPECT_TRUE(spread.SSGetBool(13));
    EXPECT_FALSE(spread.SSGetBool(10));
    EXPECT_FALSE(spread.SSGetBool(Tvx_Spread::kPropAutoCalc));
    EXPECT_TRUE(spread.SSGetBool(Tvx_Spread::kPropRedraw));
    spread.setDefaultLook(false);
    EXPECT_FALSE(spread.SSGetBool(13));
    EXPECT_TRUE(spread.SSGetBool(10));
    EXPECT_EQ(spread.grid()->appearance().modeA, 5);
}

TEST_F(SpreadTest, RedrawGuardBracketsAChange) {
    {
        RedrawGuard guard(spread);
        EXPECT_FALSE(spread.SSGetBool(Tvx_Spread::kPropRedraw));
    }
    EXPECT_TRUE(spread.SSGetBool(Tvx_Spread::kPropRedraw));
}

TEST_F(SpreadTest, SetColTextsStopsAtRowCountAndKeepsTheRest) {
    fill({{L"x"}, {L"y"}, {L"z"}});
    ASSERT_TRUE(spread.setColTexts(1, {L"a", L"b", L"c", L"d", L"e"}));
    EXPECT_EQ(column(1), (Tvx_StringArray{L"a", L"b", L"c"}));
    EXPECT_EQ(spread.getMaxRows(), 3);
    ASSERT_TRUE(spread.setColTexts(1, {L"p"}));
    EXPECT_EQ(column(1), (Tvx_StringArray{L"p", L"b", L"c"}));
    EXPECT_FALSE(spread.setColTexts(2, {L"p"})) << "column beyond the count";
}

TEST_F(SpreadTest, SetMaxRowsSmallerDropsRowsAndFormatsNothing) {
    fill({{L"1"}, {L"2"}, {L"3"}, {L"4"}});
    const int fontsBefore = spread.grid()->fontCount();
    const int fontOfRow1 = spread.SSGetFont(1, 1);
    ASSERT_TRUE(spread.setMaxRows(2, true));
    EXPECT_EQ(spread.getMaxRows(), 2);
    EXPECT_EQ(column(1), (Tvx_StringArray{L"1", L"2"}));
    EXPECT_EQ(spread.grid()->fontCount(), fontsBefore);
    EXPECT_EQ(spread.SSGetFont(1, 1), fontOfRow1);
    spread.setMaxRows(4);
    EXPECT_EQ(text(1, 3), L"") << "dropped rows come back empty";
}

TEST_F(SpreadTest, NewRowsCopyTheLayoutButNotTheContents) {
    fill({{L"a", L"b"}});
    spread.setNumberType(2, 1, 2, 1, 3, false);
    spread.lockCell(1, 1, true);
    spread.SSSetData(HEADER, 1, L"caption");
    ASSERT_TRUE(spread.setMaxRows(3, true));
    for (int row : {2, 3}) {
        EXPECT_EQ(spread.cellTypeCode(2, row), ovgrid::kTypeNumber) << row;
        EXPECT_TRUE(spread.SSGetLock(1, row)) << row;
        EXPECT_EQ(text(1, row), L"") << row;
        EXPECT_EQ(text(HEADER, row), L"") << row;
    }
    EXPECT_EQ(spread.grid()->font(spread.SSGetFont(HEADER, 3)).weight, 700);
    EXPECT_EQ(spread.grid()->font(spread.SSGetFont(1, 3)).weight, 400);
}

TEST_F(SpreadTest, CellTextInEveryMode) {
    fill({{L"", L""}});
    spread.setNumberType(1, 1, 1, 1, 2, false);
    spread.setCellText(1, 1, L"12.5");
    spread.SSSetFormula(2, 1, L"A1*2", true);
    spread.SSSetCellTag(2, 1, L"tag");
    struct Case {
        int col, mode;
        const wchar_t* expected;
    };
    for (const Case& c : {Case{1, 0, L"12.50"}, Case{1, 3, L"12.5"}, Case{2, 1, L"A1*2"},
                          Case{2, 2, L"tag"}, Case{2, 3, L"25"}}) {
        EXPECT_EQ(text(c.col, 1, c.mode), c.expected) << c.col << " mode " << c.mode;
    }
    Tvx_String out = L"stale";
    EXPECT_FALSE(spread.getCellText(3, 1, out));
    EXPECT_TRUE(out.isEmpty());
}

TEST_F(SpreadTest, TypedColumnsRoundTrip) {
    fill({{L""}, {L""}, {L""}});
    spread.setColDoubles(1, Tvx_Array<double>{1.5, 2, -3.25});
    EXPECT_EQ(column(1), (Tvx_StringArray{L"1.50", L"2.00", L"-3.25"}));
    spread.setColBools(1, Tvx_Array<bool>{true, false, true});
    Tvx_Array<bool> bools;
    spread.getColBools(1, bools);
    EXPECT_EQ(bools, (Tvx_Array<bool>{true, false, true}));
    spread.setColTexts(1, {L"7x", L"abc", L"1.0"});
    Tvx_Array<int> ints;
    spread.getColInts(1, ints);
    EXPECT_EQ(ints, (Tvx_Array<int>{7, 0, 1}));
    spread.getColBools(1, bools);
    EXPECT_EQ(bools, (Tvx_Array<bool>{false, false, false})) << "only \"1\" is true";
}
