// DialogBaseTest.cpp - the dialog base and the launcher pattern: control ids and item
// operations, three-state boxes, OnOK refusing to close, initialisation failure, the modal copy
// rules and remembered sizes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "UiTestSupport.h"
#include "core/DlgSizeStore.h"
#include "ui/DialogDriver.h"
#include "ui/DlgSize.h"
#include "ui/ModalLauncher.h"
#include "ui/OvDialog.h"
#include "ui/controls/OvTriStateCheckBox.h"

namespace {

using ovui::DialogDriver;

struct SampleRecord {
    Tvx_String name = L"start";
    bool flag = false;
    bool operator==(const SampleRecord&) const = default;
};

// A small dialog with one control of each kind; OK is refused while the name is empty.
class SampleDialog : public OvDialog {
  public:
    static constexpr int kName = 100, kFlag = 101, kLabel = 102, kGroup = 103, kRadio = 104;

    SampleDialog() : OvDialog(500) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(addControl(kLabel, new QLabel(this)));
        layout->addWidget(addControl(kName, new QLineEdit(this)));
        layout->addWidget(addControl(kFlag, new QCheckBox(this)));
        layout->addWidget(addControl(kGroup, new QGroupBox(this)));
        layout->addWidget(addControl(kRadio, new QRadioButton(this)));
        layout->addLayout(createOkCancelRow());
    }
    SampleRecord& data() { return record; }

    SampleRecord record;
    bool failInit = false;
    int okCalls = 0;

  protected:
    bool OnInitDialog() override {
        SetDlgItemText(kName, record.name);
        CheckDlgButton(kFlag, record.flag ? BST_CHECKED : BST_UNCHECKED);
        return !failInit;
    }
    void OnOK() override {
        ++okCalls;
        if (GetDlgItemText(kName).isEmpty()) {
            return;
        }
        record.name = GetDlgItemText(kName);
        record.flag = IsDlgButtonChecked(kFlag) == BST_CHECKED;
        EndDialog(IDOK);
    }
};

class DialogBase : public ::testing::Test {
  protected:
    void SetUp() override { uitest::resetDialogState(); }
};

TEST_F(DialogBase, ItemsAreFoundByIdAndTypedHelpersCheckTheType) {
    SampleDialog dlg;
    EXPECT_NE(dlg.lineEdit(SampleDialog::kName), nullptr);
    EXPECT_EQ(dlg.checkBox(SampleDialog::kName), nullptr);
    EXPECT_EQ(dlg.item(999), nullptr);
    EXPECT_NE(dlg.pushButton(IDOK), nullptr);
    EXPECT_EQ(dlg.GetDlgItemText(IDCANCEL), L"Cancel");

    // Text goes to the right property of every kind of control; unknown ids are ignored.
    for (int id : {SampleDialog::kName, SampleDialog::kLabel, SampleDialog::kFlag,
                   SampleDialog::kGroup, SampleDialog::kRadio}) {
        dlg.SetDlgItemText(id, L"Tëxt\n2");
        EXPECT_EQ(dlg.GetDlgItemText(id), L"Tëxt\n2") << id;
    }
    dlg.SetDlgItemText(999, L"ignored");
    EXPECT_EQ(dlg.GetDlgItemText(999), L"");
    dlg.EnableItem(SampleDialog::kName, false);
    EXPECT_FALSE(dlg.IsItemEnabled(SampleDialog::kName));
    EXPECT_FALSE(dlg.IsItemEnabled(999));
}

TEST_F(DialogBase, CheckStatesIncludingIndeterminate) {
    SampleDialog dlg;
    for (int state : {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}) {
        dlg.CheckDlgButton(SampleDialog::kFlag, state);
        EXPECT_EQ(dlg.IsDlgButtonChecked(SampleDialog::kFlag), state);
        dlg.CheckDlgButton(SampleDialog::kRadio, state);
        EXPECT_EQ(dlg.IsDlgButtonChecked(SampleDialog::kRadio), state == 0 ? 0 : 1);
    }
    EXPECT_EQ(dlg.IsDlgButtonChecked(999), BST_UNCHECKED);
}

TEST_F(DialogBase, TriStateBoxLeavesMixedOnTheFirstClick) {
    OvTriStateCheckBox box;
    box.setState(2);
    EXPECT_EQ(box.state(), 2);
    box.click();
    EXPECT_EQ(box.state(), 1);
    box.click();
    EXPECT_EQ(box.state(), 0);
    box.click();
    EXPECT_EQ(box.state(), 1);  // never back to mixed
    box.setState(7);
    EXPECT_EQ(box.state(), 1);
}

TEST_F(DialogBase, LauncherCopiesBackOnlyOnOkAndOkMayRefuse) {
    SampleRecord record;
    int okCalls = 0;
    DialogDriver::push([&okCalls](OvDialog& dlg) {
        auto& sample = static_cast<SampleDialog&>(dlg);
        dlg.lineEdit(SampleDialog::kName)->clear();
        dlg.pressButton(IDOK);  // refused: the dialog stays
        EXPECT_TRUE(dlg.isRunning());
        dlg.lineEdit(SampleDialog::kName)->setText(QStringLiteral("done"));
        dlg.checkBox(SampleDialog::kFlag)->click();
        dlg.pressButton(IDOK);
        okCalls = sample.okCalls;
    });
    EXPECT_TRUE(ovui::runModalOnCopy<SampleDialog>(record));
    EXPECT_EQ(okCalls, 2);
    EXPECT_EQ(record, (SampleRecord{L"done", true}));

    DialogDriver::push([](OvDialog& dlg) {
        dlg.lineEdit(SampleDialog::kName)->setText(QStringLiteral("other"));
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(ovui::runModalOnCopy<SampleDialog>(record));
    EXPECT_EQ(record, (SampleRecord{L"done", true}));
}

TEST_F(DialogBase, UnscriptedDialogIsCancelledInsteadOfBlocking) {
    SampleRecord record;
    EXPECT_FALSE(ovui::runModalOnCopy<SampleDialog>(record));
    EXPECT_EQ(DialogDriver::leftOpen(), QStringList({QStringLiteral("OvDialog")}));
    EXPECT_EQ(record, SampleRecord());
}

TEST_F(DialogBase, FailedInitialisationEndsWithCancelWithoutShowing) {
    SampleDialog dlg;
    dlg.failInit = true;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(DialogDriver::opened().isEmpty());
}

TEST_F(DialogBase, SizesAreStoredAndRestoredUnderTheirKey) {
    SampleDialog dlg;
    dlg.resize(300, 200);
    EXPECT_FALSE(ChangeDlgSize(&dlg, L"DLG_TEST_SIZE"));  // nothing stored yet
    EXPECT_EQ(dlg.size(), QSize(300, 200));
    ASSERT_TRUE(WriteDlgSize(&dlg, L"DLG_TEST_SIZE"));

    SampleDialog next;
    next.resize(350, 150);
    ASSERT_TRUE(ChangeDlgSize(&next, L"DLG_TEST_SIZE"));
    int width = 0, height = 0;
    ASSERT_TRUE(getDlgSize(&next, width, height));
    EXPECT_EQ(QSize(width, height), QSize(300, 200));

    next.resize(350, 150);
    ASSERT_TRUE(ChangeDlgSize(&next, L"DLG_TEST_SIZE", true));  // grow only
    EXPECT_EQ(next.size(), QSize(350, 200));
    EXPECT_FALSE(ChangeDlgSize(nullptr, L"DLG_TEST_SIZE"));
}

}  // namespace
