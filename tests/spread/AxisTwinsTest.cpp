// Row commands and their column twins: one sheet and its transposed copy, a row command on the
// one and the matching column command on the other, must leave two transposed copies again.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/PromptService.h"
#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"

using ovgrid::HEADER;

namespace {

// What a command on one axis means, given as the row command and its column twin.
struct Twin {
    const char* name;
    std::function<bool(Tvx_Spread&)> onRows;
    std::function<bool(Tvx_Spread&)> onCols;
};

class AxisTwinsTest : public ::testing::Test {
  protected:
    AxisTwinsTest() : host({0, 0, 900, 700}) {
        host.addControl(1, {10, 30, 410, 330});
        host.addControl(2, {10, 330, 410, 630});
        EXPECT_TRUE(rows.create(&host, 1, true));
        EXPECT_TRUE(cols.create(&host, 2, true));
    }

    // Writes the sample, on an emptied grid, as lines of `s`: its rows when `transposed` is
    // false, else its columns.
    // Three lines of two cells; line 2 holds one-decimal numbers, a locked cell and a tag; every
    // line has a caption and a size of its own.
    static void fill(Tvx_Spread& s, bool transposed) {
        s.SSReset();
        auto at = [&](int line, int along) {
            return transposed ? std::pair{line, along} : std::pair{along, line};
        };
        if (transposed) {
            s.setMaxRows(2);
            s.setMaxCols(3);
        } else {
            s.setMaxCols(2);
            s.setMaxRows(3);
        }
        const wchar_t* texts[3][2] = {{L"a", L"b"}, {L"1", L"2"}, {L"e", L"f"}};
        for (int line = 1; line <= 3; ++line) {
            const auto [cc, cr] = at(line, HEADER);
            s.SSSetData(cc, cr, L"line " + std::to_wstring(line));
            for (int along = 1; along <= 2; ++along) {
                const auto [c, r] = at(line, along);
                s.setCellText(c, r, texts[line - 1][along - 1]);
            }
            if (transposed) {
                s.SSSetColWidthInPixels(line, 30 + 10 * line);
            } else {
                s.SSSetRowHeightInPixels(line, 30 + 10 * line);
            }
        }
        const auto [n1c, n1r] = at(2, 1);
        const auto [n2c, n2r] = at(2, 2);
        s.setNumberType(n1c, n1r, n2c, n2r, 1, false);
        s.lockCell(n2c, n2r, true);
        s.SSSetCellTag(n1c, n1r, L"tagged");
    }

    // Everything the commands touch, line by line along the given axis.
    static std::wstring describe(const Tvx_Spread& s, bool transposed) {
        const int lines = transposed ? s.getMaxCols() : s.getMaxRows();
        const int across = transposed ? s.getMaxRows() : s.getMaxCols();
        std::wstring out = std::to_wstring(lines) + L" lines of " + std::to_wstring(across);
        for (int line = 0; line <= lines; ++line) {
            const int l = line == 0 ? HEADER : line;
            out += L"\n" + std::to_wstring(line) + L":";
            for (int along = 0; along <= across; ++along) {
                const int a = along == 0 ? HEADER : along;
                const int c = transposed ? l : a;
                const int r = transposed ? a : l;
                Tvx_String data, tag;
                s.getCellText(c, r, data, Tvx_Spread::kReadData);
                s.getCellText(c, r, tag, Tvx_Spread::kReadTag);
                out += L" [" + data.wstr() + L"|" + tag.wstr() + L"|" +
                       std::to_wstring(s.cellTypeCode(c, r)) + (s.SSGetLock(c, r) ? L"L" : L"") +
                       L"|w" + std::to_wstring(s.grid()->font(s.SSGetFont(c, r)).weight) + L"]";
            }
            if (line > 0) {
                int pixels = 0;
                if (transposed) {
                    s.SSGetColWidthInPixels(line, pixels);
                } else {
                    s.SSGetRowHeightInPixels(line, pixels);
                }
                // Sizes nobody set differ between the axes; only those of the sample count.
                out += pixels >= 40 && pixels <= 60 ? L" size " + std::to_wstring(pixels) : L"";
            }
        }
        return out;
    }

    HeadlessGridHost host;
    Tvx_Spread rows;
    Tvx_Spread cols;
};

}  // namespace

