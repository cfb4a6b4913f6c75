// BillSaveTest.cpp - the end of a bill: title and date, the recorded pairs, the saved sheet with
// its header and footer files, and a save that fails.
#include <filesystem>
#include <regex>

#include "grid/Grid.h"
#include "spread/bill/BillFixture.h"
#include "spread/bill/BillSheetVars.h"
#include "spread/sheetfiles/OvSSSettings.h"

namespace fs = std::filesystem;

namespace {

TEST(BillSheetVarsTest, TitleIsTheFileNameAfterTheLastMark) {
    struct Case {
        const wchar_t* file;
        const wchar_t* title;
    };
    const Case cases[] = {
        {L"C:\\Bills\\Bill\u00BFFrame A.ovs", L"Frame A"},
        {L"/tmp/bills/Bill\u00BFHall\u00BFFrame B.ovs", L"Frame B"},
        {L"C:\\Bills\\Frame C.ovs", L"Frame C"},
        {L"Bill\u00BF.ovs", L""},
        {L"no extension", L"no extension"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(billTitleOf(c.file), c.title) << Tvx_String(c.file);
    }
}

TEST(BillSheetVarsTest, PairsComeInFrontOfTheCallersOwn) {
    Tvx_StringArray names, values;
    billSheetVars(L"C:\\b\\Bill\u00BFX.ovs", 0, {L"Project"}, {L"P1"}, names, values);
    EXPECT_EQ(names, (Tvx_StringArray{L"Date", L"Title", L"BillFilename", L"Project"}));
    ASSERT_EQ(values.length(), 4);
    EXPECT_EQ(values[1], L"X");
    EXPECT_EQ(values[2], L"C:\\b\\Bill\u00BFX.ovs");
    EXPECT_EQ(values[3], L"P1");
    const std::wregex date(LR"(\d\d [A-Z][a-z]+, \d{4} \(\d\d:\d\d\))");
    EXPECT_TRUE(std::regex_match(values[0].wstr(), date)) << values[0];
}

TEST_F(BillTest, SavedSheetHoldsRowsPairsAndItsHeaderAndFooterFiles) {
    OvSSSettings settings;
    settings.useDefaults();
    settings.headerFile = L"head.txt";
    settings.footerFile = L"foot.txt";
    ASSERT_TRUE(settings.save(L"billset"));
    writeBytes(temp.path() / "head.txt", "header");
    writeBytes(temp.path() / "head.bmp", "logo");
    writeBytes(temp.path() / "foot.txt", "footer");
    fs::create_directories(temp.path() / "out");
    const Tvx_String out = file("out") + L"/Bill\u00BFFrame A.ovs";

    ASSERT_EQ(bill.init(out, {L"Pos", L"Name"}, {}, {1, 3}, L"billset", {L"Project"}, {L"P1"}),
              Acad::eOk);
    bill.onStartFeed();
    bill.onAddRow({L"1", L"IPE 200 long name"});
    bill.onAddSubTotals({L"1", L""}, {}, false, 0);
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);

    EXPECT_TRUE(fs::exists(temp.path() / "out" / "head.txt"));
    EXPECT_TRUE(fs::exists(temp.path() / "out" / "head.bmp"));
    EXPECT_TRUE(fs::exists(temp.path() / "out" / "foot.txt"));
    EXPECT_EQ(grid().cellTypeCode(1, ovgrid::HEADER), ovgrid::kTypeStatic);
    EXPECT_GT(grid().grid()->getColWidth(2), grid().grid()->getColWidth(1));

    ovgrid::Grid loaded;
    ASSERT_TRUE(loaded.loadFromFile(toFileSystemPath(out)));
    EXPECT_EQ(loaded.getMaxRows(), 2);
    EXPECT_EQ(loaded.getMaxCols(), 2);
    std::wstring cell;
    loaded.getValue(2, 1, cell);
    EXPECT_EQ(cell, L"IPE 200 long name");
    Tvx_Spread reader;
    reader.attachGrid(&loaded);
    OvSSSettings saved;
    ASSERT_TRUE(saved.readFromGrid(reader));
    EXPECT_EQ(saved.varNames, (Tvx_StringArray{L"Date", L"Title", L"BillFilename", L"Project"}));
    ASSERT_EQ(saved.varValues.length(), 4);
    EXPECT_EQ(saved.varValues[1], L"Frame A");
    EXPECT_EQ(saved.varValues[2], out);
    EXPECT_EQ(saved.varValues[3], L"P1");

    // Ending twice records the pairs once.
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    OvSSSettings again;
    again.readFromGrid(grid());
    EXPECT_EQ(again.varNames.length(), 4);
}

TEST_F(BillTest, FailedSaveIsReported) {
    start({L"A"}, {3}, "missing/folder/bill.ovs");
    bill.onAddRow({L"x"});
    EXPECT_EQ(bill.onEndFeed(), Acad::eInvalidInput);
    EXPECT_FALSE(fs::exists(temp.path() / "missing"));
}

}  // namespace
