// TableFunctionTests.cpp - GETCELL and GETPROFCELL over lookup tables, the data-file search order,
// and the section functions SECTIONSIZE and GETSYSNAME.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CallHelpers.h"
#include "StandardsFixture.h"
#include "standards/functions/CustomFunctions.h"
#include "standards/functions/DataFileSearch.h"
#include "standards/functions/LookupTable.h"

using namespace ovfunctions;

namespace {

struct Case {
    const char* what;
    ovgrid::SSCustomFunctionProc proc;
    std::vector<ovgrid::SSValue> args;
    std::wstring expected;
};

void runCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(callFunction(c.proc, c.args), c.expected) << c.what;
    }
}

}  // namespace

class TableFunctions : public StandardsLibrary {
  protected:
    void addSections() {
        const Tvx_StringArray columns{L"SysName", L"Dutch", L"English", L"French",
                                      L"German",  L"h",     L"b"};
        Tvx_Array<Tvx_StringArray> rows;
        rows.append(
            Tvx_StringArray{L"200", L"IPE200", L"IPE200", L"IPE200", L"IPE200", L"200", L"100"});
        rows.append(Tvx_StringArray{L"240", L"IPE240", L"IPE240", L"IPE240", L"IPE240", L"240",
                                    L"not a number"});
        ASSERT_EQ(gSectionTables.addSectionTable(L"IPE.pr", L"1", columns, rows), Acad::eOk);
    }
};

TEST(LookupTable, CommentsEmptyLinesAndTabs) {
    const LookupRows rows = parseLookupLines(
        Tvx_StringArray{L"// header", L"a\tb\tc", L"", L"k\tv // note", L"only", L"e\t"});
    ASSERT_EQ(rows.length(), 4);
    EXPECT_EQ(rows[0], (Tvx_StringArray{L"a", L"b", L"c"}));
    EXPECT_EQ(rows[1], (Tvx_StringArray{L"k", L"v "}));
    EXPECT_EQ(rows[2], (Tvx_StringArray{L"only"}));
    EXPECT_EQ(rows[3], (Tvx_StringArray{L"e", L""}));
}

TEST_F(TableFunctions, GetCellFindsTheRowByItsJoinedKey) {
    runCases({
        {"text key", getCell, {textArg(L"lookup.txt"), textArg(L"M20")}, L"t:22"},
        {"key ignores case", getCell, {textArg(L"lookup.txt"), textArg(L"m16")}, L"t:18"},
        {"number and text parts joined by ;",
         getCell,
         {textArg(L"lookup.txt"), numberArg(12.5), textArg(L"A")},
         L"t:first"},
        {"number with precision 6, no trailing zeros",
         getCell,
         {textArg(L"lookup.txt"), numberArg(100.0000001)},
         L"t:hundred"},
        {"long key part", getCell, {textArg(L"lookup.txt"), longArg(100)}, L"t:hundred"},
        {"an empty argument ends the key",
         getCell,
         {textArg(L"lookup.txt"), textArg(L"M20"), emptyArg(), textArg(L"x")},
         L"t:22"},
        {"empty value cell", getCell, {textArg(L"lookup.txt"), textArg(L"Empty")}, L"empty text"},
        {"row without a value fails",
         getCell,
         {textArg(L"lookup.txt"), textArg(L"Short")},
         L"fail"},
        {"unknown key fails", getCell, {textArg(L"lookup.txt"), textArg(L"M24")}, L"fail"},
        {"missing file fails", getCell, {textArg(L"none.txt"), textArg(L"M20")}, L"fail"},
        {"file name must be text", getCell, {numberArg(1), textArg(L"M20")}, L"fail"},
        {"too few arguments", getCell, {textArg(L"lookup.txt")}, L"fail"},
    });
}

TEST_F(TableFunctions, DataFilesAreSearchedInOrder) {
    const Tvx_StringArray candidates = dataFileCandidates(L"where.txt");
    ASSERT_EQ(candidates.length(), 4);
    EXPECT_EQ(candidates[0], Tvx_String(L"where.txt"));
    EXPECT_EQ(candidates[1], libDir() + L"Connection Standards\\Data\\where.txt");
    EXPECT_EQ(candidates[2], libDir() + L"Connection Standards\\where.txt");
    EXPECT_EQ(candidates[3], libDir() + L"where.txt");

    const std::vector<ovgrid::SSValue> args{textArg(L"where.txt"), textArg(L"where")};
    EXPECT_EQ(callFunction(getCell, args), L"t:data folder");
    std::filesystem::remove(path("Connection Standards/Data/where.txt"));
    EXPECT_EQ(callFunction(getCell, args), L"t:standards folder");
    std::filesystem::remove(path("Connection Standards/where.txt"));
    EXPECT_EQ(callFunction(getCell, args), L"t:library folder");
    // The name as given comes first: a full path is used as it is.
    const std::vector<ovgrid::SSValue> full{textArg((libDir() + L"lookup.txt").wstr()),
                                            textArg(L"M16")};
    EXPECT_EQ(callFunction(getCell, full), L"t:18");
    std::filesystem::remove(path("where.txt"));
    EXPECT_EQ(callFunction(getCell, args), L"fail");
    Tvx_String found;
    EXPECT_FALSE(findDataFile(L"", found));  // never a folder
}

TEST_F(TableFunctions, AChangedTableIsReadAgain) {
    const std::filesystem::path file = path("Connection Standards/Data/changing.txt");
    const std::vector<ovgrid::SSValue> args{textArg(L"changing.txt"), textArg(L"M20")};
    for (const char* value : {"22", "24", "26"}) {
        std::ofstream(file, std::ios::trunc) << "M20\t" << value << "\n";
        EXPECT_EQ(callFunction(getCell, args), L"t:" + Tvx_String::fromUtf8(value).wstr());
    }
    std::filesystem::remove(file);
    EXPECT_EQ(callFunction(getCell, args), L"fail");
}

TEST_F(TableFunctions, SectionFunctions) {
    addSections();
    runCases({
        {"system name", getSysName, {textArg(L"IPE200")}, L"t:IPE-200"},
        {"unknown section is itself", getSysName, {textArg(L"HEA100")}, L"t:HEA100"},
        {"system name needs text", getSysName, {numberArg(1)}, L"fail"},
        {"first dimension", sectionSize, {textArg(L"IPE200"), numberArg(1)}, L"n:200"},
        {"index truncated", sectionSize, {textArg(L"IPE-200"), numberArg(2.7)}, L"n:100"},
        {"unparsable value gives 0", sectionSize, {textArg(L"IPE240"), numberArg(2)}, L"n:0"},
        {"index past the columns", sectionSize, {textArg(L"IPE200"), numberArg(3)}, L"fail"},
        {"index 0", sectionSize, {textArg(L"IPE200"), numberArg(0)}, L"fail"},
        {"huge index", sectionSize, {textArg(L"IPE200"), numberArg(-1e300)}, L"fail"},
        {"unknown section", sectionSize, {textArg(L"HEA100"), numberArg(1)}, L"fail"},
        {"profile table keys become system names",
         getProfCell,
         {textArg(L"profiles.txt"), textArg(L"IPE-240")},
         L"t:S355"},
        {"unknown sections keep their key",
         getProfCell,
         {textArg(L"profiles.txt"), textArg(L"foo")},
         L"t:unknown section"},
        {"user names no longer match",
         getProfCell,
         {textArg(L"profiles.txt"), textArg(L"IPE200")},
         L"fail"},
    });
}
