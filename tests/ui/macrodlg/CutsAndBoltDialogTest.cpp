// CutsAndBoltDialogTest.cpp - the cuts and bolt detail dialogs through their launchers: OK copies
// the edits back, Cancel leaves the record alone, and OK refuses what the rules refuse (the cut
// name rule in its order; an active bolt entry without count or spacing) with the dialog open.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

#include "core/MessageService.h"
#include "core/Texts.h"
#include "ui/DialogDriver.h"
#include "ui/QtText.h"
#include "ui/UiTestSupport.h"
#include "ui/controls/CCheckComboBox.h"
#include "ui/macrodlg/DetailDialogSupport.h"
#include "ui/macrodlg/MacroDetailLaunchers.h"
#include "ui/macrodlg/detail/CDlgMacroBoltAdv.h"
#include "ui/macrodlg/detail/CDlgMacroCuts.h"

namespace {

using ovui::fromQt;

class DetailDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        detailtest::useDetailTexts();
    }
};

QTableWidget* cutGrid(OvDialog& dlg) {
    return qobject_cast<QTableWidget*>(dlg.item(CDlgMacroCuts::kGrid));
}

TEST_F(DetailDialogs, CutsOkCopiesTheEditedCutBack) {
    DlgMacroCutsData cut = detailtest::sampleCut();
    bool changed = false;
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(fromQt(dlg.windowTitle()), dialString(1080));
        EXPECT_EQ(dlg.GetDlgItemText(CDlgMacroCuts::kName), L"Notch top");
        EXPECT_EQ(dlg.comboBox(CDlgMacroCuts::kKind)->currentIndex(), 1);
        EXPECT_EQ(dlg.comboBox(CDlgMacroCuts::kKind)->count(), 6);
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgMacroCuts::kSide2), BST_CHECKED);
        QTableWidget* grid = cutGrid(dlg);
        ASSERT_EQ(grid->rowCount(), 2);
        EXPECT_EQ(fromQt(grid->item(0, 0)->text()), dialString(1099));
        EXPECT_EQ(fromQt(grid->item(1, 1)->text()), L"gen_notch");
        EXPECT_EQ(grid->item(1, 2)->checkState(), Qt::Checked);
        grid->item(0, 1)->setText(QStringLiteral("25"));
        dlg.SetDlgItemText(CDlgMacroCuts::kName, L"Notch 2");
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgMacroCuts(cut, changed));
    EXPECT_TRUE(changed);
    EXPECT_EQ(cut.name, L"Notch 2");
    EXPECT_EQ(cut.vars[0].value, L"25");
    EXPECT_EQ(cut.vars[1].value, L"gen_notch");
    EXPECT_EQ(cut.kind, 2);
    EXPECT_EQ(cut.side, 2);
    EXPECT_EQ(cut.text1, L"beam top");
}

