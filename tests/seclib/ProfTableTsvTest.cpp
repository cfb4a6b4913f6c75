// ProfTableTsvTest.cpp - profile tables as TSV for the command line: round trip and the checks
// that keep a bad import from becoming a ".pr" file.
#include <gtest/gtest.h>

#include "ProfTestSupport.h"
#include "seclib/ProfTableTsv.h"

namespace {

TEST(ProfTableTsv, RoundTripKeepsAnyText) {
    Tvx_ProfValuesTable table = sampleIpe();
    table.rows[0][2] = L"tab\tand\nline \\ end";
    table.rows[1][3] = L"";
    Tvx_ProfValuesTable read;
    Tvx_String error;
    ASSERT_TRUE(profTableFromTsv(profTableToTsv(table), read, error)) << error;
    EXPECT_EQ(read.columnNames, table.columnNames);
    EXPECT_EQ(read.rows, table.rows);
}

TEST(ProfTableTsv, AcceptsWindowsLineEndsAndBlankLines) {
    const Tvx_String text =
        L"SysName\tI/O\tDutch\tEnglish\tFrench\tGerman\th\r\n"
        L"80\t1\tIPE80\tIPE80\tIPE80\tIPE80\t80\r\n\r\n"
        L"100\t0\tIPE100\tIPE100\tIPE100\tIPE100\t\r\n";
    Tvx_ProfValuesTable table;
    Tvx_String error;
    ASSERT_TRUE(profTableFromTsv(text, table, error)) << error;
    EXPECT_EQ(table.rows.length(), 2);
    EXPECT_EQ(table.rows[1][6], L"");
}

TEST(ProfTableTsv, RefusesBadTablesAndSaysWhere) {
    const Tvx_String header = L"SysName\tI/O\tDutch\tEnglish\tFrench\tGerman\th\n";
    const struct {
        Tvx_String text;
        const wchar_t* error;
    } cases[] = {
        {L"", L"the table is empty"},
        {L"Name\tI/O\n", L"line 1: the header must start with \"SysName\" and \"I/O\""},
        {L"SysName\tI/O\tDutch\n", L"line 1: the header needs a user-name column per language"},
        {L"SysName\tI/O\tDutch\tEnglish\tFrench\n",
         L"line 1: the header needs a user-name column per language"},
        {header + L"80\t1\ta\tb\tc\td\n", L"line 2: 6 fields where the header has 7"},
        {header + L" \t1\ta\tb\tc\td\t1\n", L"line 2: empty system name"},
        {header + L"80\tyes\ta\tb\tc\td\t1\n", L"line 2: the I/O flag must be 0 or 1, not \"yes\""},
        {header + L"80\t1\ta\tb\tc\td\t8O\n", L"line 2: \"h\" is not a number: \"8O\""},
        {header + L"80\t1\ta\tb\tc\td\t1\nipe\t1\ta\tb\tc\td\t1\nIPE\t1\ta\tb\tc\td\t1\n",
         L"line 4: system name \"IPE\" is used twice"},
        {header + L"80\t1\ta\\q\tb\tc\td\t1\n", L"line 2: invalid escape sequence"},
    };
    for (const auto& c : cases) {
        Tvx_ProfValuesTable table = sampleIpe();
        Tvx_String error;
        EXPECT_FALSE(profTableFromTsv(c.text, table, error)) << c.text;
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(table.rows, sampleIpe().rows);
    }
}

TEST(ProfTableTsv, ShapesAreNumbersOneToTwentyFourOrDrawings) {
    for (const wchar_t* good : {L"1", L"24", L"angle.dwg", L"Angle.DWG"}) {
        EXPECT_TRUE(isValidProfileShape(good)) << Tvx_String(good);
    }
    for (const wchar_t* bad : {L"", L"0", L"25", L"-1", L"1.5", L"I", L".dwg", L"../x.dwg"}) {
        EXPECT_FALSE(isValidProfileShape(bad)) << Tvx_String(bad);
    }
}

}  // namespace
