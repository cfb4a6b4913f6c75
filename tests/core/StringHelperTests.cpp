// StringHelperTests.cpp - splitting, joining, duplicates, names, letters, rounding and sorting.
#include <gtest/gtest.h>

#include "core/NumberHelpers.h"
#include "core/StringHelpers.h"

namespace {

Tvx_StringArray list(std::initializer_list<Tvx_String> items) {
    return Tvx_StringArray(items);
}

TEST(StringSplit, StrToArrKeepsEveryPartAndRoundTrips) {
    struct Case {
        const wchar_t* text;
        Tvx_StringArray parts;
    };
    const Case cases[] = {
        {L"a;b;c", list({L"a", L"b", L"c"})},
        {L"a;;b;", list({L"a", L"", L"b", L""})},
        {L";", list({L"", L""})},
        {L"", list({})},
        {L"single", list({L"single"})},
    };
    for (const auto& c : cases) {
        Tvx_StringArray parts;
        parts.append(L"stale");
        strToArr(c.text, parts, L";");
        EXPECT_EQ(parts, c.parts) << Tvx_String(c.text).toUtf8();
        EXPECT_EQ(arrToStr(parts, L";"), c.text);
    }
    EXPECT_EQ(strToArr(L"a¿b", L"¿"), list({L"a", L"b"}));
    EXPECT_EQ(strToArr(L"a;b", L""), list({L"a;b"}));
}

TEST(StringSplit, SplitAtSymbolTakesTheFirstSymbolAndTrims) {
    struct Case {
        const wchar_t* text;
        bool trim;
        Tvx_StringArray parts;
    };
    const Case cases[] = {
        {L"Width = Half * 4", true, list({L"Width", L"Half * 4"})},
        {L"Width = Half * 4", false, list({L"Width ", L" Half * 4"})},
        {L"R = IF(a<=b, 1, 2)", true, list({L"R", L"IF(a<=b, 1, 2)"})},
        {L"  no symbol  ", true, list({L"no symbol"})},
        {L"=x", true, list({L"", L"x"})},
    };
    for (const auto& c : cases) {
        Tvx_StringArray parts;
        EXPECT_EQ(splitStringAtSymbol(c.text, L"=", parts, c.trim), c.parts.length());
        EXPECT_EQ(parts, c.parts) << Tvx_String(c.text).toUtf8();
    }
}

TEST(StringNames, DuplicatesAreEveryOccurrenceAfterTheFirst) {
    const Tvx_StringArray names = list({L"a", L"b", L"A", L"a", L"c", L"B"});
    Tvx_Array<int> indices;
    EXPECT_TRUE(getDuplicates(names, indices));
    EXPECT_EQ(indices, Tvx_Array<int>({2, 3, 5}));
    EXPECT_TRUE(getDuplicates(names, indices, true));
    EXPECT_EQ(indices, Tvx_Array<int>({3}));
    EXPECT_TRUE(hasDuplicates(names));
    EXPECT_FALSE(hasDuplicates(list({L"x", L"y"})));
    EXPECT_FALSE(getDuplicates(list({}), indices));
    EXPECT_TRUE(indices.isEmpty());
}

TEST(StringNames, UnusedNamesAndFirstNumbers) {
    EXPECT_EQ(findNonExistingString(list({L"Type"}), L"New"), L"New");
    EXPECT_EQ(findNonExistingString(list({L"new", L"New1"}), L"New"), L"New2");

    struct Case {
        const wchar_t* text;
        bool found;
        int start;
        int length;
    };
    const Case cases[] = {{L"HEA100x5", true, 3, 3},
                          {L"12", true, 0, 2},
                          {L"none", false, -7, -7},
                          {L"", false, -7, -7}};
    for (const auto& c : cases) {
        int start = -7;
        int length = -7;
        EXPECT_EQ(findFirstNumbers(c.text, start, length), c.found);
        EXPECT_EQ(start, c.start);
        EXPECT_EQ(length, c.length);
    }
}

TEST(StringNames, ColumnLetters) {
    const std::pair<int, const wchar_t*> cases[] = {{1, L"A"},     {26, L"Z"},  {27, L"AA"},
                                                    {52, L"AZ"},   {53, L"BA"}, {702, L"ZZ"},
                                                    {703, L"AAA"}, {0, L""},    {-4, L""}};
    for (const auto& [column, letters] : cases) {
        EXPECT_EQ(getAlfabet(column), letters) << column;
    }
}

TEST(StringNames, FileNameCharactersAndRandomIdentifiers) {
    EXPECT_FALSE(hasInvalidFileNameChars(L"Plate 10 mm_ä.v2"));
    for (const wchar_t* bad :
         {L"a/b", L"a\\b", L"a:b", L"a*", L"a?", L"\"", L"<", L">", L"|", L"tab\there"}) {
        EXPECT_TRUE(hasInvalidFileNameChars(bad)) << Tvx_String(bad).toUtf8();
    }
    // A plain name stays inside its folder.
    EXPECT_TRUE(isPlainFileName(L"Hall A"));
    EXPECT_TRUE(isPlainFileName(L"..hidden"));
    for (const wchar_t* bad : {L"", L"  ", L".", L"..", L" .. ", L"../up", L"a/b"}) {
        EXPECT_FALSE(isPlainFileName(bad)) << Tvx_String(bad).toUtf8();
    }
    Tvx_String first;
    Tvx_String second;
    ASSERT_TRUE(generateRandomString(first, 24));
    ASSERT_TRUE(generateRandomString(second, 24));
    EXPECT_EQ(first.length(), 24);
    EXPECT_NE(first, second);
    EXPECT_FALSE(hasInvalidFileNameChars(first));
    Tvx_String unchanged(L"keep");
    EXPECT_FALSE(generateRandomString(unchanged, 0));
    EXPECT_EQ(unchanged, L"keep");
}

TEST(Numbers, RoundingToSteps) {
    struct Case {
        double value;
        double step;
        double to;
        double up;
    };
    const Case cases[] = {
        {12.0, 5.0, 10.0, 15.0},    {12.5, 5.0, 15.0, 15.0}, {15.0, 5.0, 15.0, 15.0},
        {-12.0, 5.0, -10.0, -10.0}, {7.3, 0.0, 7.3, 7.3},    {7.3, -2.0, 8.0, 8.0},
        {0.1 + 0.2, 0.1, 0.3, 0.3}, {0.31, 0.1, 0.3, 0.4},   {150.0, 10.0, 150.0, 150.0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(ObjectExportRoundTo(c.value, c.step), c.to, 1e-12) << c.value << "/" << c.step;
        EXPECT_NEAR(ObjectExportRoundUp(c.value, c.step, 5.0), c.up, 1e-12)
            << c.value << "/" << c.step;
    }
}

TEST(Numbers, SortingCarriesIndicesAndInsertsBehindEquals) {
    Tvx_Array<double> values({0.5, 0.1, 0.5, 0.3});
    Tvx_Array<int> indices;
    ObjectExportSort(values, indices);
    EXPECT_EQ(values, Tvx_Array<double>({0.1, 0.3, 0.5, 0.5}));
    EXPECT_EQ(indices, Tvx_Array<int>({1, 3, 0, 2}));

    Tvx_Array<double> sorted({1, 2, 2, 3});
    EXPECT_EQ(ObjectExportAddToSorted(sorted, 2.0), 3);
    EXPECT_EQ(ObjectExportAddToSorted(sorted, 0.0), 0);

    Tvx_StringArray names = list({L"b", L"C", L"a"});
    sortArray(names, false);
    EXPECT_EQ(names, list({L"a", L"b", L"C"}));
    sortArray(names, true);
    EXPECT_EQ(names, list({L"C", L"a", L"b"}));
    Tvx_StringArray sortedNames = list({L"HEA100", L"HEA300"});
    EXPECT_EQ(ObjectExportAddToSorted(sortedNames, L"HEA200"), 1);
}

TEST(Arrays, MutatorsRefuseBadIndices) {
    Tvx_StringArray names = list({L"a", L"b"});
    EXPECT_FALSE(names.removeAt(2));
    EXPECT_FALSE(names.insertAt(3, L"x"));
    EXPECT_TRUE(names.insertAt(2, L"c"));
    EXPECT_FALSE(names.setAt(-1, L"x"));
    EXPECT_THROW(names.at(3), std::out_of_range);
    EXPECT_EQ(names.find(L"B", false), 1);
    EXPECT_EQ(names.find(L"B", true), -1);
    names.setLogicalLength(-1);
    EXPECT_TRUE(names.isEmpty());
}

}  // namespace

TEST(ShortenedText, ALongFormulaIsCutToOneReadableLine) {
    const Tvx_String formula = Tvx_String(L"=") + Tvx_String(std::wstring(400'000, L'A'));
    const Tvx_String shown = shortenedText(formula, 20);
    EXPECT_EQ(shown, L"=AAAAAAAAAAAAAAAAAAA... (399981 more characters)");
    EXPECT_EQ(shortenedText(L"a\nb", 20), L"a b");
    EXPECT_EQ(shortenedText(L"short"), L"short");
}