TEST_F(DetailDialogs, CutsCancelLeavesTheRecordAndReportsNoChange) {
    DlgMacroCutsData cut = detailtest::sampleCut();
    bool changed = true;
    uitest::drive([](OvDialog& dlg) {
        dlg.SetDlgItemText(CDlgMacroCuts::kName, L"Other");
        cutGrid(dlg)->item(0, 1)->setText(QStringLiteral("99"));
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgMacroCuts(cut, changed));
    EXPECT_FALSE(changed);
    EXPECT_EQ(cut, detailtest::sampleCut());
}

TEST_F(DetailDialogs, CutsOkUnchangedReportsNoChange) {
    DlgMacroCutsData cut = detailtest::sampleCut();
    bool changed = true;
    uitest::drive([](OvDialog& dlg) { dlg.pressButton(IDOK); });
    EXPECT_TRUE(StartDlgMacroCuts(cut, changed));
    EXPECT_FALSE(changed);
    EXPECT_EQ(cut, detailtest::sampleCut());
}

TEST_F(DetailDialogs, CutsNameRuleKeepsTheDialogOpenInItsOrder) {
    DlgMacroCutsData cut = detailtest::sampleCut();
    cut.newCut = true;
    MessageRecorder messages;
    bool changed = false;
    uitest::drive([&messages](OvDialog& dlg) {
        EXPECT_EQ(fromQt(dlg.windowTitle()), dialString(1079));
        // A used name (any case) is refused before the invalid linked value is looked at.
        cutGrid(dlg)->item(1, 1)->setText(QStringLiteral("notch"));
        dlg.SetDlgItemText(CDlgMacroCuts::kName, L"cope BOTTOM");
        dlg.pressButton(IDOK);
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().text, dialString(1092) + L"\n" + dialString(1093));
        EXPECT_EQ(messages.last().caption, dialString(1094));
        EXPECT_TRUE(dlg.isRunning());

        dlg.SetDlgItemText(CDlgMacroCuts::kName, L"");
        dlg.pressButton(IDOK);
        ASSERT_EQ(messages.count(), 2);
        EXPECT_EQ(messages.last().text, dialString(1090));
        EXPECT_EQ(messages.last().caption, dialString(1091));

        dlg.SetDlgItemText(CDlgMacroCuts::kName, L"Notch 3");
        dlg.pressButton(IDOK);
        ASSERT_EQ(messages.count(), 3);
        EXPECT_EQ(messages.last().text, dialString(1095) + L"\n" + dialString(1096) + L" " +
                                            dialString(1097) + L" \"gen_\".\n");
        EXPECT_EQ(messages.last().caption, dialString(1098));
        EXPECT_TRUE(dlg.isRunning());

        cutGrid(dlg)->item(1, 1)->setText(QStringLiteral("gen_depth"));
        dlg.pressButton(IDOK);
        EXPECT_EQ(messages.count(), 3);
    });
    ASSERT_TRUE(StartDlgMacroCuts(cut, changed));
    EXPECT_EQ(cut.name, L"Notch 3");
    EXPECT_EQ(cut.vars[1].value, L"gen_depth");
}

TEST_F(DetailDialogs, CutsKindChoiceRefillsTheGridAndOptions) {
    DlgMacroCutsData cut = detailtest::sampleCut();
    bool changed = false;
    uitest::drive([](OvDialog& dlg) {
        EXPECT_TRUE(dlg.item(CDlgMacroCuts::kKeepContour)->isVisibleTo(&dlg));
        EXPECT_FALSE(dlg.item(CDlgMacroCuts::kMirror)->isVisibleTo(&dlg));
        QComboBox* kinds = dlg.comboBox(CDlgMacroCuts::kKind);
        kinds->setCurrentIndex(5);
        emit kinds->activated(5);  // fillet
        ASSERT_EQ(cutGrid(dlg)->rowCount(), 1);
        EXPECT_EQ(fromQt(cutGrid(dlg)->item(0, 0)->text()), dialString(740));
        EXPECT_FALSE(dlg.item(CDlgMacroCuts::kKeepContour)->isVisibleTo(&dlg));
        EXPECT_TRUE(dlg.item(CDlgMacroCuts::kMirror)->isVisibleTo(&dlg));
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgMacroCuts(cut, changed));
    EXPECT_EQ(cut.kind, 6);
    ASSERT_EQ(cut.vars.length(), 1);
    EXPECT_EQ(cut.vars[0].name, L"Radius");
}

TEST_F(DetailDialogs, BoltOkChecksOnlyActiveEntriesThenAppliesThroughTheOwner) {
    MacroBoltData bolt = detailtest::sampleBolt();
    MessageRecorder messages;
    int applied = 0;
    uitest::drive([&messages](OvDialog& dlg) {
        EXPECT_EQ(fromQt(dlg.windowTitle()), dialString(983));
        // The bolt's assembly is not among the offered ones: it is added and chosen.
        EXPECT_EQ(fromQt(dlg.comboBox(CDlgMacroBoltAdv::kAssembly)->currentText()), L"M20 8.8 HV");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgMacroBoltAdv::kLength), L"60");
        EXPECT_TRUE(dlg.IsItemEnabled(CDlgMacroBoltAdv::kSlotted));
        EXPECT_EQ(dlg.GetDlgItemText(CDlgMacroBoltAdv::kSlotted), dialString(997));
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgMacroBoltAdv::kStates[2]), BST_INDETERMINATE);
        EXPECT_FALSE(dlg.IsItemEnabled(CDlgMacroBoltAdv::kOptions[2]));
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgMacroBoltAdv::kOptions[0]), BST_CHECKED);
        auto& bolts = static_cast<CDlgMacroBoltAdv&>(dlg);
        ASSERT_EQ(bolts.entryList()->GetCount(), 3);
        EXPECT_EQ(fromQt(bolts.entryList()->itemText(0)), dialString(999) + L" nr: 1");
        EXPECT_TRUE(bolts.entryList()->GetCheck(1));
        EXPECT_FALSE(bolts.entryList()->GetCheck(2));

        // The third entry is empty but inactive: not checked. The second gets a bad spacing.
        bolts.chooseEntry(1);
        dlg.SetDlgItemText(CDlgMacroBoltAdv::kEntrySpacing, L"0");
        bolts.chooseEntry(0);
        dlg.pressButton(IDOK);
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().text,
                  dialString(1000) + L" 2 " + dialString(1001) + L"\n\n" + dialString(888) + L".");
        EXPECT_EQ(messages.last().caption, L"Ongeldige waarde");
        EXPECT_TRUE(dlg.isRunning());
        EXPECT_EQ(bolts.shownEntry(), 1);

        dlg.SetDlgItemText(CDlgMacroBoltAdv::kEntrySpacing, L"80");
        dlg.SetDlgItemText(CDlgMacroBoltAdv::kLength, L"70");
        dlg.comboBox(CDlgMacroBoltAdv::kEntrySide)->setCurrentIndex(2);
        dlg.pressButton(IDOK);
        EXPECT_EQ(messages.count(), 1);
    });
    ASSERT_TRUE(StartDlgMacroBoltAdv(bolt, {L"M16 8.8", L"M20 10.9"}, {L"16", L"20", L"24"},
                                     [&applied](MacroBoltData& data) {
                                         ++applied;
                                         data.grade = L"10.9";  // the owner's result is kept
                                     }));
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(bolt.length, L"70");
    EXPECT_EQ(bolt.grade, L"10.9");
    EXPECT_EQ(bolt.details.entries[1].spacing, L"80");
    EXPECT_EQ(bolt.details.entries[1].side, -1);
    EXPECT_EQ(bolt.details.entries[2], detailtest::sampleBolt().details.entries[2]);
    EXPECT_EQ(bolt.details.options, detailtest::sampleBolt().details.options);
    EXPECT_EQ(bolt.holeColumns, detailtest::sampleBolt().holeColumns);
}

