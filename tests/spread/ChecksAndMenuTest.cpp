// Linked check-box columns, setting all checks, the context menu and the Tab-leave rule.
#include "SpreadFixture.h"
#include "core/Texts.h"

TEST_F(SpreadTest, LinkedCheckColumnLocksTheCellBeside) {
    fill({{L"1", L"x"}, {L"0", L"y"}, {L"maybe", L"z"}});
    spread.lockCell(2, 3, true);
    ASSERT_TRUE(spread.linkCheckBoxColumns(1, 2));
    EXPECT_FALSE(spread.SSGetLock(2, 1));
    EXPECT_TRUE(spread.SSGetLock(2, 2));
    EXPECT_TRUE(spread.SSGetLock(2, 3)) << "neither 1 nor 0: unchanged";
    spread.lockCell(2, 3, false);
    spread.linkCheckBoxColumns(1, 2);
    EXPECT_FALSE(spread.SSGetLock(2, 3)) << "neither 1 nor 0: unchanged";
    EXPECT_FALSE(spread.linkCheckBoxColumns(1, 3));
    EXPECT_FALSE(spread.linkCheckBoxColumns(0, 2));
}

TEST_F(SpreadTest, CheckNotificationReappliesTheRuleAndMovesOn) {
    fill({{L"1", L"x"}, {L"1", L"y"}});
    spread.linkCheckBoxColumns(1, 2);
    spread.setCellText(1, 2, L"0");
    spread.SSSetActiveCell(1, 2);
    EXPECT_FALSE(spread.onGridNotify(12)) << "other codes are not ours";
    EXPECT_FALSE(spread.SSGetLock(2, 2));
    ASSERT_TRUE(spread.onGridNotify(59));
    EXPECT_TRUE(spread.SSGetLock(2, 2));
    int col, row;
    spread.SSGetActiveCell(col, row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);
    EXPECT_FALSE(spread.onGridNotify(60)) << "active cell no longer in the check column";
}

TEST_F(SpreadTest, SetAllChecksWritesOnlyCheckBoxCellsOfTheSelection) {
    struct Case {
        const char* name;
        int col1, row1, col2, row2;
        std::vector<const wchar_t*> expected;  // column 1 rows 1..3, then column 2 row 1
    };
    const std::vector<Case> cases = {
        {"block", 1, 1, 2, 2, {L"1", L"1", L"0", L"t"}},
        {"negative end", 1, 2, -1, -1, {L"0", L"1", L"1", L"t"}},
        {"negative start", -1, -1, 1, 1, {L"1", L"0", L"0", L"t"}},
    };
    for (const Case& c : cases) {
        fill({{L"0", L"t"}, {L"0", L"u"}, {L"0", L"v"}});
        spread.setCheckBoxType(1, false, false);
        ASSERT_TRUE(spread.SSSetSelectedBlock(c.col1, c.row1, c.col2, c.row2)) << c.name;
        ASSERT_TRUE(spread.setAllChecks(true)) << c.name;
        EXPECT_EQ(text(1, 1), c.expected[0]) << c.name;
        EXPECT_EQ(text(1, 2), c.expected[1]) << c.name;
        EXPECT_EQ(text(1, 3), c.expected[2]) << c.name;
        EXPECT_EQ(text(2, 1), c.expected[3]) << c.name;
        spread.grid()->clearSelection();
    }
    spread.SSSetActiveCell(1, 3);
    ASSERT_TRUE(spread.setAllChecks(false));
    EXPECT_EQ(text(1, 3), L"0") << "no block: the active cell";
}

TEST_F(SpreadTest, ContextMenuCodesTextsAndCommands) {
    fill({{L"a", L"b"}, {L"c", L"d"}});
    ASSERT_TRUE(spread.setContextMenuItems({4, 1, 5, 99, 2, 8}));
    const auto& menu = spread.contextMenu();
    ASSERT_EQ(menu.length(), 5);
    struct Row {
        int code;
        Tvx_String text;
        int id;
    };
    const std::vector<Row> expected = {{4, dialString(774), 32811},
                                       {1, L"", 0},
                                       {5, dialString(775), 32812},
                                       {2, dialString(1154), 32816},
                                       {8, dialString(1400), 32817}};
    for (int i = 0; i < menu.length(); ++i) {
        EXPECT_EQ(menu[i].code, expected[static_cast<std::size_t>(i)].code) << i;
        EXPECT_EQ(menu[i].text, expected[static_cast<std::size_t>(i)].text) << i;
        EXPECT_EQ(menu[i].commandId, expected[static_cast<std::size_t>(i)].id) << i;
    }
    spread.SSSetActiveCell(1, 2);
    ASSERT_TRUE(spread.onCommand(32812)) << "second item after the separator: delete row";
    EXPECT_EQ(spread.getMaxRows(), 1);
    EXPECT_EQ(text(1, 1), L"a");
    ASSERT_TRUE(spread.runContextMenuItem(0)) << "insert row at the active row";
    EXPECT_EQ(spread.getMaxRows(), 2);
    EXPECT_FALSE(spread.onCommand(12345));
    EXPECT_FALSE(spread.runContextMenuItem(4));
    spread.setContextMenuItems({});
    EXPECT_FALSE(spread.hasContextMenu());
}

