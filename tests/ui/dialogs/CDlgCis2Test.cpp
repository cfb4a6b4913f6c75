// CDlgCis2Test.cpp - the CIS/2 options dialog through its launcher: initial states, the enabling
// rule, what OK returns, Cancel, and the profile-names editor behind button 1423.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>
#include <QTableWidget>
#include <fstream>

#include "core/FileSystem.h"
#include "core/MessageService.h"
#include "core/Paths.h"
#include "core/TableFile.h"
#include "dialogs/SectionTranslation.h"
#include "ui/DialogDriver.h"
#include "ui/QtText.h"
#include "ui/UiTestSupport.h"
#include "ui/dialogs/CDlgCis2.h"
#include "ui/dialogs/CDlgSectionTranslation.h"

namespace {

using ovui::DialogDriver;
using ovui::fromQt;

constexpr int kDependent[] = {CDlgCis2::kOption2, CDlgCis2::kOption4, CDlgCis2::kOption5,
                              CDlgCis2::kOption3No, CDlgCis2::kOption3Yes};

class Cis2Dialog : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        deleteFile(uitest::libFile(CDlgCis2::kProfileNamesFile));
    }
};

void expectDependentEnabled(OvDialog& dlg, bool enabled) {
    for (int id : kDependent) {
        EXPECT_EQ(dlg.IsItemEnabled(id), enabled) << id;
    }
}

TEST_F(Cis2Dialog, FreshRecordShowsDefaultsWithDependentControlsDisabled) {
    OvDlgCis2Data data;
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(fromQt(dlg.windowTitle()), L"CIS/2 options");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgCis2::kIntro),
                  L"Choose how the model is exchanged in CIS/2 files.\n"
                  L"The options below apply to a custom exchange only.");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgCis2::kOption2), L"Export bolts");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgCis2::kOption5), L"Export assemblies");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgCis2::kEditProfileNames), L"Edit profile names...");
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgCis2::kOption1Yes), BST_CHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgCis2::kOption1No), BST_UNCHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgCis2::kOption2), BST_CHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgCis2::kOption3No), BST_CHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgCis2::kOption3Yes), BST_UNCHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgCis2::kOption4), BST_UNCHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgCis2::kOption5), BST_UNCHECKED);
        expectDependentEnabled(dlg, false);
        EXPECT_TRUE(dlg.IsItemEnabled(CDlgCis2::kEditProfileNames));
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgCis2Info(data));
    EXPECT_EQ(data, OvDlgCis2Data());
}

TEST_F(Cis2Dialog, Option1RadiosSwitchTheDependentControlsWithoutChangingThem) {
    OvDlgCis2Data data;
    uitest::drive([](OvDialog& dlg) {
        dlg.radioButton(CDlgCis2::kOption1No)->click();
        expectDependentEnabled(dlg, true);
        dlg.checkBox(CDlgCis2::kOption4)->click();
        dlg.radioButton(CDlgCis2::kOption3Yes)->click();
        dlg.radioButton(CDlgCis2::kOption1Yes)->click();
        expectDependentEnabled(dlg, false);
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgCis2::kOption4), BST_CHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgCis2::kOption3Yes), BST_CHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgCis2::kOption2), BST_CHECKED);
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgCis2Info(data));
    // Disabled controls still report their state.
    EXPECT_TRUE(data.m_option1);
    EXPECT_TRUE(data.m_option3);
    EXPECT_TRUE(data.m_option4);
}

TEST_F(Cis2Dialog, RecordWithOption1OffOpensEnabledAndReturnsEveryOption) {
    OvDlgCis2Data data;
    data.m_option1 = false;
    data.m_option2 = false;
    data.m_option3 = true;
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgCis2::kOption1No), BST_CHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgCis2::kOption3Yes), BST_CHECKED);
        expectDependentEnabled(dlg, true);
        dlg.checkBox(CDlgCis2::kOption2)->click();
        dlg.checkBox(CDlgCis2::kOption5)->click();
        dlg.radioButton(CDlgCis2::kOption3No)->click();
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgCis2Info(data));
    EXPECT_FALSE(data.m_option1);
    EXPECT_TRUE(data.m_option2);
    EXPECT_FALSE(data.m_option3);
    EXPECT_FALSE(data.m_option4);
    EXPECT_TRUE(data.m_option5);
}

