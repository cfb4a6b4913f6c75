// UnknownNamesTest.cpp - the words of a formula that the lint job reports when a formula gives
// #NAME?: names with letters beyond ASCII are whole words, whatever the process locale.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "standards/calc/UnknownNames.h"

namespace {

void expectWords() {
    struct Case {
        const wchar_t* formula;
        Tvx_StringArray names;
    };
    const Case cases[] = {
        {L"Länge * 2 + A1 + $B$2", Tvx_StringArray({L"Länge"})},
        {L"Übermaß - ÄB1 + AB1", Tvx_StringArray({L"Übermaß", L"ÄB1"})},
        {L"SUM(Breite, TRUE) & \"Höhe\"", Tvx_StringArray({L"Breite"})},
        {L"ДЛИНА + x_1 + 2e3", Tvx_StringArray({L"ДЛИНА", L"x_1"})},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(unknownNames(c.formula), c.names) << Tvx_String(c.formula).toUtf8();
    }
}

TEST(UnknownNames, WordsBeyondAsciiInEveryLocale) {
    const std::string saved = std::setlocale(LC_CTYPE, nullptr);
    for (const char* locale : {"C", "C.UTF-8", "de_DE.UTF-8"}) {
        if (std::setlocale(LC_CTYPE, locale)) {
            SCOPED_TRACE(locale);
            expectWords();
        }
    }
    std::setlocale(LC_CTYPE, saved.c_str());
}

}  // namespace
