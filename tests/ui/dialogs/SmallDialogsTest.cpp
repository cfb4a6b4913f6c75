// SmallDialogsTest.cpp - the smaller dialogs through their launchers: what each shows of its
// record, what OK returns, that Cancel changes nothing, the fields OK refuses, the lookup filter,
// the profile cuts dialog's remembered setting and the string-array grid.
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

#include "core/MessageService.h"
#include "dialogs/small/DlgProfCutsData.h"
#include "dialogs/small/DlgProfFeaturesData.h"
#include "dialogs/small/OvBracingDlgData.h"
#include "dialogs/small/OvCladdingDlgData.h"
#include "dialogs/small/OvLevelsDlgData.h"
#include "dialogs/small/OvLookUpDlgData.h"
#include "dialogs/small/StringArrayDialog.h"
#include "ui/DialogDriver.h"
#include "ui/QtText.h"
#include "ui/dialogs/LibraryTexts.h"
#include "ui/dialogs/small/CDlgBracing.h"
#include "ui/dialogs/small/CDlgCladdingSettings.h"
#include "ui/dialogs/small/CDlgEditProfCuts.h"
#include "ui/dialogs/small/CDlgLevels.h"
#include "ui/dialogs/small/CDlgLookup.h"
#include "ui/dialogs/small/CDlgProfFeatures.h"
#include "ui/dialogs/small/CDlgStringArray.h"

namespace {

using ovui::fromQt;
using Rows = Tvx_Array<Tvx_StringArray>;

class SmallDialogs : public LibraryTextsTest {};

OvLevelsDlgData storeyLevels() {
    OvLevelsDlgData data;
    data.levels = {{L"Ground floor", 0}, {L"First floor", 3600}, {L"Roof", 7250.5}};
    return data;
}

TEST_F(SmallDialogs, LevelsAreEditedAddedAndDeletedAndOkRefusesABadRow) {
    OvLevelsDlgData data = storeyLevels();
    MessageRecorder messages;
    uitest::drive([](OvDialog& dlg) {
        QTableWidget* table = static_cast<CDlgLevels&>(dlg).table();
        EXPECT_EQ(fromQt(dlg.windowTitle()), L"Levels");
        ASSERT_EQ(table->rowCount(), 3);
        EXPECT_EQ(table->item(2, 1)->text(), QStringLiteral("7250.5"));
        table->item(1, 1)->setText(QStringLiteral("3650"));
        dlg.pressButton(CDlgLevels::kAdd);
        table->item(3, 0)->setText(QStringLiteral("Crane rail"));
        table->item(3, 1)->setText(QStringLiteral("6.2m"));
        dlg.pressButton(IDOK);  // refused: not a number
        EXPECT_TRUE(dlg.isVisible());
        table->item(3, 1)->setText(QStringLiteral("6200"));
        table->selectionModel()->select(
            table->model()->index(0, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        dlg.pressButton(CDlgLevels::kDelete);
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgLevels(data));
    const Tvx_Array<OvLevel> expected{
        {L"First floor", 3650}, {L"Roof", 7250.5}, {L"Crane rail", 6200}};
    EXPECT_EQ(data.levels, expected);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().text,
              L"Crane rail: Elevation (mm) must be a number from -1000000 to 1000000.");
}

TEST_F(SmallDialogs, LevelsWithoutANameAreRefusedAndCancelKeepsTheRecord) {
    OvLevelsDlgData data = storeyLevels();
    MessageRecorder messages;
    uitest::drive([](OvDialog& dlg) {
        static_cast<CDlgLevels&>(dlg).table()->item(0, 0)->setText(QStringLiteral("  "));
        dlg.pressButton(IDOK);
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgLevels(data));
    EXPECT_EQ(data, storeyLevels());
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().text, L"Every level needs a name.");
}

TEST(LookUpFilter, KeepsTheValuesThatHoldTheFilterIgnoringCase) {
    const Tvx_StringArray values{L"HEA200", L"HEB200", L"IPE200", L"hea300"};
    EXPECT_EQ(filterLookUpValues(values, L"hea"), Tvx_StringArray({L"HEA200", L"hea300"}));
    EXPECT_EQ(filterLookUpValues(values, L" 200 "),
              Tvx_StringArray({L"HEA200", L"HEB200", L"IPE200"}));
    EXPECT_EQ(filterLookUpValues(values, L""), values);
    EXPECT_TRUE(filterLookUpValues(values, L"UPN").isEmpty());
}

TEST_F(SmallDialogs, LookupFiltersThePreselectedListAndReturnsTheChosenValue) {
    OvLookUpDlgData data;
    data.title = L"Bolt grade";
    data.values = {L"4.6", L"5.6", L"8.8", L"10.9"};
    data.value = L"8.8";
    uitest::drive([](OvDialog& dlg) {
        QListWidget* list = static_cast<CDlgLookup&>(dlg).list();
        EXPECT_EQ(fromQt(dlg.windowTitle()), L"Bolt grade");
        EXPECT_EQ(list->currentItem()->text(), QStringLiteral("8.8"));
        dlg.SetDlgItemText(CDlgLookup::kFilter, L".6");
        EXPECT_EQ(list->count(), 2);
        EXPECT_FALSE(dlg.IsItemEnabled(IDOK));  // 8.8 is filtered out
        list->setCurrentRow(1);
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgLookUp(data));
    EXPECT_EQ(data.value, L"5.6");

    const OvLookUpDlgData before = data;
    uitest::drive([](OvDialog& dlg) {
        static_cast<CDlgLookup&>(dlg).list()->setCurrentRow(0);
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgLookUp(data));
    EXPECT_EQ(data, before);
}

TEST_F(SmallDialogs, CladdingSettingsRoundTripAndRefuseAThicknessOutOfRange) {
    OvCladdingDlgData data;
    MessageRecorder messages;
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(CDlgCladdingSettings::kProfile), L"TR 35/207");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgCladdingSettings::kThickness), L"0.75");
        EXPECT_FALSE(dlg.IsItemEnabled(CDlgCladdingSettings::kInsulationThickness));
        dlg.SetDlgItemText(CDlgCladdingSettings::kThickness, L"75");
        dlg.pressButton(IDOK);
        dlg.SetDlgItemText(CDlgCladdingSettings::kThickness, L"0.88");
        dlg.checkBox(CDlgCladdingSettings::kInsulated)->click();
        EXPECT_TRUE(dlg.IsItemEnabled(CDlgCladdingSettings::kInsulationThickness));
        dlg.SetDlgItemText(CDlgCladdingSettings::kInsulationThickness, L"120");
        dlg.SetDlgItemText(CDlgCladdingSettings::kColour, L" RAL 7016 ");
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgCladdingSettings(data));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().text, L"Sheet thickness (mm) must be a number from 0.1 to 50.");
    EXPECT_DOUBLE_EQ(data.thickness, 0.88);
    EXPECT_TRUE(data.insulated);
    EXPECT_DOUBLE_EQ(data.insulationThickness, 120.0);
    EXPECT_EQ(data.colour, L"RAL 7016");

