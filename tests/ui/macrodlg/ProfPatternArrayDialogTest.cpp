// ProfPatternArrayDialogTest.cpp - the profile, segmented-profile, pattern and array detail
// dialogs: OK copies back (the profile detail writes through its callback), Cancel leaves the
// record, an empty id list opens nothing, and the empty alternation choices.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTableWidget>

#include "core/MessageService.h"
#include "core/Texts.h"
#include "core/macro/Tvx_Drawing.h"
#include "ui/DialogDriver.h"
#include "ui/QtText.h"
#include "ui/UiTestSupport.h"
#include "ui/macrodlg/DetailDialogSupport.h"
#include "ui/macrodlg/MacroDetailLaunchers.h"
#include "ui/macrodlg/detail/CDlgArray.h"
#include "ui/macrodlg/detail/CDlgMacroPattern.h"
#include "ui/macrodlg/detail/CDlgMacroProfAdv.h"
#include "ui/macrodlg/detail/CDlgMacroProfSegm.h"

namespace {

using ovui::DialogDriver;
using ovui::fromQt;

class DetailDialogs2 : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        detailtest::useDetailTexts();
    }
};

// A caller's callback that records what it was asked.
struct CallLog {
    std::vector<int> types;
    MacroProfData stored;
};
CallLog gLog;

bool recordingCallBack(OvMACallBackType type, const OvMACallBackData& data, MacroProfData& prof) {
    gLog.types.push_back(type);
    EXPECT_EQ(data.profileIds.length(), 2);
    if (type == eMACallBackRead) {
        prof = gLog.stored;
    } else if (type == eMACallBackWrite) {
        gLog.stored = prof;
    }
    return true;
}

TEST_F(DetailDialogs2, ProfileApplyReachesTheRecordAtOnceAndCancelKeepsIt) {
    MacroData data = detailtest::sampleProfileRecord();
    uitest::drive([&data](OvDialog& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(CDlgMacroProfAdv::kSection), L"FL10x100");
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgMacroProfAdv::kRotation90), BST_CHECKED);
        EXPECT_EQ(dlg.GetDlgItemText(CDlgMacroProfAdv::kRotation180), L"180°");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgMacroProfAdv::kWcsLabel), L"WCS");
        EXPECT_EQ(dlg.comboBox(CDlgMacroProfAdv::kApplyTo)->currentIndex(), 2);
        EXPECT_EQ(fromQt(dlg.comboBox(CDlgMacroProfAdv::kApplyTo)->itemText(0)), dialString(1022));
        EXPECT_FALSE(dlg.item(CDlgMacroProfAdv::kMorphed)->isVisibleTo(&dlg));
        EXPECT_FALSE(dlg.item(CDlgMacroProfAdv::kOption)->isVisibleTo(&dlg));
        dlg.SetDlgItemText(CDlgMacroProfAdv::kMaterial, L"S355");
        dlg.pressButton(CDlgMacroProfAdv::kApply);
        for (const MacroProfData& p : data.tabs[0].profData) {
            EXPECT_EQ(p.material, L"S355");
        }
        dlg.SetDlgItemText(CDlgMacroProfAdv::kMaterial, L"S460");  // not applied
        dlg.pressButton(IDCANCEL);
    });
    StartDlgMacroProfAdv(data, L"Beams", L"Stiffener", true);
    EXPECT_EQ(data.tabs[0].profData[0].material, L"S355");
    EXPECT_EQ(data.tabs[0].profData[1].material, L"S355");
}

TEST_F(DetailDialogs2, ProfileOkAppliesAndCancelWithoutApplyChangesNothing) {
    MacroData data = detailtest::sampleProfileRecord();
    uitest::drive([](OvDialog& dlg) {
        dlg.SetDlgItemText(CDlgMacroProfAdv::kSection, L"FL12x100");
        dlg.pressButton(IDCANCEL);
    });
    StartDlgMacroProfAdv(data, L"Beams", L"Stiffener", false);
    EXPECT_EQ(data.tabs[0].profData, detailtest::sampleProfileRecord().tabs[0].profData);

    uitest::drive([](OvDialog& dlg) {
        dlg.SetDlgItemText(CDlgMacroProfAdv::kSection, L"FL12x100");
        dlg.pressButton(CDlgMacroProfAdv::kRotation270);
        dlg.pressButton(IDOK);
    });
    StartDlgMacroProfAdv(data, L"Beams", L"Stiffener", false);
    for (const MacroProfData& p : data.tabs[0].profData) {
        EXPECT_EQ(p.sectionName, L"FL12x100");
        EXPECT_EQ(p.rotation, 270);
    }
}