TEST_F(AxisTwinsTest, RowCommandsAndTheirColumnTwinsMirrorEachOther) {
    const std::vector<Twin> twins = {
        {"insert at 2", [](Tvx_Spread& s) { return s.insertRowAt(2, false, false); },
         [](Tvx_Spread& s) { return s.insertColAt(2, false, false); }},
        {"insert at 2 with the layout of the next",
         [](Tvx_Spread& s) { return s.insertRowAt(2, false, true); },
         [](Tvx_Spread& s) { return s.insertColAt(2, false, true); }},
        {"insert after the last", [](Tvx_Spread& s) { return s.insertRowAt(4, false, true); },
         [](Tvx_Spread& s) { return s.insertColAt(4, false, true); }},
        {"insert too far", [](Tvx_Spread& s) { return s.insertRowAt(5, false, false); },
         [](Tvx_Spread& s) { return s.insertColAt(5, false, false); }},
        {"delete 2", [](Tvx_Spread& s) { return s.deleteRowAt(2); },
         [](Tvx_Spread& s) { return s.deleteColAt(2); }},
        {"delete beyond", [](Tvx_Spread& s) { return s.deleteRowAt(4); },
         [](Tvx_Spread& s) { return s.deleteColAt(4); }},
        {"grow copying the last", [](Tvx_Spread& s) { return s.setMaxRows(5, true); },
         [](Tvx_Spread& s) { return s.setMaxCols(5, true); }},
        {"grow plain", [](Tvx_Spread& s) { return s.setMaxRows(4, false); },
         [](Tvx_Spread& s) { return s.setMaxCols(4, false); }},
        {"shrink", [](Tvx_Spread& s) { return s.setMaxRows(2); },
         [](Tvx_Spread& s) { return s.setMaxCols(2); }},
        {"write texts, more than fit",
         [](Tvx_Spread& s) {
             return s.setRowTexts(3, {L"x", L"y", L"z"});
         },
         [](Tvx_Spread& s) {
             return s.setColTexts(3, {L"x", L"y", L"z"});
         }},
        {"write values into number cells",
         [](Tvx_Spread& s) { return s.setRowTexts(2, {L"7"}, true); },
         [](Tvx_Spread& s) { return s.setColTexts(2, {L"7"}, true); }},
        {"write beyond", [](Tvx_Spread& s) { return s.setRowTexts(4, {L"x"}); },
         [](Tvx_Spread& s) { return s.setColTexts(4, {L"x"}); }},
    };
    for (const Twin& twin : twins) {
        fill(rows, false);
        fill(cols, true);
        ASSERT_EQ(describe(rows, false), describe(cols, true)) << "sample, before " << twin.name;
        EXPECT_EQ(twin.onRows(rows), twin.onCols(cols)) << twin.name;
        EXPECT_EQ(describe(rows, false), describe(cols, true)) << twin.name;
    }

    // A few results spelled out, so that the pair cannot be wrong the same way.
    fill(rows, false);
    ASSERT_TRUE(rows.insertRowAt(2, false, true));
    EXPECT_EQ(rows.getMaxRows(), 4);
    EXPECT_EQ(rows.cellTypeCode(1, 2), ovgrid::kTypeNumber) << "the layout of the row below";
    EXPECT_TRUE(rows.SSGetLock(2, 2));
    Tvx_String text;
    rows.getCellText(1, 2, text);
    EXPECT_EQ(text, L"") << "but not its contents";
    rows.getCellText(1, 2, text, Tvx_Spread::kReadTag);
    EXPECT_EQ(text, L"");
    int pixels = 0;
    rows.SSGetRowHeightInPixels(2, pixels);
    EXPECT_EQ(pixels, 50);
    EXPECT_EQ(rows.grid()->font(rows.SSGetFont(HEADER, 2)).weight, 700);
    rows.getCellText(1, 3, text);
    EXPECT_EQ(text, L"1");
}

TEST_F(AxisTwinsTest, ReadingALineAndItsTwinGiveTheSameTexts) {
    fill(rows, false);
    fill(cols, true);
    for (int line : {1, 2, 3, HEADER, 4}) {
        Tvx_StringArray fromRow, fromCol;
        EXPECT_EQ(rows.getRowTexts(line, fromRow), cols.getColTexts(line, fromCol)) << line;
        EXPECT_EQ(fromRow, fromCol) << line;
    }
    Tvx_StringArray second;
    ASSERT_TRUE(cols.getColTexts(2, second));
    EXPECT_EQ(second, (Tvx_StringArray{L"1", L"2"}));
}

TEST_F(AxisTwinsTest, PromptedCaptionsLandOnTheNewLinesHeader) {
    fill(rows, false);
    fill(cols, true);
    PromptRecorder prompts;
    prompts.answerPrompt(L"New");
    prompts.answerPrompt(L"New");
    ASSERT_TRUE(rows.insertRowAt(3, true, false));
    ASSERT_TRUE(cols.insertColAt(3, true, false));
    EXPECT_EQ(describe(rows, false), describe(cols, true));
    Tvx_String caption;
    cols.getCellText(3, HEADER, caption);
    EXPECT_EQ(caption, L"New");
}
