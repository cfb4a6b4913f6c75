// CDlgSSOptionsTest.cpp - the captions dialog through its launcher: captions typed into the grids
// survive count changes, OK returns lists as long as the counts, Cancel changes nothing.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "SpreadDialogSupport.h"
#include "ui/QtText.h"
#include "ui/UiTestSupport.h"
#include "ui/spread/CDlgSSOptions.h"

namespace {

using spreadtest::cellText;

class CaptionsDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        spreadtest::useShippedTexts({1369, 1370, 1371, 1372, 1373, 1374, 1375, 1376});
    }
    static CDlgSSOptions& captions(OvDialog& dlg) { return static_cast<CDlgSSOptions&>(dlg); }
    static void type(OvDialog& dlg, int id, const char* text) {
        dlg.lineEdit(id)->setText(QString::fromUtf8(text));
    }
};

TEST_F(CaptionsDialog, OpensWithTheGivenCountsCaptionsAndTexts) {
    OvSSOptionsData data;
    data.colCount = 3;
    data.rowCount = 2;
    data.colCaptions = {L"Name", L"Width"};
    data.rowCaptions = {L"First", L"Second", L"Third"};
    uitest::drive([](OvDialog& dlg) {
        CDlgSSOptions& d = captions(dlg);
        EXPECT_EQ(ovui::fromQt(dlg.windowTitle()), L"Column and Row Captions");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgSSOptions::kColCaptionsLabel),
                  L"Column captions - one caption per column");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgSSOptions::kRowCaptionsLabel),
                  L"Row captions, one caption per row");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgSSOptions::kColCountLabel), L"Number of columns:");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgSSOptions::kColWidthLabel),
                  L"Caption column width (pixels):");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgSSOptions::kColCount), L"3");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgSSOptions::kRowHeight), L"24");
        ASSERT_EQ(d.colGrid().getMaxCols(), 3);
        EXPECT_EQ(d.colGrid().getMaxRows(), 1);
        EXPECT_EQ(cellText(d.colGrid(), 1, 1), L"Name");
        EXPECT_EQ(cellText(d.colGrid(), 3, 1), L"");
        ASSERT_EQ(d.rowGrid().getMaxRows(), 2);
        EXPECT_EQ(cellText(d.rowGrid(), 1, 2), L"Second");
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgSSOptions(data));
    EXPECT_EQ(data.colCaptions, (Tvx_StringArray{L"Name", L"Width", L""}));
    EXPECT_EQ(data.rowCaptions, (Tvx_StringArray{L"First", L"Second"}));
}

TEST_F(CaptionsDialog, RaisingTheColumnCountKeepsTypedCaptionsAndAddsEmptyOnes) {
    OvSSOptionsData data;
    data.colCount = 3;
    uitest::drive([](OvDialog& dlg) {
        CDlgSSOptions& d = captions(dlg);
        d.colGrid().setCellText(1, 1, L"A");
        d.colGrid().setCellText(2, 1, L"B");
        d.colGrid().setCellText(3, 1, L"C");
        type(dlg, CDlgSSOptions::kColCount, "5");
        EXPECT_EQ(d.colGrid().getMaxCols(), 5);
        Tvx_StringArray shown;
        d.colGrid().getRowTexts(1, shown);
        EXPECT_EQ(shown, (Tvx_StringArray{L"A", L"B", L"C", L"", L""}));
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgSSOptions(data));
    EXPECT_EQ(data.colCount, 5);
    EXPECT_EQ(data.colCaptions, (Tvx_StringArray{L"A", L"B", L"C", L"", L""}));
}

TEST_F(CaptionsDialog, CaptionsHiddenByALowerCountComeBackWhenItGrowsAgain) {
    OvSSOptionsData data;
    data.rowCount = 3;
    data.rowCaptions = {L"r1", L"r2", L"r3"};
    uitest::drive([](OvDialog& dlg) {
        CDlgSSOptions& d = captions(dlg);
        d.rowGrid().setCellText(1, 3, L"typed");
        // Typing "12" passes through "1": the count drops before it grows.
        type(dlg, CDlgSSOptions::kRowCount, "1");
        EXPECT_EQ(d.rowGrid().getMaxRows(), 1);
        type(dlg, CDlgSSOptions::kRowCount, "4");
        EXPECT_EQ(cellText(d.rowGrid(), 1, 3), L"typed");
        EXPECT_EQ(cellText(d.rowGrid(), 1, 4), L"");
        type(dlg, CDlgSSOptions::kRowCount, "2");
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgSSOptions(data));
    EXPECT_EQ(data.rowCount, 2);
    EXPECT_EQ(data.rowCaptions, (Tvx_StringArray{L"r1", L"r2"}));
}

TEST_F(CaptionsDialog, SizesApplyAtOnceAndCountsStayWithinBounds) {
    OvSSOptionsData data;
    uitest::drive([](OvDialog& dlg) {
        CDlgSSOptions& d = captions(dlg);
        type(dlg, CDlgSSOptions::kRowHeight, "40");
        int pixels = 0;
        ASSERT_TRUE(d.colGrid().SSGetRowHeightInPixels(1, pixels));
        EXPECT_EQ(pixels, 40);
        type(dlg, CDlgSSOptions::kColWidth, "150");
        ASSERT_TRUE(d.rowGrid().SSGetColWidthInPixels(1, pixels));
        EXPECT_EQ(pixels, 150);
        type(dlg, CDlgSSOptions::kColCount, "-4");
        EXPECT_EQ(d.colGrid().getMaxCols(), 0);
        type(dlg, CDlgSSOptions::kRowCount, "999999999");
        EXPECT_EQ(d.rowGrid().getMaxRows(), CDlgSSOptions::kMaxCount);
        type(dlg, CDlgSSOptions::kRowCount, "x");
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgSSOptions(data));
    EXPECT_EQ(data.captionRowHeight, 40);
    EXPECT_EQ(data.captionColWidth, 150);
    EXPECT_EQ(data.colCount, 0);
    EXPECT_TRUE(data.colCaptions.isEmpty());
    EXPECT_EQ(data.rowCount, 0);
}

TEST_F(CaptionsDialog, CancelLeavesTheRecordUntouched) {
    OvSSOptionsData original;
    original.colCaptions = {L"keep"};
    OvSSOptionsData data = original;
    uitest::drive([](OvDialog& dlg) {
        captions(dlg).colGrid().setCellText(1, 1, L"changed");
        type(dlg, CDlgSSOptions::kColCount, "6");
        type(dlg, CDlgSSOptions::kRowHeight, "50");
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgSSOptions(data));
    EXPECT_EQ(data, original);
}

}  // namespace
