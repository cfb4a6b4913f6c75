// DstvPointsDialogTest.cpp - the DSTV points groups dialog and the point editor through
// StartDSTVPointsDlg: the groups and the standard one, new and duplicate groups, editing with
// OK and with Cancel, new points, an unreadable group and deleting a group.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <filesystem>
#include <fstream>

#include "core/FileSystem.h"
#include "core/MessageService.h"
#include "core/Paths.h"
#include "core/Registry.h"
#include "core/TextFile.h"
#include "dialogs/dstv/DlgDstvPoints.h"
#include "ui/QtText.h"
#include "ui/dialogs/LibraryTexts.h"
#include "ui/dialogs/dstv/CDlgEditDstvPoints.h"
#include "ui/dialogs/dstv/CDlgSelectDstvPointsFile.h"
#include "ui/services/UiRecorder.h"

namespace {

namespace fs = std::filesystem;
using Points = Tvx_Array<Tvx_DstvPointInfo>;
using ovui::fromQt;

class DstvPointsDialog : public LibraryTextsTest {
  protected:
    void SetUp() override {
        LibraryTextsTest::SetUp();
        std::error_code ec;
        fs::remove_all(toFileSystemPath(DlgDstvPoints::folder()), ec);
        createFolder(DlgDstvPoints::folder());
        DlgDstvPoints::setStandardDstvPointsFile(L"Plates.dat");
        Tvx_DstvPointInfo hole(L"Bolt hole");
        hole.setDrillFullHole(true, false, 22);
        Tvx_String error;
        ASSERT_TRUE(DlgDstvPoints::writeToFile(DlgDstvPoints::groupPath(L"Plates"),
                                               {Tvx_DstvPointInfo(L"Centre"), hole}, error));
        ASSERT_TRUE(
            DlgDstvPoints::writeToFile(DlgDstvPoints::groupPath(L"Base plates"), {}, error));
    }

    static Tvx_String fileText(const Tvx_String& group) {
        Tvx_String text;
        readTextFile(DlgDstvPoints::groupPath(group), text);
        return text;
    }
    static void select(OvDialog& dlg, const QString& group) {
        auto* list = qobject_cast<QListWidget*>(dlg.item(CDlgSelectDstvPointsFile::kGroups));
        const auto found = list->findItems(group, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        list->setCurrentItem(found.front());
    }
};

TEST_F(DstvPointsDialog, ListsTheGroupsWithTheStandardOneCheckedAndRefusesADuplicateName) {
    MessageRecorder messages;
    ovui::UiRecorder ui;
    ui.answerPrompt(L"plates");  // differs in case only: the same file on Windows
    ui.answerPrompt(L"Gusset plates");
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(fromQt(dlg.windowTitle()), L"DSTV points groups");
        auto* list = qobject_cast<QListWidget*>(dlg.item(CDlgSelectDstvPointsFile::kGroups));
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("Base plates"));
        EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);
        EXPECT_EQ(list->item(1)->checkState(), Qt::Checked);
        EXPECT_FALSE(dlg.IsItemEnabled(CDlgSelectDstvPointsFile::kEdit));  // nothing selected
        EXPECT_EQ(dlg.GetDlgItemText(IDCANCEL), L"Close");
        dlg.pressButton(CDlgSelectDstvPointsFile::kNewGroup);
        EXPECT_EQ(list->count(), 2);
        dlg.pressButton(CDlgSelectDstvPointsFile::kNewGroup);
        EXPECT_EQ(list->count(), 3);
        dlg.pressButton(IDCANCEL);
    });
    StartDSTVPointsDlg();
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, L"DSTV points");
    EXPECT_EQ(messages.last().text, L"A group of this name exists already.\nChoose another name.");
    EXPECT_EQ(ui.prompts()[0].prompt, L"Name of the new group");
    EXPECT_EQ(fileText(L"Gusset plates"), L"ovss dstv points 1\n");
    EXPECT_EQ(listFiles(DlgDstvPoints::folder(), L"*.dat", false).length(), 3);
}

