// CaseFoldingTest.cpp - upper and lower case across the scripts the application ships,
// whatever the process locale.
#include <gtest/gtest.h>

#include <clocale>
#include <iterator>
#include <string>

#include "base/CaseFolding.h"

namespace {

struct Pair {
    wchar_t lower;
    wchar_t upper;
};

// Letters with a one-character counterpart in the other case.
constexpr Pair kPairs[] = {
    {L'a', L'A'}, {L'z', L'Z'}, {L'é', L'É'}, {L'à', L'À'}, {L'ø', L'Ø'},
    {L'þ', L'Þ'}, {L'ÿ', L'Ÿ'}, {L'ā', L'Ā'}, {L'ł', L'Ł'}, {L'ő', L'Ő'},
    {L'ž', L'Ž'}, {L'ŷ', L'Ŷ'}, {L'α', L'Α'}, {L'λ', L'Λ'}, {L'σ', L'Σ'},
    {L'ω', L'Ω'}, {L'а', L'А'}, {L'я', L'Я'}, {L'ά', L'Ά'}, {L'έ', L'Έ'},
    {L'ώ', L'Ώ'}, {L'ϊ', L'Ϊ'}, {L'ё', L'Ё'}, {L'ї', L'Ї'}, {L'џ', L'Џ'},
};

// Characters that are their own case in both directions.
constexpr wchar_t kCaseless[] = {L'1', L'_', L'×', L'÷', L'ß', L'ı', L'İ', L'中', L'@', L'[', L'`'};

void expectFolding() {
    for (const Pair& p : kPairs) {
        EXPECT_EQ(ovbase::toUpperChar(p.lower), p.upper) << int(p.lower);
        EXPECT_EQ(ovbase::toUpperChar(p.upper), p.upper) << int(p.upper);
        EXPECT_EQ(ovbase::toLowerChar(p.upper), p.lower) << int(p.upper);
        EXPECT_EQ(ovbase::toLowerChar(p.lower), p.lower) << int(p.lower);
    }
    for (wchar_t c : kCaseless) {
        EXPECT_EQ(ovbase::toUpperChar(c), c) << int(c);
        EXPECT_EQ(ovbase::toLowerChar(c), c) << int(c);
    }
    EXPECT_EQ(ovbase::toUpperChar(L'ς'), L'Σ');  // both small sigmas have the one capital
    EXPECT_EQ(ovbase::toLowerChar(L'ς'), L'ς');
}

TEST(CaseFolding, LettersOfLatinGreekAndCyrillicScripts) {
    expectFolding();
}

TEST(CaseFolding, TheProcessLocaleMakesNoDifference) {
    const std::string saved = std::setlocale(LC_CTYPE, nullptr);
    for (const char* locale : {"C", "C.UTF-8", "de_DE.UTF-8", "tr_TR.UTF-8"}) {
        if (std::setlocale(LC_CTYPE, locale)) {
            SCOPED_TRACE(locale);
            expectFolding();
        }
    }
    std::setlocale(LC_CTYPE, saved.c_str());
}

TEST(CaseFolding, Texts) {
    EXPECT_EQ(ovbase::toUpper(L"Maße und Größe"), L"MAßE UND GRÖßE");
    EXPECT_EQ(ovbase::toLower(L"ÄNDERN Σ ДЛИНА"), L"ändern σ длина");
    EXPECT_EQ(ovbase::toUpper(L""), L"");
}

TEST(CaseFolding, EqualityIgnoringCase) {
    struct Case {
        const wchar_t* a;
        const wchar_t* b;
        bool equal;
    };
    const Case cases[] = {
        {L"Écrou", L"éCROU", true}, {L"МАССА", L"масса", true}, {L"Ωμέγα", L"ΩΜΈΓΑ", true},
        {L"ωμεγα", L"ΩΜΕΓΑ", true}, {L"a", L"ab", false},       {L"ß", L"SS", false},
        {L"", L"", true},           {L"x1", L"X1", true},       {L"a_", L"A`", false},
        {L"ΜΉΚΟΣ", L"μήκος", true},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(ovbase::equalsIgnoringCase(cases[i].a, cases[i].b), cases[i].equal) << i;
    }
}

}  // namespace
