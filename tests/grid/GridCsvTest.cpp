// CSV and TSV import and export.
#include <gtest/gtest.h>

#include "grid/CellTypes.h"
#include "grid/Delimited.h"
#include "grid/GridCsv.h"

using namespace ovgrid;

TEST(Delimited, QuotingRoundTrips) {
    const TextTable table = {
        {L"plain", L"with,comma", L"with\ttab"},
        {L"quote \"here\"", L"line\nbreak", L"crlf\r\nbreak"},
        {L"", L"", L"\u00e9\u4e2d"},
    };
    for (wchar_t sep : {L',', L'\t', L';'}) {
        TextTable back;
        ASSERT_TRUE(splitDelimited(joinDelimited(table, sep), sep, back, nullptr));
        EXPECT_EQ(back, table) << static_cast<char>(sep);
    }
}

TEST(Delimited, RejectsBrokenQuotes) {
    TextTable rows;
    std::wstring error;
    EXPECT_FALSE(splitDelimited(L"a,\"open", L',', rows, &error));
    EXPECT_NE(error.find(L"not closed"), std::wstring::npos);
    EXPECT_FALSE(splitDelimited(L"\"a\"b,c", L',', rows, &error));
    ASSERT_TRUE(splitDelimited(L"a,b\nc", L',', rows, &error));
    EXPECT_EQ(rows, (TextTable{{L"a", L"b"}, {L"c"}}));
}

TEST(GridCsv, ImportExportRoundTrip) {
    Grid g;
    std::string csv =
        "\xEF\xBB\xBFname,size,double\r\n"
        "\"Smith, J.\",4,=B2*2\r\n"
        "\"say \"\"hi\"\"\",\"multi\nline\",=B2+1\r\n";
    std::wstring error;
    ASSERT_TRUE(importDelimited(g, csv, L',', &error));
    EXPECT_EQ(g.getMaxRows(), 3);
    EXPECT_EQ(g.getMaxCols(), 3);
    std::wstring v;
    g.getValue(3, 2, v);
    EXPECT_EQ(v, L"8");
    g.getValue(1, 3, v);
    EXPECT_EQ(v, L"say \"hi\"");
    std::string out = exportDelimited(g, L',');
    Grid again;
    ASSERT_TRUE(importDelimited(again, out, L',', &error));
    EXPECT_EQ(exportDelimited(again, L','), out);

    Grid tsv;
    ASSERT_TRUE(importDelimited(tsv, exportDelimited(g, L'\t'), L'\t', &error));
    EXPECT_EQ(exportDelimited(tsv, L','), out);
}

TEST(GridCsv, BadInputChangesNothing) {
    const char* cases[] = {
        "a,\"open\n",    // broken quote
        "ok,=1+(\n",     // formula that does not compile
        "\xC3\x28,x\n",  // invalid UTF-8
    };
    for (const char* text : cases) {
        Grid g;
        g.setMaxCols(2);
        g.setMaxRows(2);
        g.setData(1, 1, L"keep");
        std::wstring error;
        EXPECT_FALSE(importDelimited(g, text, L',', &error)) << text;
        EXPECT_FALSE(error.empty());
        std::wstring v;
        g.getValue(1, 1, v);
        EXPECT_EQ(v, L"keep");
        EXPECT_EQ(g.getMaxRows(), 2);
    }
    Grid typed;
    typed.setMaxCols(1);
    typed.setMaxRows(1);
    typed.setCellType(1, 1, defineNumberType(0, 2, -1e14, 1e14, 0));
    std::wstring error;
    EXPECT_FALSE(importDelimited(typed, "abc\n", L',', &error));
}