TEST_F(DstvPointsDialog, CancelledEditLeavesTheGroupFileUnchanged) {
    const Tvx_String before = fileText(L"Plates");
    ovui::UiRecorder ui;
    ui.answerPrompt(L"Corner");
    uitest::drive([](OvDialog& dlg) {
        select(dlg, QStringLiteral("Plates"));
        uitest::drive([](OvDialog& editor) {
            EXPECT_EQ(editor.comboBox(CDlgEditDstvPoints::kPointList)->count(), 2);
            editor.SetDlgItemText(CDlgEditDstvPoints::kName, L"Renamed");
            editor.pressButton(CDlgEditDstvPoints::kNewPoint);
            editor.pressButton(CDlgEditDstvPoints::kDeletePoint);
            editor.pressButton(IDCANCEL);
        });
        dlg.pressButton(CDlgSelectDstvPointsFile::kEdit);
        dlg.pressButton(IDCANCEL);
    });
    StartDSTVPointsDlg();
    EXPECT_EQ(fileText(L"Plates"), before);
}

TEST_F(DstvPointsDialog, NewPointsGoWhereThePointShownStoodAndOkWritesTheGroup) {
    ovui::UiRecorder ui;
    ui.answerPrompt(L"First");
    ui.answerPrompt(L"Second");
    uitest::drive([](OvDialog& dlg) {
        select(dlg, QStringLiteral("Base plates"));  // no points: none shown
        uitest::drive([](OvDialog& editor) {
            auto& points = static_cast<CDlgEditDstvPoints&>(editor);
            EXPECT_EQ(points.shownIndex(), -1);
            EXPECT_FALSE(editor.IsItemEnabled(CDlgEditDstvPoints::kName));
            editor.pressButton(CDlgEditDstvPoints::kNewPoint);
            EXPECT_EQ(points.shownIndex(), 0);
            // A new point shows the defaults.
            EXPECT_EQ(editor.IsDlgButtonChecked(CDlgEditDstvPoints::kGeomExtent), BST_CHECKED);
            EXPECT_EQ(editor.comboBox(CDlgEditDstvPoints::kSide2)->currentText(),
                      QStringLiteral("Right side"));
            EXPECT_FALSE(editor.IsItemEnabled(CDlgEditDstvPoints::kIntersStart));
            EXPECT_EQ(editor.GetDlgItemText(CDlgEditDstvPoints::kMinDistance), L"50.000");
            EXPECT_EQ(editor.GetDlgItemText(CDlgEditDstvPoints::kHoleValue), L"16.000");
            editor.SetDlgItemText(CDlgEditDstvPoints::kHoleValue, L"18");
            editor.checkBox(CDlgEditDstvPoints::kInters)->click();  // switches the rule
            EXPECT_EQ(editor.IsDlgButtonChecked(CDlgEditDstvPoints::kGeomExtent), BST_UNCHECKED);
            EXPECT_TRUE(editor.IsItemEnabled(CDlgEditDstvPoints::kIntersStart));
            EXPECT_FALSE(editor.IsItemEnabled(CDlgEditDstvPoints::kSide1));
            editor.pressButton(CDlgEditDstvPoints::kNewPoint);  // at the shown place: first
            EXPECT_EQ(editor.comboBox(CDlgEditDstvPoints::kPointList)->currentText(),
                      QStringLiteral("Second"));
            editor.pressButton(IDOK);
        });
        dlg.pressButton(CDlgSelectDstvPointsFile::kEdit);
        dlg.pressButton(IDCANCEL);
    });
    StartDSTVPointsDlg();
    Points points;
    Tvx_String error;
    ASSERT_TRUE(
        DlgDstvPoints::readFromFile(DlgDstvPoints::groupPath(L"Base plates"), points, error));
    ASSERT_EQ(points.length(), 2);
    EXPECT_EQ(points[0], Tvx_DstvPointInfo(L"Second"));
    EXPECT_EQ(points[1].name(), L"First");
    EXPECT_DOUBLE_EQ(points[1].drillRadius(), 18.0);
    EXPECT_TRUE(points[1].selectIntersGeom());
    EXPECT_FALSE(points[1].selectGeomExtent());
    EXPECT_EQ(ui.prompts()[0].prompt, L"Name of the new point");
}

