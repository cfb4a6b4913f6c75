// CuttingStockTests.cpp - the cutting-stock record's sets, the set files (numbering, newest file,
// format, bad files) and the listing of the newest files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/FileSystem.h"
#include "core/TempFolder.h"
#include "core/TextFile.h"
#include "core/Tvx_Settings.h"
#include "dialogs/cuttingstock/CuttingStockFiles.h"
#include "dialogs/cuttingstock/CuttingStockListing.h"
#include "dialogs/cuttingstock/DlgCSP2Data.h"

namespace {

namespace fs = std::filesystem;
using Rows = Tvx_Array<Tvx_StringArray>;

class CuttingStock : public ::testing::Test {
  protected:
    CuttingStock() { gSettings.resetForTests(temp.folder(), temp.folder()); }
    ~CuttingStock() override { gSettings.resetToDefaults(); }

    fs::path setFolder(const std::string& name) {
        const fs::path folder = temp.path() / "Cutting Stock" / name;
        fs::create_directories(folder);
        return folder;
    }
    static void touch(const fs::path& file, int secondsAgo = 0) {
        std::ofstream(file) << "ovss cutting stock set 1\n";
        fs::last_write_time(file,
                            fs::file_time_type::clock::now() - std::chrono::seconds(secondsAgo));
    }
    static Tvx_String wide(const fs::path& path) { return Tvx_String::fromUtf8(path.string()); }

