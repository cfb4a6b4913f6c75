// CDlgGridTest.cpp - the grid dialog through its launcher: what it shows, what OK returns and
// that Cancel changes nothing.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/DialogDriver.h"
#include "ui/QtText.h"
#include "ui/UiTestSupport.h"
#include "ui/dialogs/CDlgGrid.h"

namespace {

using ovui::DialogDriver;
using ovui::fromQt;

class GridDialog : public ::testing::Test {
  protected:
    void SetUp() override { uitest::resetDialogState(); }
};

TEST_F(GridDialog, FreshRecordShowsItsValuesAndNumberedTexts) {
    OvGridDlgData data;
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(fromQt(dlg.windowTitle()), L"Construction grid");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgGrid::kGroup1), L"First direction");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgGrid::kGroup2), L"Second direction");
        for (int id : {CDlgGrid::kCountLabel1, CDlgGrid::kCountLabel2}) {
            EXPECT_EQ(dlg.GetDlgItemText(id), L"Number of lines:");
        }
        for (int id : {CDlgGrid::kFirstNameLabel1, CDlgGrid::kFirstNameLabel2}) {
            EXPECT_EQ(dlg.GetDlgItemText(id), L"First name:");
        }
        EXPECT_EQ(dlg.GetDlgItemText(CDlgGrid::kDistancesLabel2), L"Distances:");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgGrid::kOption), L"Group the grid lines");
        EXPECT_EQ(dlg.GetDlgItemText(IDOK), L"OK");
        EXPECT_EQ(dlg.GetDlgItemText(IDCANCEL), L"Cancel");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgGrid::kCount1), L"4");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgGrid::kDistances1), L"5000");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgGrid::kFirstName1), L"A");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgGrid::kCount2), L"3");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgGrid::kDistances2), L"5000");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgGrid::kFirstName2), L"1");
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgGrid::kOption), BST_UNCHECKED);
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgGrid(data));
    EXPECT_EQ(data, OvGridDlgData());
    EXPECT_TRUE(DialogDriver::leftOpen().isEmpty());
}

struct CountCase {
    const wchar_t* typed;
    int expected;
};

TEST_F(GridDialog, CountsTakeTheLeadingIntegerOfWhatWasTyped) {
    for (const CountCase& c : {CountCase{L"7x", 7}, CountCase{L"x", 0}, CountCase{L" 12", 12},
                               CountCase{L"", 0}, CountCase{L"-2", -2}, CountCase{L"3.9", 3}}) {
        OvGridDlgData data;
        uitest::drive([&c](OvDialog& dlg) {
            dlg.lineEdit(CDlgGrid::kCount1)->setText(QString::fromWCharArray(c.typed));
            dlg.lineEdit(CDlgGrid::kCount2)->setText(QString::fromWCharArray(c.typed));
            dlg.pressButton(IDOK);
        });
        ASSERT_TRUE(StartDlgGrid(data)) << c.typed;
        EXPECT_EQ(data.m_count1, c.expected) << c.typed;
        EXPECT_EQ(data.m_count2, c.expected) << c.typed;
    }
}

TEST_F(GridDialog, TextsAndOptionComeBackExactlyAsEntered) {
    OvGridDlgData data;
    uitest::drive([](OvDialog& dlg) {
        dlg.lineEdit(CDlgGrid::kDistances1)->setText(QStringLiteral("  2*3000 4500 "));
        dlg.lineEdit(CDlgGrid::kFirstName1)->setText(QStringLiteral(" Ä1"));
        dlg.lineEdit(CDlgGrid::kDistances2)->setText(QString());
        dlg.lineEdit(CDlgGrid::kFirstName2)->setText(QStringLiteral("x\ty"));
        dlg.checkBox(CDlgGrid::kOption)->click();
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgGrid(data));
    EXPECT_EQ(data.m_distances1, L"  2*3000 4500 ");
    EXPECT_EQ(data.m_firstName1, L" Ä1");
    EXPECT_EQ(data.m_distances2, L"");
    EXPECT_EQ(data.m_firstName2, L"x\ty");
    EXPECT_TRUE(data.m_option);
    EXPECT_EQ(data.m_count1, 4);
}

TEST_F(GridDialog, CancelAndCloseLeaveTheRecordUntouched) {
    OvGridDlgData original;
    original.m_count1 = 9;
    original.m_distances2 = L"100 200";
    original.m_option = true;
    for (int way = 0; way < 2; ++way) {
        OvGridDlgData data = original;
        uitest::drive([way](OvDialog& dlg) {
            dlg.lineEdit(CDlgGrid::kCount1)->setText(QStringLiteral("1"));
            dlg.lineEdit(CDlgGrid::kDistances2)->setText(QStringLiteral("changed"));
            dlg.checkBox(CDlgGrid::kOption)->click();
            if (way == 0) {
                dlg.pressButton(IDCANCEL);
            } else {
                dlg.close();  // the close box and Escape go the same way
            }
        });
        EXPECT_FALSE(StartDlgGrid(data));
        EXPECT_EQ(data, original);
    }
}

}  // namespace