TEST_F(DstvPointsDialog, MakeStandardChecksTheGroupAndDeletingAsksFirst) {
    MessageRecorder messages;
    messages.answer(IDNO);
    messages.answer(IDYES);
    uitest::drive([](OvDialog& dlg) {
        select(dlg, QStringLiteral("Base plates"));
        dlg.pressButton(CDlgSelectDstvPointsFile::kMakeStandard);
        auto* list = qobject_cast<QListWidget*>(dlg.item(CDlgSelectDstvPointsFile::kGroups));
        EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
        EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);
        select(dlg, QStringLiteral("Plates"));
        dlg.pressButton(CDlgSelectDstvPointsFile::kDeleteGroup);  // answered No
        EXPECT_EQ(list->count(), 2);
        dlg.pressButton(CDlgSelectDstvPointsFile::kDeleteGroup);
        EXPECT_EQ(list->count(), 1);
        dlg.pressButton(IDCANCEL);
    });
    StartDSTVPointsDlg();
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), L"Base plates.dat");
    EXPECT_FALSE(fileExists(DlgDstvPoints::groupPath(L"Plates")));
    EXPECT_EQ(messages.count(), 2);
}

TEST_F(DstvPointsDialog, AnUnreadableGroupIsNotOfferedForEditing) {
    ASSERT_TRUE(writeTextFile(DlgDstvPoints::groupPath(L"Old"), L"P1;0;2\n"));
    MessageRecorder messages;
    uitest::drive([](OvDialog& dlg) {
        select(dlg, QStringLiteral("Old"));
        dlg.pressButton(CDlgSelectDstvPointsFile::kEdit);  // no editor opens
        dlg.pressButton(IDCANCEL);
    });
    StartDSTVPointsDlg();
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.last().text.hasSubString(L"Old.dat\", line 1", true))
        << messages.last().text.toUtf8();
    EXPECT_EQ(fileText(L"Old"), L"P1;0;2\n");
}

TEST_F(DstvPointsDialog, EditorShowsEveryFieldOfThePoint) {
    CDlgEditDstvPoints editor(L"Plates");
    Tvx_DstvPointInfo corner(L"Corner");
    corner.setSelectGeomExtent(true, kDstvSideTop, kDstvSideBottom);
    corner.setPlateSelection(1, 2, 35);
    corner.setDrillFullHole(true, true, 1.5);
    editor.points() = {corner, Tvx_DstvPointInfo(L"Centre")};
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(CDlgEditDstvPoints::kName), L"Corner");
        EXPECT_EQ(dlg.comboBox(CDlgEditDstvPoints::kSide1)->currentText(),
                  QStringLiteral("Top side"));
        EXPECT_EQ(dlg.comboBox(CDlgEditDstvPoints::kView)->currentText(),
                  QStringLiteral("Top view"));
        EXPECT_EQ(dlg.comboBox(CDlgEditDstvPoints::kMark)->currentText(),
                  QStringLiteral("Punch mark"));
        EXPECT_EQ(dlg.GetDlgItemText(CDlgEditDstvPoints::kMinDistance), L"35.000");
        EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgEditDstvPoints::kThicknessBased), BST_CHECKED);
        EXPECT_EQ(dlg.GetDlgItemText(CDlgEditDstvPoints::kHoleValue), L"1.500");
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_EQ(editor.DoModal(), IDCANCEL);
}

}  // namespace
