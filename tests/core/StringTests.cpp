// StringTests.cpp - Tvx_String: number conversions, search with case flags, sub-strings, trimming.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "core/Tvx_String.h"

namespace {

TEST(TvxStringNumbers, TextToNumberTakesTheLeadingNumber) {
    struct Case {
        const wchar_t* text;
        double asDouble;
        int asInt;
        bool isNumber;
    };
    const Case cases[] = {
        {L"12", 12, 12, true},
        {L"  -1.5e3 ", -1500, -1, true},
        {L"7x", 7, 7, false},
        {L"", 0, 0, false},
        {L"abc", 0, 0, false},
        {L".5", 0.5, 0, true},
        {L"5.", 5, 5, true},
        {L"+3", 3, 3, true},
        {L"1e", 1, 1, false},         // exponent without digits is not part of the number
        {L"2E-2mm", 0.02, 2, false},  // exponent with sign
        {L"1,5", 1, 1, false},        // the decimal point is always "."
        {L"nan", 0, 0, false},        // names never become NaN or infinity
        {L"Infinity", 0, 0, false},
        {L"0x10", 0, 0, false},
        {L"-", 0, 0, false},
        {L"\t\n 42", 42, 42, true},
        {L"99999999999", 99999999999.0, 2147483647, true},  // int conversion saturates
        {L"-99999999999", -99999999999.0, -2147483647 - 1, true},
    };
    for (const auto& c : cases) {
        const Tvx_String text(c.text);
        EXPECT_DOUBLE_EQ(text.toDouble(), c.asDouble) << text.toUtf8();
        EXPECT_EQ(text.toInt(), c.asInt) << text.toUtf8();
        EXPECT_EQ(text.isNumber(), c.isNumber) << text.toUtf8();
    }
    EXPECT_TRUE(std::isinf(Tvx_String(L"1e999").toDouble()));
    EXPECT_EQ(Tvx_String(L"1e-999").toDouble(), 0.0);
}

TEST(TvxStringNumbers, NumberToTextHonoursPrecisionAndZeros) {
    struct Case {
        double value;
        int precision;
        bool keepZeros;
        const wchar_t* text;
    };
    const Case cases[] = {
        {200.0, 2, false, L"200"},        {12.5, 3, false, L"12.5"},
        {12.5, 3, true, L"12.500"},       {0.126, 2, false, L"0.13"},
        {-0.001, 2, false, L"0"},         {-0.001, 2, true, L"0.00"},
        {1234567.0, 0, true, L"1234567"}, {3.14159, 6, false, L"3.14159"},
        {-2.50, 1, true, L"-2.5"},        {10.0, 0, false, L"10"},
        {1e-7, 6, false, L"0"},           {5.0, -3, false, L"5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Tvx_String(c.value, c.precision, c.keepZeros), c.text)
            << c.value << " precision " << c.precision;
    }
}

TEST(TvxStringNumbers, ConversionsIgnoreTheProcessLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    EXPECT_EQ(Tvx_String(2.5, 1, false), L"2.5");
    EXPECT_DOUBLE_EQ(Tvx_String(L"2.5").toDouble(), 2.5);
    EXPECT_EQ(Tvx_String::format(L"%.2f", 1.5), L"1.50");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(TvxStringSearch, CaseFlagMeansCaseSensitiveWhenTrue) {
    const Tvx_String text(L"Width = Half * 4");
    EXPECT_TRUE(text.hasSubString(L"half", false));
    EXPECT_FALSE(text.hasSubString(L"half", true));
    EXPECT_TRUE(text.hasSubString(L"", true));
    EXPECT_TRUE(Tvx_String(L"ÉCROU").equal(L"écrou", false));
    EXPECT_FALSE(Tvx_String(L"ÉCROU").equal(L"écrou", true));
    EXPECT_EQ(text.find(L"h"), 4);
    EXPECT_EQ(text.find(L"h", 5, false), 8);
    EXPECT_EQ(text.find(L"x"), -1);
    EXPECT_EQ(text.find(L""), -1);
    EXPECT_EQ(text.find(L"W", 100), -1);
    EXPECT_EQ(Tvx_String(L"a.b.c").reverseFind(L"."), 3);
    EXPECT_EQ(Tvx_String(L"a.b.c").reverseFind(L".", 2), 1);
    EXPECT_EQ(Tvx_String(L"abc").compare(L"ABD", false), -1);
    EXPECT_EQ(Tvx_String(L"b").compare(L"a"), 1);
}

TEST(TvxStringParts, SubStringsAreClampedNeverOutOfRange) {
    const Tvx_String text(L"abcdef");
    EXPECT_EQ(text.left(2), L"ab");
    EXPECT_EQ(text.left(99), L"abcdef");
    EXPECT_EQ(text.left(-1), L"");
    EXPECT_EQ(text.right(2), L"ef");
    EXPECT_EQ(text.right(99), L"abcdef");
    EXPECT_EQ(text.mid(4), L"ef");
    EXPECT_EQ(text.mid(-3, 2), L"ab");
    EXPECT_EQ(text.mid(10, 2), L"");
    EXPECT_EQ(text.getAt(6), 0);
    EXPECT_EQ(text.getAt(-1), 0);
}

TEST(TvxStringParts, SubstringBeforeAndAfterASymbol) {
    struct Case {
        const wchar_t* text;
        bool fromEnd;
        const wchar_t* before;
        const wchar_t* after;
    };
    const Case cases[] = {
        {L"Module.Plate.W", false, L"Module", L"Plate.W"},
        {L"Module.Plate.W", true, L"Module.Plate", L"W"},
        {L"NoDot", false, L"NoDot", L""},
        {L".lead", false, L"", L"lead"},
    };
    for (const auto& c : cases) {
        const Tvx_String text(c.text);
        EXPECT_EQ(text.getSubstrBefore(L".", c.fromEnd), c.before) << text.toUtf8();
        EXPECT_EQ(text.getSubstrAfter(L".", c.fromEnd), c.after) << text.toUtf8();
    }
}

TEST(TvxStringEdit, ReplaceTrimAndCase) {
    Tvx_String text(L"aXa xa");
    EXPECT_EQ(text.replace(L"xa", L"y", false), 2);
    EXPECT_EQ(text, L"ay y");
    Tvx_String noRescan(L"aaa");
    EXPECT_EQ(noRescan.replace(L"a", L"aa"), 3);
    EXPECT_EQ(noRescan, L"aaaaaa");
    EXPECT_EQ(noRescan.replace(L"", L"x"), 0);

    Tvx_String blanks(L" \t value \r\n");
    EXPECT_EQ(Tvx_String(blanks).trim(), L"value");
    EXPECT_EQ(Tvx_String(blanks).trimLeft(), L"value \r\n");
    EXPECT_EQ(Tvx_String(blanks).trimRight(), L" \t value");
    EXPECT_EQ(Tvx_String(L"   ").trim(), L"");

    EXPECT_EQ(Tvx_String(L"Straße ÄÖÜ ñ").upper(), L"STRAßE ÄÖÜ Ñ");
    EXPECT_EQ(Tvx_String(L"ÄÖÜ Ж").lower(), L"äöü ж");
}

TEST(TvxStringConversions, Utf8RoundTripAndFormat) {
    const Tvx_String text(L"Größe ø 12 € 한국");
    EXPECT_EQ(Tvx_String::fromUtf8(text.toUtf8()), text);
    EXPECT_EQ(Tvx_String::fromUtf8("\xff"), L"\xFFFD");
    EXPECT_EQ(Tvx_String::format(L"SSVar: %s Module: %s (%i) %.1f%%", L"W", L"M1", 3, 2.25),
              L"SSVar: W Module: M1 (3) 2.2%");
    EXPECT_EQ(Tvx_String::format(L"[%5s|%-3s|%hs]", L"ab", L"c", "n"), L"[   ab|c  |n]");
    EXPECT_EQ(Tvx_String::format(L"%s", static_cast<const wchar_t*>(nullptr)), L"(null)");
    EXPECT_EQ(Tvx_String::format(L"trailing %"), L"trailing %");
}

}  // namespace
