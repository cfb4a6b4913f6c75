// CDlgFindReplaceTest.cpp - the find and replace dialog as a grid's F3 and F5 open it: its texts,
// find next, replace all (also with a replacement that contains the searched text) and closing.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "core/MessageService.h"
#include "ui/QtText.h"
#include "ui/UiTestSupport.h"
#include "ui/grid/CDlgFindReplace.h"
#include "ui/grid/GridViewFixture.h"
#include "ui/spread/SpreadDialogSupport.h"

namespace {

using spreadtest::cellText;

class FindReplaceDialog : public GridViewTest {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        spreadtest::useShippedTexts({285, 1136, 1137, 1138, 1139, 1140, 1141, 1142, 1143, 1144,
                                     1145, 1146, 1147, 1148, 1149});
        spread.setMaxCols(3);
        spread.setMaxRows(3);
        spread.setCellText(1, 1, L"ab");
        spread.setCellText(3, 1, L"xab ab");
        spread.setCellText(2, 2, L"nothing");
        spread.setCellText(1, 3, L"AB");
    }

    CDlgFindReplaceFactory factory_;
    ovbase::ScopedService<OvFindDialogFactory> installed_{findDialogFactory(), &factory_};

    CDlgFindReplace* openWithKey(Qt::Key key) {
        pressKey(key);
        return dynamic_cast<CDlgFindReplace*>(spread.getFindDialog());
    }
    static void fill(CDlgFindReplace& dlg, const char* find, const char* replace) {
        dlg.lineEdit(CDlgFindReplace::kFindText)->setText(QString::fromUtf8(find));
        dlg.lineEdit(CDlgFindReplace::kReplaceText)->setText(QString::fromUtf8(replace));
    }
};

TEST_F(FindReplaceDialog, FirstF3OrF5OpensTheDialogOnTopWithItsTexts) {
    for (Qt::Key key : {Qt::Key_F3, Qt::Key_F5}) {
        spread.SSSetBool(Tvx_Spread::kPropDesignMode, false);
        CDlgFindReplace* dlg = openWithKey(key);
        ASSERT_NE(dlg, nullptr);
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_TRUE(dlg->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(ovui::fromQt(dlg->windowTitle()), L"Find and Replace");
        EXPECT_EQ(dlg->GetDlgItemText(CDlgFindReplace::kFindLabel), L"Find what:");
        EXPECT_EQ(dlg->GetDlgItemText(CDlgFindReplace::kReplaceLabel), L"Replace with:");
        EXPECT_EQ(dlg->GetDlgItemText(IDOK), L"Find Next");
        EXPECT_EQ(dlg->GetDlgItemText(CDlgFindReplace::kReplace), L"Replace");
        EXPECT_EQ(dlg->GetDlgItemText(CDlgFindReplace::kReplaceAll), L"Replace All");
        EXPECT_EQ(dlg->GetDlgItemText(IDCANCEL), L"Close");
        EXPECT_TRUE(spread.SSGetBool(Tvx_Spread::kPropDesignMode));
        uitest::saveScreenshot(*dlg);
        // Closing hides it and puts design mode back; the next key shows it again.
        dlg->pressButton(IDCANCEL);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_FALSE(spread.SSGetBool(Tvx_Spread::kPropDesignMode));
        EXPECT_EQ(openWithKey(key), dlg);
        EXPECT_TRUE(dlg->isVisible());
        dlg->pressButton(IDCANCEL);
    }
}

TEST_F(FindReplaceDialog, DesignModeThatWasOnStaysOnAfterClosing) {
    spread.SSSetBool(Tvx_Spread::kPropDesignMode, true);
    CDlgFindReplace* dlg = openWithKey(Qt::Key_F3);
    ASSERT_NE(dlg, nullptr);
    dlg->close();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(spread.SSGetBool(Tvx_Spread::kPropDesignMode));
}

TEST_F(FindReplaceDialog, FindNextWalksTheHitsAndF3WorksInTheDialogToo) {
    CDlgFindReplace* dlg = openWithKey(Qt::Key_F3);
    ASSERT_NE(dlg, nullptr);
    fill(*dlg, "ab", "");
    int col = 0, row = 0;
    struct Hit {
        int col, row;
    };
    for (const Hit& hit : {Hit{1, 1}, Hit{3, 1}, Hit{3, 1}, Hit{1, 3}}) {
        EXPECT_TRUE(dlg->pressButton(IDOK));
        ASSERT_TRUE(spread.SSGetActiveCell(col, row));
        EXPECT_EQ(col, hit.col);
        EXPECT_EQ(row, hit.row);
    }
    // At the end the dialog offers to start again from the top; "yes" finds the first hit.
    MessageRecorder messages;
    messages.answer(IDYES);
    QKeyEvent f3(QEvent::KeyPress, Qt::Key_F3, Qt::NoModifier);
    QApplication::sendEvent(dlg, &f3);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, L"Find");
    ASSERT_TRUE(spread.SSGetActiveCell(col, row));
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 1);
}

struct ReplaceAllCase {
    const char* find;
    const char* replace;
    int changed;
    const wchar_t* a1;
    const wchar_t* c1;
    const wchar_t* a3;
};

TEST_F(FindReplaceDialog, ReplaceAllChangesEachCellOnceAndEnds) {
    const ReplaceAllCase cases[] = {
        {"ab", "abab", 3, L"abab", L"xabab abab", L"abab"},  // replacement holds the find text
        {"b", "", 3, L"a", L"xa a", L"A"},
        {"zz", "y", 0, L"ab", L"xab ab", L"AB"},
        {"", "y", 0, L"ab", L"xab ab", L"AB"},
    };
    for (const ReplaceAllCase& c : cases) {
        SetUp();
        CDlgFindReplace* dlg = openWithKey(Qt::Key_F5);
        ASSERT_NE(dlg, nullptr);
        fill(*dlg, c.find, c.replace);
        spread.SSSetBool(Tvx_Spread::kPropChanged, false);
        MessageRecorder messages;
        EXPECT_TRUE(dlg->pressButton(CDlgFindReplace::kReplaceAll));
        ASSERT_EQ(messages.count(), 1) << c.find;
        EXPECT_EQ(messages.last().text,
                  L"The text was replaced in " + Tvx_String::fromInt(c.changed) + L" cell(s).");
        EXPECT_EQ(messages.last().caption, L"Replace All");
        EXPECT_EQ(cellText(spread, 1, 1), c.a1) << c.find;
        EXPECT_EQ(cellText(spread, 3, 1), c.c1) << c.find;
        EXPECT_EQ(cellText(spread, 1, 3), c.a3) << c.find;
        EXPECT_EQ(cellText(spread, 2, 2), L"nothing");
        EXPECT_TRUE(spread.SSGetBool(Tvx_Spread::kPropChanged));
        dlg->pressButton(IDCANCEL);
    }
}

TEST_F(FindReplaceDialog, ReplaceChangesTheHitAndF5InTheDialogDoesTheSame) {
    CDlgFindReplace* dlg = openWithKey(Qt::Key_F5);
    ASSERT_NE(dlg, nullptr);
    fill(*dlg, "ab", "Q");
    EXPECT_TRUE(dlg->pressButton(CDlgFindReplace::kReplace));
    EXPECT_EQ(cellText(spread, 1, 1), L"Q");
    QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    QApplication::sendEvent(dlg, &f5);
    EXPECT_EQ(cellText(spread, 3, 1), L"xQ ab");
}

}  // namespace
