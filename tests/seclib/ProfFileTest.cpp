// ProfFileTest.cpp - the ".pr" file: round trip of any text, the file name rule, short and
// broken files, names that would leave the profile folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProfTestSupport.h"
#include "core/TableFile.h"
#include "seclib/Tvx_ProfValuesTable.h"

namespace {

using ProfFile = TempLibraryTest;

TEST_F(ProfFile, RoundTripKeepsEmptyFieldsAndOddTexts) {
    Tvx_ProfValuesTable table = sampleIpe();
    table.shape = L"my shape.dwg";
    table.columnNames.append(L"tab\there");
    table.rows[0].append(L"");
    table.rows[1].append(L"line\nbreak\\e");
    table.rows[2].append(L" \\t;\"quoted\" Ø ");
    table.rows.append(texts({L""}));       // one empty field
    table.rows.append(Tvx_StringArray{});  // no fields at all
    ASSERT_TRUE(table.writeToFile(L"ODD"));

    Tvx_ProfValuesTable read;
    ASSERT_TRUE(read.readFromFile(L"ODD.pr"));
    EXPECT_EQ(read.typeName, L"ODD");
    EXPECT_EQ(read.shape, table.shape);
    EXPECT_EQ(read.columnNames, table.columnNames);
    EXPECT_EQ(read.rows, table.rows);
}

TEST_F(ProfFile, NameWithOrWithoutEndingReadsTheSameFile) {
    ASSERT_TRUE(sampleIpe().writeToFile(L"IPE.pr"));
    EXPECT_TRUE(std::filesystem::exists(profFile("IPE.pr")));
    EXPECT_FALSE(std::filesystem::exists(profFile("IPE.pr.pr")));
    for (const wchar_t* name : {L"IPE", L"IPE.pr"}) {
        Tvx_ProfValuesTable read;
        ASSERT_TRUE(read.readFromFile(name)) << Tvx_String(name);
        EXPECT_EQ(read.rows, sampleIpe().rows);
    }
}

TEST_F(ProfFile, WritingCreatesTheProfileFolder) {
    std::filesystem::remove_all(temp.path() / "prof");
    ASSERT_TRUE(sampleIpe().writeToFile(L"IPE"));
    EXPECT_TRUE(std::filesystem::exists(profFile("IPE.pr")));
}

TEST_F(ProfFile, FileOfOneRecordKeepsItAsARow) {
    ASSERT_TRUE(writeFile(temp.folder() + L"prof\\ONE.pr", {texts({L"only", L"record"})}));
    Tvx_ProfValuesTable table;
    table.shape = L"7";
    table.columnNames = texts({L"kept"});
    ASSERT_TRUE(table.readFromFile(L"ONE"));
    EXPECT_EQ(table.shape, L"7");
    EXPECT_EQ(table.columnNames, texts({L"kept"}));
    ASSERT_EQ(table.rows.length(), 1);
    EXPECT_EQ(table.rows[0], texts({L"only", L"record"}));
}

TEST_F(ProfFile, MissingOrBrokenFilesAreRefused) {
    writeRaw("BROKEN.pr", "this is not a table\n\x01\x02");
    writeRaw("BADESCAPE.pr", "#ovss-table 1\n1\nSysName\tI/O\nbad\\q\t1\n");
    for (const wchar_t* name : {L"MISSING", L"BROKEN", L"BADESCAPE"}) {
        Tvx_ProfValuesTable table = sampleIpe();
        EXPECT_FALSE(table.readFromFile(name)) << Tvx_String(name);
        EXPECT_EQ(table.rows, sampleIpe().rows) << Tvx_String(name);
    }
}

TEST_F(ProfFile, NamesOutsideTheProfileFolderAreRefused) {
    std::filesystem::create_directories(temp.path() / "sub");
    for (const wchar_t* name : {L"", L"..", L".pr", L"../IPE", L"..\\IPE", L"sub/IPE", L"a:b"}) {
        Tvx_ProfValuesTable table = sampleIpe();
        EXPECT_FALSE(table.writeToFile(name)) << Tvx_String(name);
        EXPECT_FALSE(table.readFromFile(name)) << Tvx_String(name);
    }
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "IPE.pr"));
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "sub" / "IPE.pr"));
}

}  // namespace
