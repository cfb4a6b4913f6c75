// CDlgEditLibSimpleTest.cpp - the simple editor through its launcher: what it shows, the
// automatic and manual names, the tube rule and the other checks, and what OK returns.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "SeclibDialogSupport.h"
#include "core/MessageService.h"
#include "seclib/SectionLibraryLaunchers.h"
#include "ui/DialogDriver.h"
#include "ui/QtText.h"
#include "ui/seclib/CDlgEditLibSimple.h"

namespace {

using ovui::DialogDriver;
using Simple = CDlgEditLibSimple;

Tvx_ProfValuesTable table(const wchar_t* type) {
    Tvx_ProfValuesTable t;
    EXPECT_TRUE(t.readFromFile(type));
    t.typeName = type;
    return t;
}

void typeDimension(OvDialog& dlg, int j, const wchar_t* text) {
    auto* edit = dlg.lineEdit(Simple::dimensionEditId(j));
    edit->setText(QString::fromWCharArray(text));
    emit edit->textEdited(edit->text());
}

class EditLibSimple : public seclibtest::SeclibDialogTest {};

TEST_F(EditLibSimple, ShowsTheStartSectionAndNamesNewOnesAfterThePattern) {
    Tvx_ProfValuesTable rhs = table(L"RHS");
    int index = -1;
    DialogDriver::push([](OvDialog& dlg) {
        EXPECT_EQ(ovui::fromQt(dlg.windowTitle()), L"New section");
        EXPECT_EQ(dlg.GetDlgItemText(Simple::kNameLabel), L"Section name:");
        EXPECT_EQ(dlg.GetDlgItemText(Simple::kNameEdit), L"RHS200x100x6");
        EXPECT_FALSE(dlg.IsItemEnabled(Simple::kNameEdit));
        EXPECT_EQ(dlg.IsDlgButtonChecked(Simple::kActive), BST_CHECKED);
        EXPECT_FALSE(dlg.IsItemEnabled(Simple::kActive));
        EXPECT_EQ(dlg.GetDlgItemText(Simple::dimensionLabelId(1)), L"A. Depth:");
        EXPECT_EQ(dlg.GetDlgItemText(Simple::dimensionLabelId(4)), L"D. Radius:");
        EXPECT_EQ(dlg.GetDlgItemText(Simple::dimensionEditId(2)), L"100");
        EXPECT_FALSE(dlg.item(Simple::dimensionEditId(5))->isVisibleTo(&dlg));
        EXPECT_TRUE(dlg.item(Simple::kPicture)->isVisibleTo(&dlg));
        typeDimension(dlg, 1, L"150");
        typeDimension(dlg, 2, L"75");
        typeDimension(dlg, 3, L"5");
        typeDimension(dlg, 4, L"10");
        EXPECT_EQ(dlg.GetDlgItemText(Simple::kNameEdit), L"RHS150x75x5");
        seclibtest::screenshot(dlg, QStringLiteral("CDlgEditLibSimple"));
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgEditLibSimple(L"200x100x6", rhs, index));
    ASSERT_EQ(rhs.rows.length(), 3);
    EXPECT_EQ(rhs.rows[1],
              (Tvx_StringArray{L"150x75x5", L"1", L"RHS150x75x5", L"RHS150x75x5", L"RHS150x75x5",
                               L"RHS150x75x5", L"150", L"75", L"5", L"10"}));
    EXPECT_EQ(index, 1);
}

TEST_F(EditLibSimple, TubeRuleRefusesUntilCorrectedAndLeavesOneRow) {
    Tvx_ProfValuesTable rhs = table(L"RHS");
    int index = -1;
    MessageRecorder messages;
    DialogDriver::push([&messages](OvDialog& dlg) {
        typeDimension(dlg, 3, L"5");
        typeDimension(dlg, 4, L"2");
        dlg.pressButton(IDOK);
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().text,
                  L"The corner radius must be 0\nor greater than the wall thickness.\n\n"
                  L"Please correct the values.");
        EXPECT_EQ(messages.last().caption, L"Section check");
        EXPECT_EQ(messages.last().type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_TRUE(dlg.isVisible());
        typeDimension(dlg, 4, L"0");
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgEditLibSimple(L"100x50x4", rhs, index));
    EXPECT_EQ(rhs.rows.length(), 3);
    EXPECT_EQ(rhs.rows[1][0], L"100x50x5");
    EXPECT_EQ(rhs.rows[1][9], L"0");
}

TEST_F(EditLibSimple, ManualNamesAndRefusedInputs) {
    Tvx_ProfValuesTable ipe = table(L"IPE");
    const Tvx_ProfValuesTable original = ipe;
    int index = -1;
    MessageRecorder messages;
    DialogDriver::push([&messages](OvDialog& dlg) {
        dlg.radioButton(Simple::kManual)->click();
        EXPECT_TRUE(dlg.IsItemEnabled(Simple::kNameEdit));
        dlg.SetDlgItemText(Simple::kNameEdit, L"80");  // in use
        dlg.pressButton(IDOK);
        typeDimension(dlg, 2, L"4 6");
        dlg.SetDlgItemText(Simple::kNameEdit, L"90");
        dlg.pressButton(IDOK);
        EXPECT_EQ(messages.count(), 2);
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgEditLibSimple(L"80", ipe, index));
    EXPECT_EQ(messages.messages()[0].text, L"There is already a section named \"80\"");
    EXPECT_EQ(messages.messages()[1].text, L"Not a number in dimension B: \"4 6\"");
    EXPECT_EQ(ipe.rows, original.rows);
    EXPECT_EQ(index, -1);

    DialogDriver::push([](OvDialog& dlg) {
        dlg.radioButton(Simple::kManual)->click();
        dlg.SetDlgItemText(Simple::kNameEdit, L"90");
        typeDimension(dlg, 1, L"90");
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgEditLibSimple(L"80", ipe, index));
    EXPECT_EQ(ipe.rows[1][0], L"90");
    EXPECT_EQ(ipe.rows[1][3], L"90");
    EXPECT_EQ(ipe.rows[1][6], L"90");
    EXPECT_EQ(index, 1);
}

}  // namespace