    TempFolder temp;
};

TEST(CuttingStockSets, IdentifiersAreOneMoreThanTheLargestSoTheNewestIsReusedAfterRemoval) {
    DlgCSP2Data data;
    EXPECT_EQ(data.addSet(L"Beams"), 1);
    EXPECT_EQ(data.addSet(L"Columns"), 2);
    EXPECT_EQ(data.addSet(L"Bracing"), 3);
    data.removeSet(3);
    EXPECT_EQ(data.addSet(L"Purlins"), 3);
    data.removeSet(1);
    EXPECT_EQ(data.addSet(L"Rafters"), 4);  // a gap below the largest is not filled
}

TEST(CuttingStockSets, RemovingASetDropsItsRowsAndMakesTheNextOrPreviousCurrent) {
    DlgCSP2Data data;
    data.addSet(L"A");
    data.addSet(L"B");
    data.addSet(L"C");
    data.tables[0].replaceRowsOfSet(1, Rows{{L"HEA200", L"6000"}});
    data.tables[0].replaceRowsOfSet(2, Rows{{L"IPE300", L"12000"}, {L"IPE300", L"6000"}});
    data.tables[2].replaceRowsOfSet(2, Rows{{L"IPE300", L"2450", L"4"}});
    data.tables[0].replaceRowsOfSet(3, Rows{{L"UNP120", L"6000"}});

    EXPECT_EQ(data.removeSet(2), 3);  // the next one
    EXPECT_EQ(data.tables[0].rowsOfSet(2), Rows());
    EXPECT_EQ(data.tables[2].rows, Rows());
    EXPECT_EQ(data.tables[0].rowsOfSet(1), Rows({{L"HEA200", L"6000"}}));
    EXPECT_EQ(data.tables[0].rowsOfSet(3), Rows({{L"UNP120", L"6000"}}));
    EXPECT_EQ(data.setNames, Tvx_StringArray({L"A", L"C"}));

    EXPECT_EQ(data.removeSet(3), 1);  // the last one removed: the previous one
    EXPECT_EQ(data.removeSet(1), -1);
    EXPECT_EQ(data.removeSet(7), -1);  // unknown: nothing to do
    EXPECT_TRUE(data.setIds.isEmpty());
}

TEST(CuttingStockSets, ReplacingTheRowsOfASetKeepsTheOtherSetsRowsInPlace) {
    DlgCSP2Table table;
    table.replaceRowsOfSet(1, Rows{{L"a1"}, {L"a2"}});
    table.replaceRowsOfSet(2, Rows{{L"b1"}});
    table.replaceRowsOfSet(1, Rows{{L"x"}, {L"y"}, {L"z"}});
    EXPECT_EQ(table.rows, Rows({{L"x"}, {L"y"}, {L"z"}, {L"b1"}}));
    EXPECT_EQ(table.setIds, Tvx_Array<int>({1, 1, 1, 2}));
    table.replaceRowsOfSet(1, Rows());
    EXPECT_EQ(table.rowsOfSet(2), Rows({{L"b1"}}));
    EXPECT_EQ(table.rows.length(), 1);
}

TEST_F(CuttingStock, SaveProposesOneMoreThanTheLargestStockNumber) {
    const fs::path folder = setFolder("Beams");
    touch(folder / "Stock1.shp");
    touch(folder / "Stock7.shp");
    touch(folder / "Stock9.buy");    // another kind of file
    touch(folder / "Stock12a.shp");  // not a stock number
    touch(folder / "Old20.shp");
    EXPECT_EQ(nextStockNumber(wide(folder) + L"\\", L"shp"), 8);
    EXPECT_EQ(proposedStockName(wide(folder) + L"\\", L"shp"), L"Stock8.shp");
    EXPECT_EQ(proposedStockName(wide(folder) + L"\\", L"buy"), L"Stock10.buy");

    const fs::path empty = setFolder("Columns");
    EXPECT_EQ(proposedStockName(wide(empty) + L"\\", L"shp"), L"Stock1.shp");

    // Saved names are lowered, so "stock11.shp" counts as well.
    touch(folder / "stock11.shp");
    EXPECT_EQ(nextStockNumber(wide(folder) + L"\\", L"shp"), 12);
}

TEST_F(CuttingStock, AnExtensionOfOtherThanThreeCharactersGivesNoNumber) {
    const fs::path folder = setFolder("Beams");
    touch(folder / "Stock1.sh");
    touch(folder / "Stock1.shpx");
    for (const wchar_t* extension : {L"", L"sh", L"shpx"}) {
        EXPECT_EQ(nextStockNumber(wide(folder) + L"\\", extension), -1) << extension;
        EXPECT_EQ(proposedStockName(wide(folder) + L"\\", extension), L"") << extension;
    }
}

TEST_F(CuttingStock, NewestFileIsTheLatestModifiedOfItsKind) {
    const fs::path folder = setFolder("Beams");
    const Tvx_String shown = wide(folder) + L"\\";
    EXPECT_EQ(newestSetFile(shown, L"shp"), L"");
    touch(folder / "Stock1.shp", 300);
    touch(folder / "Stock2.shp", 30);
    touch(folder / "Stock3.shp", 3000);
    touch(folder / "Stock4.buy", 1);
    EXPECT_EQ(newestSetFile(shown, L"shp"), shown + L"Stock2.shp");
    EXPECT_EQ(newestSetFile(shown, L"buy"), shown + L"Stock4.buy");
}

TEST_F(CuttingStock, SetFilesKeepEveryCellExactly) {
    const Tvx_String path = temp.file(L"stock1.shp");
    const Rows rows{{L"HEA200", L"6000", L"4"},
                    {L"", L"12000", L""},
                    {L"odd \u00BF cell", L"C:\\steel\\", L"two\nlines"}};
    Tvx_String error;
    ASSERT_TRUE(writeSetFile(path, rows, error)) << error.toUtf8();
    Tvx_String text;
    ASSERT_TRUE(readTextFile(path, text));
    EXPECT_TRUE(text.startsWith(L"ovss cutting stock set 1\nHEA200\u00BF6000\u00BF4\n", true))
        << text.toUtf8();
    Rows back;
    ASSERT_TRUE(readSetFile(path, back, error)) << error.toUtf8();
    EXPECT_EQ(back, rows);
}

TEST_F(CuttingStock, UnreadableSetFilesAreRefusedNamingFileLineAndCause) {
    const Rows before{{L"kept"}};
    struct Case {
        const char* content;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"HEA200\xC2\xBF"
         "6000\n",
         L"line 1: not a cutting-stock set file"},
        {"", L"line 1: not a cutting-stock set file"},
        {"ovss cutting stock set 9\n", L"line 1: version \"9\""},
        {"ovss cutting stock set 1\nok\nbad \\x escape\n", L"line 3: a backslash"},
        {"ovss cutting stock set 1\ntrailing \\", L"line 2: a backslash"},
    };
    for (const Case& c : cases) {
        const Tvx_String path = temp.file(L"bad.shp");
        std::ofstream(temp.path() / "bad.shp", std::ios::binary) << c.content;
        Rows rows = before;
        Tvx_String error;
        EXPECT_FALSE(readSetFile(path, rows, error)) << c.content;
        EXPECT_TRUE(error.hasSubString(L"bad.shp\"", true)) << error.toUtf8();
        EXPECT_TRUE(error.hasSubString(c.expected, true)) << error.toUtf8();
        EXPECT_EQ(rows, before);
    }
    Rows rows = before;
    Tvx_String error;
    EXPECT_FALSE(readSetFile(temp.file(L"missing.shp"), rows, error));
    EXPECT_TRUE(error.hasSubString(L"missing.shp\" cannot be read", true)) << error.toUtf8();
    EXPECT_EQ(rows, before);
}

