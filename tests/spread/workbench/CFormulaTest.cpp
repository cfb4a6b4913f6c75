// CFormulaTest.cpp - the workbench's start-up state and its buttons, and the hidden bill grid.
#include "core/Paths.h"
#include "spread/workbench/CFormula.h"
#include "spread/workbench/DlgSSAsTool.h"
#include "spread/workbench/WorkbenchFixture.h"

namespace {

using CFormulaTest = WorkbenchTest;

TEST_F(CFormulaTest, StartsWithTheWorkbenchLayout) {
    CFormula workbench;
    ASSERT_EQ(workbench.doModal(), CFormula::IDOK);
    const Tvx_Spread& grid = workbench.spread();
    EXPECT_EQ(grid.getMaxRows(), 10);
    EXPECT_EQ(grid.getMaxCols(), 8);
    EXPECT_TRUE(grid.SSGetBool(12));
    EXPECT_FALSE(grid.SSGetBool(Tvx_Spread::kPropAutoCalc));
    ovgrid::CellType type;
    ASSERT_TRUE(grid.SSGetCellType(6, 6, type));
    EXPECT_EQ(type.type, ovgrid::kTypeNumber);
    EXPECT_EQ(type.decimals, 2);
    EXPECT_FALSE(grid.grid()->hasCellType(7, 7));
    EXPECT_NE(grid.grid()->customFunction(L"FROMTABLE"), nullptr);
    EXPECT_FALSE(workbench.loaded());
}

TEST_F(CFormulaTest, SavesAndLoadsThePathInTheEdit) {
    CFormula workbench(CFormula::kWorkbench, bolts());
    ASSERT_EQ(workbench.doModal(), CFormula::IDOK);
    ASSERT_TRUE(workbench.loaded());
    workbench.spread().setCellText(1, 1, L"changed");
    workbench.setFilePath(path("copy.ovs"));
    ASSERT_TRUE(workbench.onSaveToFile());

    CFormula other(CFormula::kWorkbench);
    other.doModal();
    other.setFilePath(path("copy.ovs"));
    ASSERT_TRUE(other.onLoadFromFile());
    Tvx_String text;
    other.spread().getCellText(1, 1, text);
    EXPECT_EQ(text, L"changed");
    EXPECT_NE(other.spread().grid()->customFunction(L"FROMTABLE"), nullptr);

    recorder.clear();
    other.setFilePath(path("missing.ovs"));
    EXPECT_FALSE(other.onLoadFromFile());
    other.setFilePath(path("no/such/folder/x.ovs"));
    EXPECT_FALSE(other.onSaveToFile());
    // Each failure names the file and the cause.
    const Tvx_String output = recorder.output();
    EXPECT_TRUE(output.startsWith(L"Load failed: " + shownPath(path("missing.ovs")) + L": ", true))
        << output;
    EXPECT_TRUE(output.hasSubString(L"No such file or directory\nSave failed: " +
                                        shownPath(path("no/such/folder/x.ovs")) + L": ",
                                    true))
        << output;
    other.spread().getCellText(1, 1, text);
    EXPECT_EQ(text, L"changed");  // a failed load keeps the sheet
}

TEST_F(CFormulaTest, AutoCalculateAndRecalculate) {
    CFormula workbench;
    workbench.doModal();
    Tvx_Spread& grid = workbench.spread();
    grid.setCellText(2, 8, L"2");
    ASSERT_TRUE(grid.SSSetFormula(3, 8, L"B8*10", true));
    grid.setCellText(2, 8, L"3");
    Tvx_String text;
    grid.getCellText(3, 8, text);
    EXPECT_EQ(text, L"20");  // manual calculation
    EXPECT_TRUE(workbench.onRecalculate());
    grid.getCellText(3, 8, text);
    EXPECT_EQ(text, L"30");

    workbench.onAutoCalculate(true);
    EXPECT_TRUE(grid.SSGetBool(Tvx_Spread::kPropAutoCalc));
    EXPECT_FALSE(workbench.recalculateEnabled());
    grid.setCellText(2, 8, L"4");
    grid.getCellText(3, 8, text);
    EXPECT_EQ(text, L"40");
}

TEST_F(CFormulaTest, AStyleChangeShowsTheFormulasInThatStyle) {
    CFormula workbench;
    workbench.doModal();
    Tvx_Spread& grid = workbench.spread();
    grid.setEditType(1, 1, 1, 5);
    ASSERT_TRUE(grid.SSSetFormula(4, 1, L"B2+1", true));
    ASSERT_TRUE(grid.SSSetFormula(4, 5, L"SUM(B1:B3)", true));
    workbench.onStyle(CFormula::kR1C1Style);
    EXPECT_EQ(grid.SSGetRefStyle(), ovgrid::RefStyle::R1C1);
    Tvx_String shown, formula;
    for (int row : {1, 5}) {
        grid.getCellText(1, row, shown, Tvx_Spread::kReadData);
        grid.getCellText(4, row, formula, Tvx_Spread::kReadFormula);
        EXPECT_EQ(shown, formula) << row;
        EXPECT_NE(shown.find(L"R"), -1) << row;
    }
    workbench.onStyle(CFormula::kA1Style);
    grid.getCellText(1, 1, shown, Tvx_Spread::kReadData);
    EXPECT_EQ(shown, L"B2+1");
}

TEST(DlgSSAsToolTest, MakesItsHiddenGridOnce) {
    DlgSSAsTool tool;
    EXPECT_EQ(tool.get(), nullptr);
    ASSERT_TRUE(tool.init());
    Tvx_Spread* grid = tool.get();
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(grid->isCreated());
    EXPECT_EQ(grid->getControlId(), CDlgSSAsTool::kGridId);
    EXPECT_TRUE(tool.init());
    EXPECT_EQ(tool.get(), grid);
}

}  // namespace
