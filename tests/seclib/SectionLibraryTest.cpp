// SectionLibraryTest.cpp - groups, types and the library file: the operations the editors use,
// the file's round trip and its refusal of damaged files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ProfTestSupport.h"
#include "core/AtomicFile.h"
#include "core/Texts.h"
#include "core/sections/SectionLibrary.h"
#include "core/sections/SectionLibraryFile.h"

namespace {

SectionGroup group(int id, const wchar_t* name, bool enabled = true) {
    SectionGroup g;
    g.id = id;
    g.enabled = enabled;
    g.image = L"group.png";
    g.names = Tvx_StringArray{name, name, name, name};
    return g;
}

class SectionLibraryTest : public TempLibraryTest {};

TEST_F(SectionLibraryTest, GroupsKeepTheirIdentifiersThroughSwapsAndRemovals) {
    SectionGroupArray groups;
    ASSERT_TRUE(groups.appendGroup(group(4, L"Hot rolled")));
    ASSERT_TRUE(groups.appendGroup(group(9, L"Cold formed", false)));
    EXPECT_FALSE(groups.appendGroup(group(4, L"Twice")));
    EXPECT_EQ(groups.appendNewGrp(), 2);
    EXPECT_EQ(groups.getId(2), 10);  // one past the highest in use

    EXPECT_TRUE(groups.swap(0, 1));
    EXPECT_EQ(groups.getName(0), L"Cold formed");
    EXPECT_EQ(groups.getId(0), 9);
    EXPECT_FALSE(groups.getEnabled(0));
    EXPECT_FALSE(groups.swap(1, 3));

    Tvx_StringArray names;
    Tvx_Array<int> ids;
    groups.namesOfAllGroups(names, ids);
    EXPECT_EQ(ids, (Tvx_Array<int>{9, 4, 10}));
    EXPECT_EQ(names[1], L"Hot rolled");

    EXPECT_TRUE(groups.removeAt(0));
    EXPECT_FALSE(groups.removeAt(5));
    EXPECT_EQ(groups.indexOfId(4), 0);
    EXPECT_EQ(groups.indexOfId(9), -1);
    // Out-of-range indices change nothing and read as empty.
    groups.setEnabled(7, false);
    groups.setImage(-1, L"x");
    EXPECT_EQ(groups.getName(7), L"");
    EXPECT_EQ(groups.getLangs(-1).length(), 0);
}

TEST_F(SectionLibraryTest, NamesFallBackToEnglishWhenTheWorkingLanguageHasNone) {
    SectionType type(true, L"", -1, L"IPE", Tvx_StringArray{L"", L"I beams", L"", L""});
    gSettings.workLanguage = L"Dutch";
    EXPECT_EQ(type.getName(), L"I beams");
}

TEST_F(SectionLibraryTest, FileReadsBackExactlyWhatWasWritten) {
    DlgEditLibData data;
    data.groups.appendGroup(group(3, L"Tabs\there, lines\nand \\ slashes"));
    data.groups.appendGroup(group(7, L"", false));
    data.types.append(SectionType(false, L"sigma.png", 7, L"SIGMA",
                                  Tvx_StringArray{L"Sigma", L"Sigma", L"", L"Sigma"}));
    data.types.append(SectionType(true, L"", -1, L"IPE", Tvx_StringArray{L"", L"", L"", L""}));
    const Tvx_String path = sectionLibraryPath();
    Tvx_String error;
    ASSERT_TRUE(writeSectionLibrary(path, data, error)) << error;

    DlgEditLibData back;
    ASSERT_TRUE(readSectionLibrary(path, back, error)) << error;
    EXPECT_EQ(back.groups, data.groups);
    EXPECT_EQ(back.types, data.types);

    std::string bytes;
    ASSERT_TRUE(readFileBytes(path, bytes));
    EXPECT_TRUE(bytes.starts_with("#ovss-section-library 1\nlanguages\tDutch\tEnglish"));
}

TEST_F(SectionLibraryTest, MissingFileIsAnEmptyLibrary) {
    DlgEditLibData data;
    data.groups.appendGroup(group(1, L"Old"));
    Tvx_String error;
    EXPECT_TRUE(readSectionLibrary(sectionLibraryPath(), data, error));
    EXPECT_EQ(data.groups.length(), 0);
}

TEST_F(SectionLibraryTest, NamesFollowTheFilesLanguageOrder) {
    const auto path = temp.path() / "SectionLibrary.txt";
    std::ofstream(path) << "#ovss-section-library 1\nlanguages\tEnglish\tGerman\n"
                           "group\t2\t1\t\tBeams\tTräger\n";
    DlgEditLibData data;
    Tvx_String error;
    ASSERT_TRUE(readSectionLibrary(sectionLibraryPath(), data, error)) << error;
    EXPECT_EQ(data.groups.getLangs(0),
              (Tvx_StringArray{L"", L"Beams", L"", Tvx_String::fromUtf8("Träger")}));
}

TEST_F(SectionLibraryTest, DamagedFilesAreRefusedWithFileLineAndCauseAndChangeNothing) {
    struct Case {
        const char* content;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"", L"line 1: not a section library file"},
        {"#ovss-section-library 2\n", L"line 1: unsupported version"},
        {"#ovss-section-library 1\ngroup\tx\t1\t\tA\n", L"line 2: a group needs"},
        {"#ovss-section-library 1\ngroup\t1\t2\t\tA\n", L"line 2: a group needs"},
        {"#ovss-section-library 1\n\ngroup\t1\t1\t\tA\ngroup\t1\t1\t\tB\n",
         L"line 4: group identifier 1 is used twice"},
        {"#ovss-section-library 1\ntype\t1\timg\n", L"line 2: a type needs"},
        {"#ovss-section-library 1\nshape\t1\n", L"line 2: unknown record \"shape\""},
        {"#ovss-section-library 1\ngroup\t1\t1\t\tbad\\q\n", L"line 2: bad escape"},
    };
    const auto path = temp.path() / "SectionLibrary.txt";
    for (const Case& c : cases) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << c.content;
        DlgEditLibData data;
        data.groups.appendGroup(group(5, L"Kept"));
        Tvx_String error;
        EXPECT_FALSE(readSectionLibrary(sectionLibraryPath(), data, error)) << c.content;
        EXPECT_TRUE(error.hasSubString(L"SectionLibrary.txt\"", true)) << error;
        EXPECT_TRUE(error.hasSubString(c.expected, true)) << error;
        EXPECT_EQ(data.groups.getName(0), L"Kept");
    }
}

TEST_F(SectionLibraryTest, AvailableFilesListTheProfileFolder) {
    for (const char* name : {"IPE.pr", "HEA.pr", "sigma.dwg", "sigma.png", "notes.txt"}) {
        std::ofstream(profFile(name)) << "x";
    }
    DlgEditLibData data;
    data.GetAvailableFiles();
    EXPECT_EQ(data.profileTables, (Tvx_StringArray{L"HEA", L"IPE"}));
    EXPECT_EQ(data.drawingFiles, (Tvx_StringArray{L"sigma.dwg"}));
    EXPECT_EQ(data.imageFiles, (Tvx_StringArray{L"sigma.png"}));
}

}  // namespace
