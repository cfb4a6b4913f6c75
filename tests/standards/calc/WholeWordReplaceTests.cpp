// WholeWordReplaceTests.cpp - the whole-word replacement rule (quoting, word bounds, no
// rescanning of inserted values) and reading the arguments of "CallChild".
#include <gtest/gtest.h>

#include "standards/calc/CallChildCall.h"
#include "standards/calc/WholeWordReplace.h"

namespace {

struct ReplaceCase {
    const wchar_t* text;
    const wchar_t* name;
    const wchar_t* value;
    bool quote;
    const wchar_t* expected;
    bool replaced;
};

class ReplaceTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTest, ReplacesWholeWordsOnly) {
    const ReplaceCase& c = GetParam();
    Tvx_String text = c.text;
    EXPECT_EQ(replaceWholeWord(text, c.name, c.value, c.quote), c.replaced);
    EXPECT_EQ(text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, ReplaceTest,
    ::testing::Values(
        ReplaceCase{L"gen_Gap + 5", L"gen_Gap", L"10", true, L"10 + 5", true},
        ReplaceCase{L"gen_Name & 1", L"gen_Name", L"S235", true, L"\"S235\" & 1", true},
        ReplaceCase{L"gen_Name & 1", L"gen_Name", L"S235", false, L"S235 & 1", true},
        ReplaceCase{L"MaxWidth + Width", L"Width", L"A5", false, L"MaxWidth + A5", true},
        ReplaceCase{L"Width_2 + 2Width + Width2", L"Width", L"A5", false,
                    L"Width_2 + 2Width + Width2", false},
        ReplaceCase{L"Width*Width", L"Width", L"A5", false, L"A5*A5", true},
        ReplaceCase{L"(Width)", L"Width", L"Width Width", false, L"(Width Width)", true},
        ReplaceCase{L"Plate.Width+1", L"Plate.Width", L"B2", false, L"B2+1", true},
        ReplaceCase{L"width", L"Width", L"A5", false, L"width", false},
        ReplaceCase{L"", L"Width", L"A5", false, L"", false},
        ReplaceCase{L"x", L"", L"A5", false, L"x", false}));

TEST(ReplaceListTest, UsesTheShorterListAndReportsAnyReplacement) {
    Tvx_String text = L"a + b + c";
    EXPECT_TRUE(replaceWholeWords(text, {L"a", L"b", L"c"}, {L"1", L"2"}, false));
    EXPECT_EQ(text, L"1 + 2 + c");
    EXPECT_FALSE(replaceWholeWords(text, {L"z"}, {L"1"}, false));
}

// The one-pass replacement must give what the name-by-name one gives, including a value that a
// later name matches ("x" becomes "B2", which the later name "B2" turns into "C3") but never
// one that comes earlier ("C3" stands before "B2", so the "C3" put in stays).
TEST(ReplaceByLookupTest, MatchesTheNameByNameReplacement) {
    const Tvx_StringArray names = {L"C3", L"x", L"Width", L"", L"B2", L"w_2", L"Len"};
    const Tvx_StringArray values = {L"D4", L"B2", L"A5", L"Z9", L"C3", L"E1", L"F7"};
    std::unordered_map<std::wstring, int> index;
    std::vector<std::wstring> byPosition;
    for (int i = 0; i < names.length(); ++i) {
        if (!names[i].isEmpty()) {
            index.emplace(names[i].wstr(), i);
        }
        byPosition.push_back(values[i].wstr());
    }
    for (const wchar_t* text :
         {L"", L"x", L"x+x*(x)", L"MaxWidth + Width*width", L"w_2+w_22+2w_2", L"ROUND(Len, 2)",
          L"\"Len\" & x", L"C3 + B2", L"Längd + Len", L"  x  ", L"x.Width", L"B2x"}) {
        Tvx_String expected = text;
        replaceWholeWords(expected, names, values, false);
        EXPECT_EQ(replaceWholeWordsByLookup(text, index, byPosition), expected) << text;
    }
}

TEST(CallChildParseTest, ReadsTheChildAndTheVariables) {
    CallChildArgs args;
    Tvx_String reason;
    ASSERT_TRUE(parseCallChild(L"CallChild( \"Childs\\Bolt.ovs\" , A,B )", args, reason));
    EXPECT_EQ(args.childName, L"Childs\\Bolt.ovs");
    ASSERT_EQ(args.variableNames.length(), 2);
    EXPECT_EQ(args.variableNames[0], L"A");
    EXPECT_EQ(args.variableNames[1], L"B");
}

TEST(CallChildParseTest, RefusesMissingParenthesesAndTooFewArguments) {
    CallChildArgs args;
    Tvx_String reason;
    for (const wchar_t* bad : {L"CallChild", L"CallChild(\"a.ovs\", A", L"CallChild \"a\", A)",
                               L"CallChild(\"a.ovs\")"}) {
        reason.empty();
        EXPECT_FALSE(parseCallChild(bad, args, reason)) << Tvx_String(bad);
        EXPECT_FALSE(reason.isEmpty());
    }
}

}  // namespace
