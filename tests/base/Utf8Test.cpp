// Utf8Test.cpp - UTF-8 and Windows-1252 conversions, strict and lenient decoding.
#include <gtest/gtest.h>

#include <string>

#include "base/Utf8.h"

namespace {

TEST(Utf8, EncodesEveryCodePointAndReplacesNonCharacters) {
    const std::pair<std::wstring, std::string> cases[] = {
        {L"A", "A"},
        {L"é", "\xC3\xA9"},
        {L"€", "\xE2\x82\xAC"},
        {std::wstring(1, wchar_t(0x1F600)), "\xF0\x9F\x98\x80"},
        {std::wstring(1, wchar_t(0xD800)), "\xEF\xBF\xBD"},    // a lone surrogate
        {std::wstring(1, wchar_t(0x110000)), "\xEF\xBF\xBD"},  // beyond Unicode
        {std::wstring(L"a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& [wide, bytes] : cases) {
        EXPECT_EQ(ovbase::toUtf8(wide), bytes);
    }
}

TEST(Utf8, InvalidBytesBecomeReplacementCharactersOrAreRefused) {
    const std::wstring r(1, wchar_t(0xFFFD));
    const std::pair<std::string, std::wstring> invalid[] = {
        {"a\xFF"
         "b",
         L"a" + r + L"b"},
        {"\xC0\xAF", r + r},                  // overlong "/"
        {"\xE2\x82", r + r},                  // truncated
        {"\xED\xA0\x80", r + r + r},          // an encoded surrogate
        {"\xF4\x90\x80\x80", r + r + r + r},  // beyond U+10FFFF
        {"\x80x", r + L"x"},                  // a continuation byte first
    };
    for (const auto& [bytes, lenient] : invalid) {
        EXPECT_EQ(ovbase::fromUtf8(bytes), lenient);
        EXPECT_FALSE(ovbase::decodeUtf8(bytes).has_value());
    }
    const std::string valid =
        "Gr\xC3\xB6\xC3\x9F"
        "e \xE2\x82\xAC \xED\x95\x9C";
    EXPECT_EQ(ovbase::fromUtf8(valid), L"Größe € 한");
    EXPECT_EQ(ovbase::decodeUtf8(valid), std::optional<std::wstring>(L"Größe € 한"));
    EXPECT_EQ(ovbase::decodeUtf8(""), std::optional<std::wstring>(L""));
}

TEST(Utf8, Windows1252BothWays) {
    EXPECT_EQ(ovbase::fromWindows1252("\x80\xE9\x9F\x81"), std::wstring(L"€éŸ") + wchar_t(0x81));
    EXPECT_EQ(ovbase::toWindows1252(L"€éŸ한"), "\x80\xE9\x9F?");
}

TEST(Utf8, TextFilesSkipTheMarkAndFallBackToWindows1252) {
    EXPECT_EQ(ovbase::decodeTextFile("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9"), L"été");
    EXPECT_EQ(ovbase::decodeTextFile("\xE9t\xE9"), L"été");
    EXPECT_EQ(ovbase::decodeTextFile(""), L"");
}

}  // namespace