    const OvCladdingDlgData before = data;
    uitest::drive([](OvDialog& dlg) {
        dlg.SetDlgItemText(CDlgCladdingSettings::kCoverWidth, L"900");
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgCladdingSettings(data));
    EXPECT_EQ(data, before);
}

TEST_F(SmallDialogs, BracingReturnsTheChosenLayoutAndMembers) {
    OvBracingDlgData data;
    uitest::drive([](OvDialog& dlg) {
        QComboBox* type = dlg.comboBox(CDlgBracing::kType);
        EXPECT_EQ(type->count(), 4);
        EXPECT_EQ(type->currentText(), QStringLiteral("Cross (X)"));
        type->setCurrentIndex(2);
        dlg.SetDlgItemText(CDlgBracing::kSection, L"CHS 76.1x4");
        dlg.checkBox(CDlgBracing::kTensionOnly)->click();
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgBracing(data));
    EXPECT_EQ(data.type, kBracingK);
    EXPECT_EQ(data.section, L"CHS 76.1x4");
    EXPECT_FALSE(data.tensionOnly);
    EXPECT_EQ(data.material, L"S235");

    const OvBracingDlgData before = data;
    uitest::drive([](OvDialog& dlg) {
        dlg.comboBox(CDlgBracing::kType)->setCurrentIndex(0);
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgBracing(data));
    EXPECT_EQ(data, before);
}

TEST_F(SmallDialogs, ProfileFeaturesReturnOnOkOnly) {
    DlgProfFeaturesData data;
    data.mark = L"B12";
    MessageRecorder messages;
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(CDlgProfFeatures::kMark), L"B12");
        dlg.SetDlgItemText(CDlgProfFeatures::kPhase, L"two");
        dlg.pressButton(IDOK);
        dlg.SetDlgItemText(CDlgProfFeatures::kPhase, L"2");
        dlg.SetDlgItemText(CDlgProfFeatures::kFinish, L"Hot-dip galvanised");
        dlg.checkBox(CDlgProfFeatures::kMainPart)->click();
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgProfFeatures(data));
    EXPECT_EQ(messages.count(), 1);
    EXPECT_EQ(data.phase, 2);
    EXPECT_EQ(data.finish, L"Hot-dip galvanised");
    EXPECT_TRUE(data.mainPart);

    const DlgProfFeaturesData before = data;
    uitest::drive([](OvDialog& dlg) {
        dlg.SetDlgItemText(CDlgProfFeatures::kMark, L"C1");
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgProfFeatures(data));
    EXPECT_EQ(data, before);
}

TEST_F(SmallDialogs, ProfileCutsRememberBothEndsAlikeOnOkOnly) {
    gProfCutsBothEndsAlike = 1;
    DlgProfCutsData data;
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgEditProfCuts::kBothAlike), BST_CHECKED);
        EXPECT_FALSE(dlg.IsItemEnabled(CDlgEditProfCuts::kEndKind));
        dlg.comboBox(CDlgEditProfCuts::kStartKind)->setCurrentIndex(kProfCutMitre);
        dlg.SetDlgItemText(CDlgEditProfCuts::kStartAngle, L"45");
        EXPECT_EQ(dlg.comboBox(CDlgEditProfCuts::kEndKind)->currentIndex(), kProfCutMitre);
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(StartEditProfCutsDlg(data));
    EXPECT_EQ(data.startKind, kProfCutMitre);
    EXPECT_EQ(data.endKind, kProfCutMitre);
    EXPECT_DOUBLE_EQ(data.endAngle, 45.0);