TEST_F(DetailDialogs2, ATemporaryProfileGoesWithTheDialogAndAKeptOneStays) {
    Tvx_Drawing drawing;
    Tvx_Profile temporary;
    temporary.sectionName = L"IPE200";
    const AcDbObjectId id = drawing.addProfile(temporary);
    MacroData data = detailtest::sampleProfileRecord();
    data.profileIds.append(id);

    // Without the flag the profile is the drawing's own.
    uitest::drive([](OvDialog& dlg) { dlg.pressButton(IDCANCEL); });
    StartDlgMacroProfAdv(data, L"Beams", L"Stiffener", false);
    EXPECT_NE(drawing.findProfile(id), nullptr);

    data.tempProfile = true;
    uitest::drive([](OvDialog& dlg) { dlg.pressButton(IDCANCEL); });
    StartDlgMacroProfAdv(data, L"Beams", L"Stiffener", false);
    EXPECT_EQ(drawing.findProfile(id), nullptr);
    EXPECT_TRUE(data.profileIds.isEmpty());
}

TEST_F(DetailDialogs2, ProfileOnObjectsOpensNothingForAnEmptyOrMissingList) {
    bool option = true;
    AcArray<AcDbObjectId> none;
    StartDlgMacroProfAdv(&none, option, &recordingCallBack);
    StartDlgMacroProfAdv(nullptr, option, &recordingCallBack);
    EXPECT_TRUE(DialogDriver::opened().isEmpty());
    EXPECT_TRUE(option);
}

TEST_F(DetailDialogs2, ProfileOnObjectsUsesTheCallerCallbackAndReturnsTheOption) {
    gLog = CallLog{};
    gLog.stored.sectionName = L"HEA200";
    gLog.stored.rotation = 0;
    AcArray<AcDbObjectId> ids;
    ids.append(AcDbObjectId(41));
    ids.append(AcDbObjectId(42));
    bool option = true;
    uitest::drive([](OvDialog& dlg) {
        EXPECT_TRUE(dlg.item(CDlgMacroProfAdv::kOption)->isVisibleTo(&dlg));
        EXPECT_EQ(dlg.GetDlgItemText(CDlgMacroProfAdv::kOption), dialString(1497));
        EXPECT_EQ(dlg.GetDlgItemText(CDlgMacroProfAdv::kSection), L"HEA200");
        dlg.checkBox(CDlgMacroProfAdv::kOption)->click();
        dlg.pressButton(CDlgMacroProfAdv::kPick);
        dlg.pressButton(IDOK);
    });
    StartDlgMacroProfAdv(&ids, option, &recordingCallBack);
    EXPECT_FALSE(option);
    EXPECT_EQ(gLog.types, (std::vector<int>{0, 2, 3, 1}));

    // Without the option on entry the check is not offered and the flag stays false.
    option = false;
    uitest::drive([](OvDialog& dlg) {
        EXPECT_FALSE(dlg.item(CDlgMacroProfAdv::kOption)->isVisibleTo(&dlg));
        dlg.pressButton(IDOK);
    });
    StartDlgMacroProfAdv(&ids, option, &recordingCallBack);
    EXPECT_FALSE(option);
}

TEST_F(DetailDialogs2, PatternPicturesActAsOneChoiceAndOkCopiesBack) {
    MacroPatternProps pattern = detailtest::samplePattern();
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(fromQt(dlg.windowTitle()), dialString(1034));
        EXPECT_EQ(dlg.GetDlgItemText(CDlgMacroPattern::kAlternationLabel), dialString(1051));
        EXPECT_EQ(dlg.GetDlgItemText(IDOK), dialString(285));
        auto& pat = static_cast<CDlgMacroPattern&>(dlg);
        EXPECT_EQ(pat.checkedAlternation(), 2);
        dlg.button(CDlgMacroPattern::kFirstAlternation + 4)->click();
        EXPECT_EQ(pat.checkedAlternation(), 5);
        for (int i = 0; i < 4; ++i) {
            EXPECT_FALSE(dlg.button(CDlgMacroPattern::kFirstAlternation + i)->isChecked()) << i;
        }
        EXPECT_EQ(dlg.GetDlgItemText(CDlgMacroPattern::kCount2), L"3");
        dlg.SetDlgItemText(CDlgMacroPattern::kCount1, L"4");
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgMacroPattern(pattern));
    EXPECT_EQ(pattern.alternation, 5);
    EXPECT_EQ(pattern.count1, L"4");
    EXPECT_EQ(pattern.count2, L"3");
    EXPECT_TRUE(pattern.reverseStart2);
}

