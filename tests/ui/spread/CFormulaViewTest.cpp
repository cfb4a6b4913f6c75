// CFormulaViewTest.cpp - the visible workbench as EvaluateSS opens it: start-up state, the style
// radio buttons, automatic calculation and Recalculate, saving and loading, OK and Cancel.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <filesystem>

#include "core/Paths.h"
#include "core/Tvx_Settings.h"
#include "host/HostServices.h"
#include "ui/DialogDriver.h"
#include "ui/QtText.h"
#include "ui/UiTestSupport.h"
#include "ui/grid/OvSpreadView.h"
#include "ui/spread/CFormulaView.h"

namespace {

Tvx_String text(const Tvx_Spread& grid, int col, int row) {
    Tvx_String out;
    grid.getCellText(col, row, out, Tvx_Spread::kReadValue);
    return out;
}

class FormulaWorkbench : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        // The fixed sheet of EvaluateSS: numbers and formulas in column 4.
        std::filesystem::create_directories(toFileSystemPath(evaluateSSFile()).parent_path());
        CFormula writer(CFormula::kWorkbench, evaluateSSFile());
        ASSERT_TRUE(writer.onInitDialog());
        Tvx_Spread& grid = writer.spread();
        grid.setCellText(2, 1, L"3");
        grid.setCellText(2, 2, L"4");
        grid.SSSetFormula(4, 1, L"B1*2", true);
        grid.SSSetFormula(4, 2, L"B1+B2", true);
        ASSERT_TRUE(writer.onSaveToFile());
    }
    static CFormulaView& view(OvDialog& dlg) { return static_cast<CFormulaView&>(dlg); }
};

TEST_F(FormulaWorkbench, OpensTheFixedSheetWithItsControls) {
    HostRecorder host;
    ovui::DialogDriver::push([](OvDialog& dlg) {
        CFormulaView& v = view(dlg);
        EXPECT_EQ(ovui::fromQt(dlg.windowTitle()), L"Formulas");
        EXPECT_EQ(dlg.GetDlgItemText(CFormula::kPathEdit), evaluateSSFile());
        EXPECT_TRUE(v.workbench().loaded());
        EXPECT_NE(qobject_cast<ovui::grid::OvSpreadView*>(dlg.item(CFormula::kGridPlaceholder)),
                  nullptr);
        EXPECT_EQ(dlg.IsDlgButtonChecked(CFormula::kStyleDefault), BST_CHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(CFormula::kAutoCalculate), BST_UNCHECKED);
        EXPECT_TRUE(dlg.IsItemEnabled(CFormula::kRecalculate));
        dlg.pressButton(CFormula::kRecalculate);
        EXPECT_EQ(text(v.spread(), 4, 2), L"7");
        EXPECT_NE(dlg.item(CFormula::kSecondPlaceholder), nullptr);
        uitest::saveScreenshot(dlg);
        dlg.pressButton(IDCANCEL);
    });
    EvaluateSS();
    EXPECT_TRUE(ovui::DialogDriver::leftOpen().isEmpty());
    EXPECT_TRUE(
        Tvx_String(host.output()).hasSubString(L"Loading spreadsheet:" + evaluateSSFile(), true));
}

TEST_F(FormulaWorkbench, StyleButtonsShowColumnFourFormulasInColumnOne) {
    ovui::DialogDriver::push([](OvDialog& dlg) {
        CFormulaView& v = view(dlg);
        dlg.pressButton(CFormula::kStyleR1C1);
        EXPECT_EQ(v.workbench().style(), CFormula::kR1C1Style);
        EXPECT_TRUE(text(v.spread(), 1, 1).hasSubString(L"RC[-2]*2", true));
        dlg.pressButton(CFormula::kStyleA1);
        EXPECT_TRUE(text(v.spread(), 1, 2).hasSubString(L"B1+B2", true));
        dlg.pressButton(IDOK);
    });
    EvaluateSS();
}

TEST_F(FormulaWorkbench, AutoCalculateDisablesRecalculate) {
    ovui::DialogDriver::push([](OvDialog& dlg) {
        CFormulaView& v = view(dlg);
        dlg.checkBox(CFormula::kAutoCalculate)->click();
        EXPECT_TRUE(v.workbench().autoCalculate());
        EXPECT_FALSE(dlg.IsItemEnabled(CFormula::kRecalculate));
        v.spread().setCellText(2, 1, L"10");
        EXPECT_EQ(text(v.spread(), 4, 1), L"20");
        dlg.checkBox(CFormula::kAutoCalculate)->click();
        EXPECT_TRUE(dlg.IsItemEnabled(CFormula::kRecalculate));
        v.spread().setCellText(2, 2, L"1");
        EXPECT_EQ(text(v.spread(), 4, 2), L"14");
        dlg.pressButton(CFormula::kRecalculate);
        EXPECT_EQ(text(v.spread(), 4, 2), L"11");
        dlg.pressButton(IDOK);
    });
    EvaluateSS();
}

TEST_F(FormulaWorkbench, SaveAndLoadUseThePathInTheEditAndReportFailures) {
    HostRecorder host;
    const Tvx_String copy = gSettings.libDir + L"copy.ovs";
    ovui::DialogDriver::push([&copy](OvDialog& dlg) {
        CFormulaView& v = view(dlg);
        dlg.lineEdit(CFormula::kPathEdit)->setText(ovui::toQt(copy));
        v.spread().setCellText(7, 1, L"saved");
        dlg.pressButton(CFormula::kSaveButton);
        v.spread().setCellText(7, 1, L"changed");
        dlg.pressButton(CFormula::kLoadButton);
        EXPECT_EQ(text(v.spread(), 7, 1), L"saved");
        dlg.lineEdit(CFormula::kPathEdit)->setText(QStringLiteral("/no/such/folder/x.ovs"));
        dlg.pressButton(CFormula::kLoadButton);
        dlg.pressButton(CFormula::kSaveButton);
        EXPECT_EQ(text(v.spread(), 7, 1), L"saved");
        dlg.pressButton(IDCANCEL);
    });
    EvaluateSS();
    EXPECT_TRUE(
        Tvx_String(host.output()).hasSubString(L"Load failed: /no/such/folder/x.ovs: ", true));
    EXPECT_TRUE(
        Tvx_String(host.output()).hasSubString(L"Save failed: /no/such/folder/x.ovs: ", true));
    EXPECT_TRUE(std::filesystem::exists(toFileSystemPath(copy)));
}

}  // namespace
