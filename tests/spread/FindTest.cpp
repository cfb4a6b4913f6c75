// Find, find-next with the restart question, and replacing.
#include "SpreadFixture.h"
#include "core/MessageService.h"
#include "core/Texts.h"

TEST_F(SpreadTest, FindTextSearchesFromTheStartCellInReadingOrder) {
    fill({{L"apple", L"Pear"}, {L"pineapple", L"pear"}});
    struct Case {
        const wchar_t* text;
        bool substring;
        int startCol, startRow;
        bool found;
        int col, row;
    };
    const std::vector<Case> cases = {
        {L"pear", false, 1, 1, true, 2, 1},   {L"pear", false, 3, 1, true, 2, 2},
        {L"APPLE", false, 2, 1, false, 0, 0}, {L"APPLE", true, 2, 1, true, 1, 2},
        {L"apple", true, 0, 0, true, 1, 1},   {L"kiwi", true, 1, 1, false, 0, 0},
        {L"", true, 1, 1, false, 0, 0},
    };
    for (const Case& c : cases) {
        int col = -1, row = -1;
        EXPECT_EQ(spread.findText(c.text, c.substring, c.startCol, c.startRow, col, row), c.found)
            << Tvx_String(c.text);
        EXPECT_EQ(col, c.col) << Tvx_String(c.text);
        EXPECT_EQ(row, c.row) << Tvx_String(c.text);
    }
}

TEST_F(SpreadTest, FindNextWalksHitsAndSelectsTheMatchedCharacters) {
    fill({{L"a cat cat", L"dog"}, {L"cat", L""}});
    spread.SSSetActiveCell(1, 1);
    std::vector<std::tuple<int, int, int, int>> hits;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(spread.findNext(L"cat", true, false));
        int col, row, start, end;
        spread.SSGetActiveCell(col, row);
        spread.SSGetEditSel(start, end);
        hits.emplace_back(col, row, start, end);
    }
    EXPECT_EQ(hits, (std::vector<std::tuple<int, int, int, int>>{
                        {1, 1, 2, 5}, {1, 1, 6, 9}, {1, 2, 0, 3}}));
    EXPECT_TRUE(spread.SSIsEditModeOn());
    MessageRecorder messages;
    EXPECT_FALSE(spread.findNext(L"cat", true, false));
    EXPECT_EQ(messages.count(), 0) << "no question without asking";
}

TEST_F(SpreadTest, FindNextOffersToRestartFromTheTop) {
    fill({{L"cat", L""}, {L"", L""}});
    spread.SSSetActiveCell(2, 2);
    {
        MessageRecorder messages;
        messages.answer(IDYES);
        ASSERT_TRUE(spread.findNext(L"cat", true, true));
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().text, dialString(1142) + L"\n" + dialString(1143));
        EXPECT_EQ(messages.last().caption, dialString(1144));
        EXPECT_EQ(messages.last().type & 0xF, MB_YESNO);
        int col, row;
        spread.SSGetActiveCell(col, row);
        EXPECT_EQ(col, 1);
        EXPECT_EQ(row, 1);
    }
    {
        MessageRecorder messages;
        messages.answer(IDNO);
        EXPECT_FALSE(spread.findNext(L"dog", true, true));
        EXPECT_EQ(messages.count(), 1);
    }
    {
        MessageRecorder messages;
        messages.answer(IDYES);
        EXPECT_FALSE(spread.findNext(L"dog", true, true));
        ASSERT_EQ(messages.count(), 2);
        EXPECT_EQ(messages.last().text, dialString(1146));
        EXPECT_EQ(messages.last().caption, dialString(1145));
    }
}

TEST_F(SpreadTest, FindAndReplaceReplacesTheHitAndMovesOn) {
    fill({{L"one cat", L"cat"}});
    spread.SSSetActiveCell(1, 1);
    ASSERT_TRUE(spread.findAndReplace(L"cat", L"big cat", true, false));
    EXPECT_EQ(text(1, 1), L"one big cat");
    int start, end;
    spread.SSGetEditSel(start, end);
    EXPECT_EQ(start, 11);
    EXPECT_EQ(end, 11);
    ASSERT_TRUE(spread.findAndReplace(L"cat", L"big cat", true, false));
    EXPECT_EQ(text(2, 1), L"big cat") << "the inserted text is not found again";
    EXPECT_TRUE(spread.SSGetBool(Tvx_Spread::kPropChanged));
}

TEST_F(SpreadTest, ReplaceAllTerminatesWhenTheReplacementHoldsTheText) {
    struct Case {
        const wchar_t* find;
        const wchar_t* replacement;
        bool substring;
        int changed;
        Tvx_StringArray expected;
    };
    const std::vector<Case> cases = {
        {L"a", L"aa", true, 2, {L"aabaa", L"aa", L"c"}},
        {L"A", L"xa", true, 2, {L"xabxa", L"xa", L"c"}},
        {L"a", L"z", false, 1, {L"aba", L"z", L"c"}},
        {L"", L"z", true, 0, {L"aba", L"a", L"c"}},
    };
    for (const Case& c : cases) {
        fill({{L"aba"}, {L"a"}, {L"c"}});
        EXPECT_EQ(spread.replaceAll(c.find, c.replacement, c.substring), c.changed)
            << Tvx_String(c.find);
        EXPECT_EQ(column(1), c.expected) << Tvx_String(c.find);
    }
}