TEST_F(Cis2Dialog, CancelAfterChangesLeavesTheRecordUntouched) {
    OvDlgCis2Data data;
    uitest::drive([](OvDialog& dlg) {
        dlg.radioButton(CDlgCis2::kOption1No)->click();
        dlg.checkBox(CDlgCis2::kOption2)->click();
        dlg.checkBox(CDlgCis2::kOption5)->click();
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgCis2Info(data));
    EXPECT_EQ(data, OvDlgCis2Data());
}

TEST_F(Cis2Dialog, ProfileNamesButtonEditsAndWritesTheTranslationTable) {
    ASSERT_TRUE(saveSectionTranslation(CDlgCis2::kProfileNamesFile, {L"HEA200", L"IPE300"},
                                       {L"HE200A", L"IPE300"}));
    OvDlgCis2Data data;
    uitest::drive([](OvDialog& dlg) { dlg.pressButton(CDlgCis2::kEditProfileNames); });
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(fromQt(dlg.windowTitle()), L"CIS/2 profile names");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgSectionTranslation::kLabel),
                  L"The CIS/2 profile name of each section name:");
        auto& editor = static_cast<CDlgSectionTranslation&>(dlg);
        QTableWidget* table = editor.table();
        ASSERT_EQ(table->rowCount(), 2);
        EXPECT_EQ(table->item(1, 0)->text(), QStringLiteral("IPE300"));
        table->item(0, 1)->setText(QStringLiteral("W8X31"));
        dlg.pressButton(CDlgSectionTranslation::kAddRow);
        table->item(2, 0)->setText(QStringLiteral("UPN100"));
        table->item(2, 1)->setText(QStringLiteral("C100"));
        dlg.pressButton(IDOK);
    });
    EXPECT_FALSE(StartDlgCis2Info(data));  // the CIS/2 dialog itself is cancelled unattended
    EXPECT_EQ(DialogDriver::opened(),
              QStringList({QStringLiteral("CDlgCis2"), QStringLiteral("CDlgSectionTranslation")}));

    Tvx_StringArray names;
    Tvx_StringArray cis2;
    ASSERT_TRUE(readSectionTranslation(CDlgCis2::kProfileNamesFile, names, cis2));
    EXPECT_EQ(names, (Tvx_StringArray{L"HEA200", L"IPE300", L"UPN100"}));
    EXPECT_EQ(cis2, (Tvx_StringArray{L"W8X31", L"IPE300", L"C100"}));
}

TEST_F(Cis2Dialog, CancelledEditorAndUnreadableTableLeaveTheFileAlone) {
    const Tvx_String file = uitest::libFile(CDlgCis2::kProfileNamesFile);
    OvDlgCis2Data data;
    uitest::drive([](OvDialog& dlg) { dlg.pressButton(CDlgCis2::kEditProfileNames); });
    uitest::drive([](OvDialog& dlg) { dlg.pressButton(IDCANCEL); });
    StartDlgCis2Info(data);
    EXPECT_FALSE(fileExists(file));

    // A file that is not a table is reported and never offered for editing (or overwritten).
    {
        std::ofstream out(toFileSystemPath(file));
        out << "not a table\n";
    }
    MessageRecorder messages;
    DialogDriver::clear();
    uitest::drive([](OvDialog& dlg) { dlg.pressButton(CDlgCis2::kEditProfileNames); });
    StartDlgCis2Info(data);
    EXPECT_EQ(DialogDriver::opened(), QStringList({QStringLiteral("CDlgCis2")}));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, L"CIS/2 profile names");
    EXPECT_EQ(messages.last().type, MB_OK | MB_ICONEXCLAMATION);
    Tvx_TableRecords rows;
    EXPECT_FALSE(readFile(file, rows));
}

}  // namespace