TEST_F(DetailDialogs2, PatternCancelAndRefusedCountLeaveTheRecord) {
    MacroPatternProps pattern = detailtest::samplePattern();
    MessageRecorder messages;
    uitest::drive([&messages](OvDialog& dlg) {
        dlg.SetDlgItemText(CDlgMacroPattern::kCount1, L"0");
        dlg.pressButton(IDOK);
        EXPECT_EQ(messages.count(), 1);
        EXPECT_TRUE(dlg.isRunning());
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgMacroPattern(pattern));
    EXPECT_EQ(pattern, detailtest::samplePattern());
}

TEST_F(DetailDialogs2, ArrayShowsEmptyChoicesAsTheLastItemsAndOkCopiesBack) {
    DynArrayData array = detailtest::sampleArray();
    AcArray<AcDbObjectId> ids;
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(fromQt(dlg.windowTitle()), dialString(1056) + L" - Stiffeners");
        EXPECT_EQ(dlg.comboBox(CDlgArray::kSide)->currentIndex(), 2);
        EXPECT_EQ(dlg.comboBox(CDlgArray::kStep)->currentIndex(), 1);
        EXPECT_EQ(fromQt(dlg.comboBox(CDlgArray::kStep)->itemText(4)), dialString(695));
        auto* grid = qobject_cast<QTableWidget*>(dlg.item(CDlgArray::kGrid));
        ASSERT_EQ(grid->rowCount(), 2);
        grid->item(1, 2)->setText(QStringLiteral("350"));
        dlg.pressButton(CDlgArray::kAdd);
        EXPECT_EQ(grid->rowCount(), 3);
        dlg.comboBox(CDlgArray::kStep)->setCurrentIndex(4);
        dlg.comboBox(CDlgArray::kSide)->setCurrentIndex(0);
        dlg.checkBox(CDlgArray::kAlternating)->click();
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartArrayDlg(array, ids, L""));
    ASSERT_EQ(array.details.rows.length(), 3);
    EXPECT_EQ(array.details.rows[1][2], L"350");
    EXPECT_EQ(array.details.alternateStep, -1);
    EXPECT_EQ(array.details.alternateSide, 0);
    EXPECT_TRUE(array.details.addAlternating);
    EXPECT_EQ(array.details.skip, 1);
    EXPECT_EQ(array.entries.length(), 3);
}

TEST_F(DetailDialogs2, ArrayCancelLeavesTheRecord) {
    DynArrayData array = detailtest::sampleArray();
    uitest::drive([](OvDialog& dlg) {
        dlg.pressButton(CDlgArray::kAdd);
        qobject_cast<QSpinBox*>(dlg.item(CDlgArray::kSkip))->setValue(4);
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartArrayDlg(array, {}, L"Stiffeners"));
    EXPECT_EQ(array, detailtest::sampleArray());
}

TEST_F(DetailDialogs2, SegmentsEditEachProfileAndOkCopiesBack) {
    MacroProfSegmentedData data = detailtest::sampleSegments();
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(fromQt(dlg.windowTitle()), dialString(1027));
        QComboBox* profiles = dlg.comboBox(CDlgMacroProfSegm::kProfiles);
        ASSERT_EQ(profiles->count(), 2);
        EXPECT_EQ(fromQt(profiles->itemText(1)), dialString(1032) + L" nr.2");
        EXPECT_EQ(dlg.item(CDlgMacroProfSegm::kAdd)->toolTip(), ovui::toQt(dialString(1025)));
        auto* grid = qobject_cast<QTableWidget*>(dlg.item(CDlgMacroProfSegm::kGrid));
        ASSERT_EQ(grid->rowCount(), 2);
        grid->setCurrentCell(1, 0);
        dlg.pressButton(CDlgMacroProfSegm::kAdd);  // continues the section of the row above
        ASSERT_EQ(grid->rowCount(), 3);
        EXPECT_EQ(grid->item(2, 1)->text(), QStringLiteral("IPE240"));
        grid->item(2, 0)->setText(QStringLiteral("500"));
        profiles->setCurrentIndex(1);
        emit profiles->activated(1);
        ASSERT_EQ(grid->rowCount(), 1);
        grid->setCurrentCell(0, 0);
        dlg.pressButton(CDlgMacroProfSegm::kRemove);
        EXPECT_EQ(grid->rowCount(), 0);
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgMacroProfSegm(data));
    ASSERT_EQ(data.profiles[0].segments.length(), 3);
    EXPECT_EQ(data.profiles[0].segments[2].length, L"500");
    EXPECT_TRUE(data.profiles[1].segments.isEmpty());
    EXPECT_EQ(data.current, 1);
}

TEST_F(DetailDialogs2, SegmentsCancelLeavesTheRecord) {
    MacroProfSegmentedData data = detailtest::sampleSegments();
    uitest::drive([](OvDialog& dlg) {
        auto* grid = qobject_cast<QTableWidget*>(dlg.item(CDlgMacroProfSegm::kGrid));
        grid->item(0, 0)->setText(QStringLiteral("1"));
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgMacroProfSegm(data));
    EXPECT_EQ(data, detailtest::sampleSegments());
}

}  // namespace