TEST_F(CuttingStock, SetNamesThatWouldLeaveOrBreakTheFolderAreRefused) {
    for (const wchar_t* name : {L"", L"  ", L".", L"..", L"..\\prof", L"a/b", L"x:y", L"q?"}) {
        EXPECT_FALSE(isValidSetName(name)) << Tvx_String(name).toUtf8();
        EXPECT_EQ(cuttingStockFolder(name), L"");
    }
    EXPECT_TRUE(isValidSetName(L"Hall 2 - roof"));
    EXPECT_EQ(cuttingStockFolder(L"Hall 2"), gSettings.libDir + L"Cutting Stock\\Hall 2\\");
}

TEST_F(CuttingStock, SavedNamesAreLoweredInTheFileNameOnly) {
    EXPECT_EQ(loweredFileName(L"/Work/Cutting Stock/Beams\\Stock8.SHP"),
              L"/Work/Cutting Stock/Beams\\stock8.shp");
}

TEST_F(CuttingStock, ListingWithoutSetsIsOnlyTheDashLine) {
    EXPECT_EQ(cuttingStockListing(DlgCSP2Data()), Tvx_String(116, L'-'));
}

TEST_F(CuttingStock, ListingNamesEachSetsNewestStockAndPurchaseFile) {
    const fs::path beams = setFolder("Beams");
    touch(beams / "Stock1.shp", 600);
    touch(beams / "stock2.shp", 60);
    DlgCSP2Data data;
    data.addSet(L"Beams");
    data.addSet(L"Columns");

    std::int64_t time = 0;
    ASSERT_TRUE(getFileTime(wide(beams / "stock2.shp"), time));
    const Tvx_String dashes(116, L'-');
    const Tvx_String expected = dashes + L"\n" +                                    //
                                L"Set \"Beams\": newest file stock2.shp, saved " +  //
                                listingDate(time) + L"\n\n" +                       //
                                L"Set \"Beams\": no file yet (*.buy)\n" + dashes + L"\n" +
                                L"Set \"Columns\": no file yet (*.shp)\n\n" +
                                L"Set \"Columns\": no file yet (*.buy)\n" + dashes;
    EXPECT_EQ(cuttingStockListing(data), expected) << cuttingStockListing(data).toUtf8();
}

TEST(CuttingStockListingDate, DayMonthYearAndTime) {
    // 2026-03-05 14:07 in local time.
    std::tm local{};
    local.tm_year = 126;
    local.tm_mon = 2;
    local.tm_mday = 5;
    local.tm_hour = 14;
    local.tm_min = 7;
    local.tm_isdst = -1;
    const std::int64_t time = static_cast<std::int64_t>(std::mktime(&local)) * 1000000000;
    EXPECT_EQ(listingDate(time), L"05 March, 2026 (14:07)");
}

}  // namespace