TEST_F(DetailDialogs, BoltCancelLeavesTheRecordAndSkipsTheOwner) {
    MacroBoltData bolt = detailtest::sampleBolt();
    bolt.count = 0;
    int applied = 0;
    uitest::drive([](OvDialog& dlg) {
        EXPECT_FALSE(dlg.IsItemEnabled(CDlgMacroBoltAdv::kSlotted));
        EXPECT_EQ(dlg.GetDlgItemText(CDlgMacroBoltAdv::kSlotted), dialString(998));
        dlg.SetDlgItemText(CDlgMacroBoltAdv::kGrade, L"4.6");
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgMacroBoltAdv(bolt, {}, {}, [&applied](MacroBoltData&) { ++applied; }));
    EXPECT_EQ(applied, 0);
    MacroBoltData expected = detailtest::sampleBolt();
    expected.count = 0;
    EXPECT_EQ(bolt, expected);
}

TEST_F(DetailDialogs, BoltEntryListChecksAreTheActiveFlags) {
    MacroBoltData bolt = detailtest::sampleBolt();
    uitest::drive([](OvDialog& dlg) {
        auto& bolts = static_cast<CDlgMacroBoltAdv&>(dlg);
        bolts.entryList()->SetCheck(2, true);  // activates and shows the third entry
        EXPECT_EQ(bolts.shownEntry(), 2);
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgMacroBoltAdv::kEntryActive), BST_CHECKED);
        dlg.pressButton(IDOK);  // now empty and active: refused
        EXPECT_TRUE(dlg.isRunning());
        dlg.checkBox(CDlgMacroBoltAdv::kEntryActive)->click();
        EXPECT_FALSE(bolts.entryList()->GetCheck(2));
        dlg.pressButton(IDOK);
    });
    MessageRecorder messages;
    ASSERT_TRUE(StartDlgMacroBoltAdv(bolt, {}, {}, {}));
    EXPECT_EQ(messages.count(), 1);
    EXPECT_FALSE(bolt.details.entries[2].active);
}

}  // namespace
