// Inserting, deleting, appending and moving rows and columns.
#include "SpreadFixture.h"
#include "core/PromptService.h"
#include "core/Texts.h"

using ovgrid::HEADER;

TEST_F(SpreadTest, InsertAndDeleteRows) {
    struct Case {
        const char* name;
        std::function<bool(Tvx_Spread&)> op;
        bool ok;
        Tvx_StringArray expected;
    };
    const std::vector<Case> cases = {
        {"insert first",
         [](Tvx_Spread& s) { return s.insertRowAt(1, false, false); },
         true,
         {L"", L"a", L"b", L"c"}},
        {"insert middle",
         [](Tvx_Spread& s) { return s.insertRowAt(2, false, false); },
         true,
         {L"a", L"", L"b", L"c"}},
        {"insert after last",
         [](Tvx_Spread& s) { return s.insertRowAt(4, false, false); },
         true,
         {L"a", L"b", L"c", L""}},
        {"insert too far",
         [](Tvx_Spread& s) { return s.insertRowAt(5, false, false); },
         false,
         {L"a", L"b", L"c"}},
        {"delete middle", [](Tvx_Spread& s) { return s.deleteRowAt(2); }, true, {L"a", L"c"}},
        {"delete beyond",
         [](Tvx_Spread& s) { return s.deleteRowAt(4); },
         false,
         {L"a", L"b", L"c"}},
        {"move down", [](Tvx_Spread& s) { return s.moveRows(1, 1, 2); }, true, {L"b", L"a", L"c"}},
        {"move up", [](Tvx_Spread& s) { return s.moveRows(3, 3, 2); }, true, {L"a", L"c", L"b"}},
        {"move block to top",
         [](Tvx_Spread& s) { return s.moveRows(2, 3, 1); },
         true,
         {L"b", L"c", L"a"}},
        {"move last down",
         [](Tvx_Spread& s) { return s.moveRows(3, 3, 4); },
         false,
         {L"a", L"b", L"c"}},
    };
    for (const Case& c : cases) {
        fill({{L"a"}, {L"b"}, {L"c"}});
        spread.SSSetBool(Tvx_Spread::kPropChanged, false);
        EXPECT_EQ(c.op(spread), c.ok) << c.name;
        EXPECT_EQ(column(1), c.expected) << c.name;
        EXPECT_EQ(spread.SSGetBool(Tvx_Spread::kPropChanged), c.ok) << c.name;
    }
}

TEST_F(SpreadTest, MovedRowsKeepTheirCaptionsAndBecomeTheSelection) {
    fill({{L"a"}, {L"b"}, {L"c"}});
    spread.SSSetData(HEADER, 1, L"first");
    ASSERT_TRUE(spread.moveRows(1, 1, 3));
    EXPECT_EQ(column(1), (Tvx_StringArray{L"b", L"c", L"a"}));
    EXPECT_EQ(text(HEADER, 3), L"first");
    int c1, r1, c2, r2;
    ASSERT_TRUE(spread.SSGetSelectedBlock(c1, r1, c2, r2));
    EXPECT_EQ(r1, 3);
    EXPECT_EQ(r2, 3);
}

TEST_F(SpreadTest, InsertRowCopiesTheLayoutOfTheRowBelow) {
    fill({{L"a"}, {L"b"}});
    spread.setNumberType(1, 2, 1, 2, 1, false);
    ASSERT_TRUE(spread.insertRowAt(2, false, true));
    EXPECT_EQ(spread.cellTypeCode(1, 2), ovgrid::kTypeNumber);
    EXPECT_EQ(column(1), (Tvx_StringArray{L"a", L"", L"b"}));
    EXPECT_EQ(spread.grid()->font(spread.SSGetFont(HEADER, 2)).weight, 700);
}

TEST_F(SpreadTest, InsertWithPromptWritesTheCaption) {
    fill({{L"a", L"b"}});
    PromptRecorder prompts;
    prompts.answerPrompt(L"Totals");
    ASSERT_TRUE(spread.insertRowAt(1, true, false));
    EXPECT_EQ(text(HEADER, 1), L"Totals");
    ASSERT_EQ(prompts.prompts().size(), 1u);
    EXPECT_EQ(prompts.prompts()[0].title, dialString(171));
    EXPECT_EQ(prompts.prompts()[0].prompt,
              dialString(1150) + L"\n" + dialString(1151) + L" " + dialString(1152) + L":");
    EXPECT_EQ(prompts.prompts()[0].value, L"");
    EXPECT_EQ(prompts.prompts()[0].okText, L"Ok");
    // Not confirmed: the column is inserted without a caption.
    ASSERT_TRUE(spread.insertColAt(2, true, false));
    EXPECT_EQ(spread.getMaxCols(), 3);
    EXPECT_EQ(text(2, HEADER), L"");
    EXPECT_TRUE(prompts.prompts()[1].prompt.endsWith(dialString(1153) + L":", true));
}

TEST_F(SpreadTest, ColumnsInsertAndDelete) {
    fill({{L"a", L"b", L"c"}});
    Tvx_StringArray row;
    ASSERT_TRUE(spread.insertColAt(2, false, false));
    spread.getRowTexts(1, row);
    EXPECT_EQ(row, (Tvx_StringArray{L"a", L"", L"b", L"c"}));
    ASSERT_TRUE(spread.deleteColAt(1));
    spread.getRowTexts(1, row);
    EXPECT_EQ(row, (Tvx_StringArray{L"", L"b", L"c"}));
    EXPECT_FALSE(spread.deleteColAt(4));
    EXPECT_FALSE(spread.insertColAt(5, false, false));
}

TEST_F(SpreadTest, AppendRowReturnsItsIndexAndCopiesOnlyTheLayout) {
    fill({{L"a"}, {L"b"}});
    spread.lockCell(1, 2, true);
    EXPECT_EQ(spread.appendRow(true), 3);
    EXPECT_TRUE(spread.SSGetLock(1, 3));
    EXPECT_EQ(text(1, 3), L"");
    EXPECT_EQ(spread.appendRow(false), 4);
    EXPECT_FALSE(spread.SSGetLock(1, 4));
}