    // Unticked and cancelled: neither the cuts nor the setting change.
    uitest::drive([](OvDialog& dlg) {
        dlg.checkBox(CDlgEditProfCuts::kBothAlike)->click();
        dlg.comboBox(CDlgEditProfCuts::kEndKind)->setCurrentIndex(kProfCutNone);
        dlg.pressButton(IDCANCEL);
    });
    const DlgProfCutsData before = data;
    EXPECT_FALSE(StartEditProfCutsDlg(data));
    EXPECT_EQ(data, before);
    EXPECT_EQ(gProfCutsBothEndsAlike, 1);

    // Unticked with OK: the ends differ and the setting is remembered for the next time.
    uitest::drive([](OvDialog& dlg) {
        dlg.checkBox(CDlgEditProfCuts::kBothAlike)->click();
        dlg.comboBox(CDlgEditProfCuts::kEndKind)->setCurrentIndex(kProfCutSquare);
        dlg.SetDlgItemText(CDlgEditProfCuts::kEndAngle, L"0");
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(StartEditProfCutsDlg(data));
    EXPECT_EQ(data.startKind, kProfCutMitre);
    EXPECT_EQ(data.endKind, kProfCutSquare);
    EXPECT_EQ(gProfCutsBothEndsAlike, 0);
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgEditProfCuts::kBothAlike), BST_UNCHECKED);
        dlg.pressButton(IDCANCEL);
    });
    StartEditProfCutsDlg(data);
    gProfCutsBothEndsAlike = 1;
}

TEST_F(SmallDialogs, GridDialogWithoutColumnsReturnsFalseWithoutADialog) {
    Rows rows{{L"a"}};
    const int opened = ovui::DialogDriver::opened().size();
    EXPECT_FALSE(startGridDialog({}, {}, rows, true, L"", L"Bolts"));
    EXPECT_EQ(ovui::DialogDriver::opened().size(), opened);
    EXPECT_EQ(rows, Rows({{L"a"}}));
}

TEST_F(SmallDialogs, GridDialogReplacesTheRowsOnOkOnly) {
    const Rows before{{L"M16", L"8.8", L"4"}, {L"M20", L"10.9"}};
    Rows rows = before;
    uitest::drive([](OvDialog& dlg) {
        QTableWidget* table = static_cast<CDlgStringArray&>(dlg).table();
        EXPECT_EQ(fromQt(dlg.windowTitle()), L"Bolts of the connection");
        ASSERT_EQ(table->rowCount(), 2);
        EXPECT_EQ(table->horizontalHeaderItem(1)->text(), QStringLiteral("Grade"));
        EXPECT_EQ(table->verticalHeaderItem(0)->text(), QStringLiteral("Top"));
        EXPECT_EQ(table->verticalHeaderItem(1)->text(), QStringLiteral("2"));
        table->item(1, 2)->setText(QStringLiteral("2"));
        dlg.pressButton(CDlgStringArray::kAdd);
        table->item(2, 0)->setText(QStringLiteral("M24"));
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(startGridDialog({L"Size", L"Grade", L"Count"}, {L"Top"}, rows, true, L"",
                                L"Bolts of the connection"));
    EXPECT_EQ(rows, Rows({{L"M16", L"8.8", L"4"}, {L"M20", L"10.9", L"2"}, {L"M24", L"", L""}}));

    uitest::drive([](OvDialog& dlg) {
        EXPECT_TRUE(dlg.item(CDlgStringArray::kAdd)->isHidden());  // fixed rows
        static_cast<CDlgStringArray&>(dlg).table()->item(0, 0)->setText(QStringLiteral("M12"));
        dlg.pressButton(IDCANCEL);
    });
    const Rows kept = rows;
    EXPECT_FALSE(startGridDialog({L"Size", L"Grade", L"Count"}, {}, rows, false, L"", L""));
    EXPECT_EQ(rows, kept);
}

}  // namespace
