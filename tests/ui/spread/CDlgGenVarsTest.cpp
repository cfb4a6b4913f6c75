// CDlgGenVarsTest.cpp - the general variables dialog through StartDlgGenVars: the empty row,
// merged equal names, the drawings filter, the row buttons, OK and Cancel.
#include <gtest/gtest.h>

#include "SpreadDialogSupport.h"
#include "core/Tvx_Settings.h"
#include "ui/QtText.h"
#include "ui/UiTestSupport.h"
#include "ui/grid/OvSpreadView.h"
#include "ui/services/UiRecorder.h"
#include "ui/spread/CDlgGenVars.h"

namespace {

using ovgrid::HEADER;
using spreadtest::cellText;

class GenVarsDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        spreadtest::useShippedTexts({86, 173, 174, 347, 606, 607, 1543, 1762, 1763, 1764, 1765});
    }
    static CDlgGenVars& genVars(OvDialog& dlg) { return static_cast<CDlgGenVars&>(dlg); }

    static OvAutoStandardsData sample() {
        OvAutoStandardsData data;
        data.dwgGenVars() = {L"Gap", L"Gap", L"Plate"};
        data.dwgGenValues() = {L"10", L"12", L"8"};
        data.dwgGenFilters() = {L"a.dwg", L"b.dwg", L""};
        data.stdGenVars() = {L"Bolt"};
        data.stdGenValues() = {L"M20"};
        data.stdGenOverrides() = {L"1"};
        data.stdGenFilters() = {L"sub\\c.dwg"};
        return data;
    }
};

TEST_F(GenVarsDialog, EmptyRecordOffersOneEmptyRowInEachGrid) {
    OvAutoStandardsData data;
    uitest::drive([](OvDialog& dlg) {
        CDlgGenVars& d = genVars(dlg);
        EXPECT_EQ(ovui::fromQt(dlg.windowTitle()), L"General Variables");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgGenVars::kDwgLabel), L"General variables of the drawing");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgGenVars::kStdAdd), L"Add");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgGenVars::kDwgRemove), L"Remove");
        EXPECT_EQ(ovui::fromQt(dlg.item(CDlgGenVars::kDwgUp)->toolTip()), L"Move up");
        EXPECT_EQ(d.dwgGrid().getMaxRows(), 1);
        EXPECT_EQ(d.dwgGrid().getMaxCols(), 4);
        EXPECT_EQ(d.stdGrid().getMaxRows(), 1);
        EXPECT_EQ(d.stdGrid().getMaxCols(), 5);
        EXPECT_NE(qobject_cast<ovui::grid::OvSpreadView*>(dlg.item(CDlgGenVars::kDwgGrid)),
                  nullptr);
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgGenVars(data));
    EXPECT_EQ(data.dwgGenVars(), (Tvx_StringArray{L""}));
    EXPECT_EQ(data.dwgGenFilters(), (Tvx_StringArray{L""}));
    EXPECT_EQ(data.stdGenOverrides(), (Tvx_StringArray{L""}));
}

TEST_F(GenVarsDialog, ColumnsCarryTheirListsUnderMatchingCaptions) {
    OvAutoStandardsData data = sample();
    uitest::drive([](OvDialog& dlg) {
        const Tvx_Spread& std = genVars(dlg).stdGrid();
        const wchar_t* captions[] = {L"Variable", L"Value", L"Override", L"Filter"};
        const wchar_t* row[] = {L"Bolt", L"M20", L"1", L"sub\\c.dwg"};
        for (int col = 1; col <= 4; ++col) {
            EXPECT_EQ(cellText(std, col, HEADER), captions[col - 1]);
            EXPECT_EQ(cellText(std, col, 1), row[col - 1]);
        }
        // The "..." column shares the filter caption.
        int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
        EXPECT_TRUE(std.SSGetCellSpan(5, HEADER, anchorCol, anchorRow, cols, rows));
        EXPECT_EQ(anchorCol, 4);
        dlg.pressButton(IDOK);
    });
    const OvAutoStandardsData original = sample();
    ASSERT_TRUE(StartDlgGenVars(data));
    EXPECT_EQ(data, original);
}