TEST_F(SpreadTest, TabLeavesOnlyFromTheFirstOrLastFreeCell) {
    fill({{L"", L"", L""}, {L"", L"", L""}});
    spread.lockCell(1, 1, true);
    spread.lockCell(3, 2, true);
    struct Case {
        const char* name;
        int col, row;
        bool shift, visible;
        const wchar_t* focusClass;
        int expected;
    };
    const std::vector<Case> cases = {
        {"first free, shift", 2, 1, true, true, L"SPR32DU80", 3},
        {"first free, no shift", 2, 1, false, true, L"SPR32DU80", 0},
        {"last free", 2, 2, false, true, L"fpSpread70", 2},
        {"last free, shift", 2, 2, true, true, L"fpSpread70", 0},
        {"middle", 3, 1, false, true, L"SPR32DU80", 0},
        {"hidden", 2, 2, false, false, L"SPR32DU80", 0},
        {"other window", 2, 2, false, true, L"Edit", 0},
    };
    for (const Case& c : cases) {
        spread.SSSetActiveCell(c.col, c.row);
        EXPECT_EQ(spread.keyboardLeave(c.shift, c.visible, c.focusClass), c.expected) << c.name;
    }
    ASSERT_TRUE(spread.focusLastFreeCell());
    int col, row;
    spread.SSGetActiveCell(col, row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);
    // A cell inside a span whose anchor is locked is not free.
    spread.SSAddCellSpan(1, 1, 2, 1);
    ASSERT_TRUE(spread.focusFirstFreeCell());
    spread.SSGetActiveCell(col, row);
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, 1);
}

TEST_F(SpreadTest, F8TogglesDesignMode) {
    spread.setDefaultLook(false);
    EXPECT_TRUE(spread.preTranslateKeyDown(0x77));
    EXPECT_TRUE(spread.SSGetBool(13));
    EXPECT_FALSE(spread.preTranslateKeyDown(0x41));
}

namespace {

class ScriptedFindDialog : public OvFindDialog {
  public:
    explicit ScriptedFindDialog(int& shows) : shows_(shows) {}
    void show() override { ++shows_; }
    Tvx_String findWhat() const override { return L"cat"; }
    Tvx_String replaceWith() const override { return L"dog"; }
    bool matchSubstring() const override { return true; }

  private:
    int& shows_;
};

class ScriptedFindDialogFactory : public OvFindDialogFactory {
  public:
    explicit ScriptedFindDialogFactory(int& shows) : shows_(shows) {}
    std::unique_ptr<OvFindDialog> create(Tvx_Spread&) override {
        return std::make_unique<ScriptedFindDialog>(shows_);
    }

  private:
    int& shows_;
};

}  // namespace

TEST_F(SpreadTest, F3FirstOpensTheFindDialogThenFindsAndF5Replaces) {
    fill({{L"x", L"cat"}});
    int shows = 0;
    ScriptedFindDialogFactory factory(shows);
    ovbase::ScopedService<OvFindDialogFactory> installed(findDialogFactory(), &factory);
    spread.SSSetActiveCell(1, 1);
    EXPECT_TRUE(spread.preTranslateKeyDown(0x72));
    EXPECT_EQ(shows, 1);
    int col, row;
    spread.SSGetActiveCell(col, row);
    EXPECT_EQ(col, 1) << "the first press only opens the dialog";
    EXPECT_TRUE(spread.preTranslateKeyDown(0x72));
    spread.SSGetActiveCell(col, row);
    EXPECT_EQ(col, 2);
    spread.SSSetEditSel(0, 0);
    EXPECT_TRUE(spread.preTranslateKeyDown(0x74));
    EXPECT_EQ(text(2, 1), L"dog");
    EXPECT_EQ(shows, 1);
}
