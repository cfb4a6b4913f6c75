// FromTableTest.cpp - FROMTABLE by cell and by captions, the target-cell form, failures,
// nesting, and the lines printed for each answer.
#include <algorithm>
#include <fstream>

#include "grid/Grid.h"
#include "spread/workbench/FromTable.h"
#include "spread/workbench/WorkbenchFixture.h"

namespace {

using FromTableTest = WorkbenchTest;

TEST_F(FromTableTest, AnswersByCellAndByCaptions) {
    sheet.setCellText(6, 6, L"M24");
    struct Case {
        const wchar_t* args;
        const wchar_t* value;
        const wchar_t* printed;
    };
    const Case cases[] = {
        {L"A1", L"M12", L"Result is string: M12"},
        {L"C2", L"2.1", L"Result is double: 2.100000"},
        {L"D3", L"1", L"Result is long: 1"},
        {L"E3", L"400", L"Result is string: 400"},  // a formula cell, recalculated
        {L"\"Size\",\"Weight\",\"M16\"", L"2.1", L"Result is double: 2.100000"},  // first match
        {L"\"size\",\"AREA\",\"m20\"", L"400", L"Result is string: 400"},
        {L"\"Weight\",\"Size\",3.25", L"M20", L"Result is string: M20"},
        {L"\"Size\",\"Diameter\",F6", L"24", L"Result is double: 24.000000"},
    };
    for (const Case& c : cases) {
        recorder.clear();
        ASSERT_TRUE(sheet.SSSetFormula(5, 6, call(bolts(), c.args).wstr(), true))
            << Tvx_String(c.args);
        EXPECT_EQ(value(5, 6), c.value) << Tvx_String(c.args);
        EXPECT_EQ(resultLines(), std::vector<Tvx_String>{c.printed}) << Tvx_String(c.args);
        ASSERT_FALSE(recorder.lines().empty());
        EXPECT_EQ(recorder.lines().front(), L"Loading spreadsheet:" + bolts());
    }
}

TEST_F(FromTableTest, FailuresYieldNoValueAndNoResultLine) {
    std::ofstream(temp.path() / "broken.ovs") << "{ not a sheet";
    const Tvx_String cases[] = {
        call(path("missing.ovs"), L"A1"),
        call(path("broken.ovs"), L"A1"),
        call(bolts(), L"\"Size\",\"Colour\",\"M12\""),
        call(bolts(), L"\"Shape\",\"Weight\",\"M12\""),
        call(bolts(), L"\"Size\",\"Weight\",\"M99\""),
        call(bolts(), L"\"A1\""),                  // a text where the cell belongs
        call(bolts(), L"1,2"),                     // two numbers
        L"FROMTABLE(12,A1)",                       // the table is not a text
        call(bolts(), L"\"Size\",B2:B3,\"M12\""),  // a range names no text
    };
    for (const Tvx_String& formula : cases) {
        recorder.clear();
        sheet.setCellText(5, 6, L"old");
        ASSERT_TRUE(sheet.SSSetFormula(5, 6, formula.wstr(), true)) << formula;
        EXPECT_EQ(value(5, 6), L"") << formula;
        EXPECT_TRUE(resultLines().empty()) << formula;
    }
}

TEST_F(FromTableTest, TheTargetCellFormWritesTheCallingSheet) {
    for (bool automatic : {false, true}) {
        sheet.SSSetBool(Tvx_Spread::kPropAutoCalc, automatic);
        sheet.setCellText(3, 5, L"");
        recorder.clear();
        ASSERT_TRUE(sheet.SSSetFormula(1, 1, call(bolts(), L"A3,C5").wstr(), true));
        EXPECT_EQ(value(1, 1), L"");
        EXPECT_EQ(value(3, 5), L"M20");
        EXPECT_TRUE(resultLines().empty());
        // Writing a cell the call refers to may run it again under automatic calculation;
        // it settles because the same text is not written twice.
        EXPECT_LE(recorder.lines().size(), 2u);
        // The caption form takes a target cell as its fifth argument.
        sheet.setCellText(4, 5, L"");
        ASSERT_TRUE(sheet.SSSetFormula(
            2, 1, call(bolts(), L"\"Size\",\"Weight\",\"M16\",D5").wstr(), true));
        EXPECT_EQ(value(2, 1), L"");
        EXPECT_EQ(value(4, 5), L"2.1");
    }
}

TEST_F(FromTableTest, NestedCallsAnswerForTheirOwnCallingSheet) {
    // The middle table's answer cell itself looks up the bolts table.
    Tvx_Spread middle;
    HeadlessGridHost middleHost;
    middleHost.addControl(kGridId, {0, 0, 100, 100});
    ASSERT_TRUE(middle.create(&middleHost, kGridId, true));
    middle.setMaxCols(2);
    middle.setMaxRows(2);
    registerFromTable(middle);
    ASSERT_TRUE(middle.SSSetFormula(1, 1, call(bolts(), L"A2").wstr(), false));
    ASSERT_TRUE(middle.SSSaveToFile(toFileSystemPath(path("middle.ovs")), 0));

    recorder.clear();
    sheet.SSSetBool(Tvx_Spread::kPropAutoCalc, false);
    ASSERT_TRUE(sheet.SSSetFormula(5, 6, call(path("middle.ovs"), L"A1,B1").wstr(), true));
    EXPECT_EQ(value(2, 1), L"M16");  // written after the inner call returned
    EXPECT_EQ(middle.grid()->getMaxRows(), 2);
    EXPECT_EQ(resultLines(), std::vector<Tvx_String>{L"Result is string: M16"});
    EXPECT_EQ(ovgrid::Grid::current(), nullptr);
}

TEST_F(FromTableTest, ATableThatLooksUpItselfEnds) {
    Tvx_Spread self;
    HeadlessGridHost selfHost;
    selfHost.addControl(kGridId, {0, 0, 100, 100});
    ASSERT_TRUE(self.create(&selfHost, kGridId, true));
    self.setMaxCols(2);
    self.setMaxRows(1);
    registerFromTable(self);
    self.setCellText(1, ovgrid::HEADER, L"K");
    self.setCellText(2, ovgrid::HEADER, L"V");
    self.setCellText(1, 1, L"x");
    // Its answer cell asks the same table again, without a reference that would be circular.
    const Tvx_String again = call(path("self.ovs"), L"\"K\",\"V\",\"x\"");
    ASSERT_TRUE(self.SSSetFormula(2, 1, again.wstr(), false));
    ASSERT_TRUE(self.SSSaveToFile(toFileSystemPath(path("self.ovs")), 0));

    recorder.clear();
    ASSERT_TRUE(sheet.SSSetFormula(5, 6, again.wstr(), true));
    EXPECT_EQ(ovgrid::Grid::current(), nullptr);
    const auto lines = recorder.lines();
    const auto loads = std::count_if(lines.begin(), lines.end(), [](const Tvx_String& line) {
        return line.startsWith(L"Loading spreadsheet:", true);
    });
    EXPECT_EQ(loads, kMaxFromTableDepth);
}

TEST_F(FromTableTest, TheCallbackRefusesIncompleteCalls) {
    ovgrid::SSValue result;
    result.status = ovgrid::SS_VALUE_STATUS_OK;
    EXPECT_TRUE(fromTableFunction(&result, nullptr, 0));
    EXPECT_EQ(result.status, ovgrid::SS_VALUE_STATUS_EMPTY);

    ovgrid::SSValue args[2];
    args[0].status = ovgrid::SS_VALUE_STATUS_OK;
    args[0].type = ovgrid::SS_VALUE_TYPE_STR;
    args[0].text = bolts().wstr();
    args[1].status = ovgrid::SS_VALUE_STATUS_EMPTY;  // an empty argument is not valid
    EXPECT_TRUE(fromTableFunction(&result, args, 2));
    EXPECT_EQ(result.status, ovgrid::SS_VALUE_STATUS_EMPTY);

    args[1].status = ovgrid::SS_VALUE_STATUS_OK;
    args[1].type = ovgrid::SS_VALUE_TYPE_CELL;
    args[1].cell = {9, 9};  // outside the table: the cell cannot be read
    EXPECT_TRUE(fromTableFunction(&result, args, 2));
    EXPECT_EQ(result.status, ovgrid::SS_VALUE_STATUS_ERROR);
}

TEST_F(FromTableTest, IsRegisteredToReceiveReferences) {
    const ovgrid::CustomFunction* f = sheet.grid()->customFunction(L"FROMTABLE");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->minArgs, 2);
    EXPECT_EQ(f->maxArgs, 5);
    EXPECT_EQ(f->flags, ovgrid::SS_CUSTFUNC_WANTCELLREF);
}

}  // namespace