TEST_F(GenVarsDialog, EqualNeighbouringNamesMergeButKeepTheirOwnValues) {
    OvAutoStandardsData data = sample();
    uitest::drive([](OvDialog& dlg) {
        const Tvx_Spread& dwg = genVars(dlg).dwgGrid();
        int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
        ASSERT_TRUE(dwg.SSGetCellSpan(1, 2, anchorCol, anchorRow, cols, rows));
        EXPECT_EQ(anchorRow, 1);
        EXPECT_EQ(rows, 2);
        EXPECT_FALSE(dwg.SSGetCellSpan(1, 3, anchorCol, anchorRow, cols, rows));
        EXPECT_EQ(cellText(dwg, 2, 2), L"12");
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgGenVars(data));
    EXPECT_EQ(data.dwgGenVars(), (Tvx_StringArray{L"Gap", L"Gap", L"Plate"}));
    EXPECT_EQ(data.dwgGenValues(), (Tvx_StringArray{L"10", L"12", L"8"}));
    EXPECT_EQ(data.dwgGenFilters(), (Tvx_StringArray{L"a.dwg", L"b.dwg", L""}));
}

TEST_F(GenVarsDialog, ChosenDrawingsOutsideTheMacrosFolderAreDropped) {
    const Tvx_String macros = gSettings.libDir + L"Macros\\";
    struct Case {
        int gridId, row;
        Tvx_StringArray chosen;
        Tvx_String expected;
    } cases[] = {
        {CDlgGenVars::kDwgGrid,
         1,
         {macros + L"x.dwg", L"\\other\\y.dwg", macros + L"s\\z.dwg"},
         L"a.dwg;x.dwg;s\\z.dwg"},
        {CDlgGenVars::kDwgGrid, 3, {macros + L"only.dwg"}, L"only.dwg"},
        {CDlgGenVars::kDwgGrid, 3, {L"\\elsewhere\\Macros\\n.dwg"}, L""},
        {CDlgGenVars::kStdGrid, 1, {macros + L"d.dwg"}, L"sub\\c.dwg;d.dwg"},
    };
    for (const Case& c : cases) {
        OvAutoStandardsData data = sample();
        ovui::UiRecorder ui;
        ui.answerFiles(c.chosen);
        uitest::drive([&c](OvDialog& dlg) {
            CDlgGenVars& d = genVars(dlg);
            const int buttonCol = c.gridId == CDlgGenVars::kDwgGrid ? 4 : 5;
            auto* view = qobject_cast<ovui::grid::OvSpreadView*>(dlg.item(c.gridId));
            ASSERT_NE(view, nullptr);
            view->notifyCell(ovui::grid::OvSpreadView::kNotifyButton, buttonCol, c.row);
            const Tvx_Spread& grid = c.gridId == CDlgGenVars::kDwgGrid ? d.dwgGrid() : d.stdGrid();
            EXPECT_EQ(cellText(grid, buttonCol - 1, c.row), c.expected);
            dlg.pressButton(IDOK);
        });
        ASSERT_TRUE(StartDlgGenVars(data));
        ASSERT_EQ(ui.fileRequests().size(), 1u);
        EXPECT_EQ(ui.fileRequests()[0].extension, L"dwg");
        EXPECT_EQ(ui.fileRequests()[0].start, macros);
        EXPECT_EQ(ui.fileRequests()[0].title,
                  L"Select the drawings and folders that apply to this general variable");
    }
}

TEST_F(GenVarsDialog, CancelledDrawingChoiceLeavesTheFilterAlone) {
    OvAutoStandardsData data = sample();
    ovui::UiRecorder ui;
    ui.cancelFiles();
    uitest::drive([](OvDialog& dlg) {
        genVars(dlg).chooseDrawings(CDlgGenVars::kDwgGrid, 2);
        EXPECT_EQ(cellText(genVars(dlg).dwgGrid(), 3, 2), L"b.dwg");
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgGenVars(data));
    EXPECT_EQ(data.dwgGenFilters()[1], L"b.dwg");
}

TEST_F(GenVarsDialog, RowButtonsAddRemoveAndMoveTheSelectedRow) {
    OvAutoStandardsData data = sample();
    uitest::drive([](OvDialog& dlg) {
        Tvx_Spread& dwg = genVars(dlg).dwgGrid();
        dwg.SSSetActiveCell(2, 3);
        dlg.pressButton(CDlgGenVars::kDwgUp);  // Plate above the second Gap
        dwg.SSSetActiveCell(2, 1);
        dlg.pressButton(CDlgGenVars::kDwgAdd);  // empty row on top
        dwg.SSSetActiveCell(2, 4);
        dlg.pressButton(CDlgGenVars::kDwgRemove);  // the second Gap goes
        Tvx_Spread& std = genVars(dlg).stdGrid();
        std.SSSetActiveCell(1, 1);
        dlg.pressButton(CDlgGenVars::kStdDown);  // nowhere to go
        dlg.pressButton(CDlgGenVars::kStdRemove);
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgGenVars(data));
    EXPECT_EQ(data.dwgGenVars(), (Tvx_StringArray{L"", L"Gap", L"Plate"}));
    EXPECT_EQ(data.dwgGenValues(), (Tvx_StringArray{L"", L"10", L"8"}));
    EXPECT_TRUE(data.stdGenVars().isEmpty());
    EXPECT_TRUE(data.stdGenFilters().isEmpty());
}

TEST_F(GenVarsDialog, CancelLeavesEveryListUntouched) {
    OvAutoStandardsData data = sample();
    ovui::UiRecorder ui;
    ui.answerFiles({gSettings.libDir + L"Macros\\new.dwg"});
    uitest::drive([](OvDialog& dlg) {
        CDlgGenVars& d = genVars(dlg);
        d.dwgGrid().setCellText(1, 1, L"Renamed");
        d.dwgGrid().SSSetActiveCell(1, 2);
        dlg.pressButton(CDlgGenVars::kDwgRemove);
        d.chooseDrawings(CDlgGenVars::kStdGrid, 1);
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgGenVars(data));
    EXPECT_EQ(data, sample());
}

}  // namespace
