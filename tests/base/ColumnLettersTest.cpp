// ColumnLettersTest.cpp - column letters of A1 references in both directions.
#include <gtest/gtest.h>

#include <climits>

#include "base/ColumnLetters.h"

namespace {

TEST(ColumnLetters, NumbersAndLettersConvertBothWays) {
    const std::pair<int, const wchar_t*> cases[] = {
        {1, L"A"},
        {2, L"B"},
        {26, L"Z"},
        {27, L"AA"},
        {52, L"AZ"},
        {53, L"BA"},
        {702, L"ZZ"},
        {703, L"AAA"},
        {16384, L"XFD"},
        {18278, L"ZZZ"},
        {INT_MAX, L"FXSHRXW"},
    };
    for (const auto& [column, letters] : cases) {
        EXPECT_EQ(ovbase::columnLetters(column), letters) << column;
        EXPECT_EQ(ovbase::columnNumber(letters), column) << column;
    }
}

TEST(ColumnLetters, NoLettersBelowTheFirstColumn) {
    EXPECT_EQ(ovbase::columnLetters(0), L"");
    EXPECT_EQ(ovbase::columnLetters(-4), L"");
    EXPECT_EQ(ovbase::columnLetters(INT_MIN), L"");
}

TEST(ColumnLetters, ReadingIgnoresCaseAndRefusesAnythingElse) {
    const std::pair<const wchar_t*, int> cases[] = {
        {L"a", 1},
        {L"aA", 27},
        {L"xfd", 16384},
        {L"", 0},
        {L"A1", 0},
        {L"$A", 0},
        {L"Ä", 0},
        {L"A B", 0},
        {L"FXSHRXX", 0},  // one past the int range
        {L"ZZZZZZZZZZZZ", 0},
    };
    for (const auto& [letters, column] : cases) {
        EXPECT_EQ(ovbase::columnNumber(letters), column) << letters;
    }
}

TEST(ColumnLetters, LengthOfTheLettersPartOfAReference) {
    const std::pair<const wchar_t*, std::size_t> cases[] = {
        {L"AB12", 2}, {L"xyz", 3}, {L"$A1", 0}, {L"", 0}, {L"ÄB1", 0}, {L"c3d", 1},
    };
    for (const auto& [text, length] : cases) {
        EXPECT_EQ(ovbase::columnLettersLength(text), length) << text;
    }
}

}  // namespace
