// SheetSaveTest.cpp - saving a sheet with the header and footer files its settings name.
#include <filesystem>

#include "core/Paths.h"
#include "spread/sheetfiles/OvSSSettings.h"
#include "spread/sheetfiles/SheetFilesFixture.h"
#include "spread/sheetfiles/SheetSave.h"

namespace fs = std::filesystem;

namespace {

class SheetSaveTest : public SheetFilesTest {
  protected:
    SheetSaveTest() {
        // Settings folder = temp; sheets go to temp/project/sheets.
        fs::create_directories(sheets());
        spread.setMaxCols(2);
        spread.setMaxRows(2);
        spread.setCellText(1, 1, L"x");
    }
    fs::path sheets() const { return temp.path() / "project" / "sheets"; }
    Tvx_String sheetsFolder() const { return fromFileSystemPath(sheets()) + L"\\"; }
    Tvx_String sheetPath() const { return sheetsFolder() + L"bill.ovs"; }

    void storeSideFiles(const Tvx_String& header, const Tvx_String& footer) {
        OvSSSettings s;
        s.useDefaults();
        s.headerFile = header;
        s.footerFile = footer;
        ASSERT_TRUE(s.writeToGrid(spread));
    }
    OvSSSettings stored() const {
        OvSSSettings s;
        s.readFromGrid(spread);
        return s;
    }
};

TEST_F(SheetSaveTest, HeaderAndFooterFilesAreCopiedBesideTheSheet) {
    writeBytes(temp.path() / "head.txt", "header");
    writeBytes(temp.path() / "head.bmp", "picture");
    writeBytes(temp.path() / "project" / "foot.txt", "footer");
    storeSideFiles(L"head.txt", L"..\\foot.txt");
    spread.SSSetBool(Tvx_Spread::kPropChanged, true);

    ASSERT_TRUE(saveSheetWithSettings(spread, sheetPath()));
    EXPECT_TRUE(fs::exists(sheets() / "bill.ovs"));
    EXPECT_EQ(readBytes(sheets() / "head.txt"), "header");
    EXPECT_EQ(readBytes(sheets() / "head.bmp"), "picture");
    EXPECT_EQ(readBytes(sheets() / "foot.txt"), "footer");
    EXPECT_EQ(stored().headerFile, L"head.txt");
    EXPECT_EQ(stored().footerFile, L"foot.txt");
    EXPECT_FALSE(spread.SSGetBool(Tvx_Spread::kPropChanged));
}

TEST_F(SheetSaveTest, SideFilesAreLookedUpInTheirOrder) {
    writeBytes(temp.path() / "both.txt", "settings");
    writeBytes(sheets() / "both.txt", "sheet");
    writeBytes(temp.path() / "project" / "up.txt", "parent");
    writeBytes(temp.path() / "up.txt", "settings");
    writeBytes(temp.path() / "onlyup.txt", "settings");
    const Tvx_String settings = temp.folder();
    struct Case {
        const wchar_t* stored;
        Tvx_String expected;
    };
    const Case cases[] = {
        {L"both.txt", sheetsFolder() + L"both.txt"},
        {L"..\\up.txt", fromFileSystemPath(temp.path() / "project") + L"\\up.txt"},
        {L"..\\onlyup.txt", settings + L"onlyup.txt"},
        {L"absent.txt", L""},
        {L"", L""},
    };
    for (const Case& c : cases) {
        const Tvx_String found = resolveSheetSideFile(c.stored, sheetsFolder());
        EXPECT_EQ(toFileSystemPath(found), toFileSystemPath(c.expected)) << Tvx_String(c.stored);
    }
    const Tvx_String absolute = fromFileSystemPath(temp.path() / "both.txt");
    EXPECT_EQ(resolveSheetSideFile(absolute, sheetsFolder()), absolute);
}

TEST_F(SheetSaveTest, MissingSideFilesKeepTheirNames) {
    storeSideFiles(L"..\\gone.txt", L"");
    const std::wstring before = tag();
    ASSERT_TRUE(saveSheetWithSettings(spread, sheetPath()));
    EXPECT_EQ(tag(), before);
}

TEST_F(SheetSaveTest, AFailedGridSaveTouchesNothing) {
    writeBytes(temp.path() / "head.txt", "header");
    storeSideFiles(L"head.txt", L"");
    const std::wstring before = tag();
    spread.SSSetBool(Tvx_Spread::kPropChanged, true);
    EXPECT_FALSE(saveSheetWithSettings(spread, temp.folder() + L"no\\such\\folder\\x.ovs"));
    EXPECT_EQ(tag(), before);
    EXPECT_TRUE(spread.SSGetBool(Tvx_Spread::kPropChanged));
}

TEST_F(SheetSaveTest, BillVariablesReplaceTheListsOnly) {
    storeSideFiles(L"head.txt", L"foot.txt");
    ASSERT_TRUE(setSheetVariables(spread, {L"A", L"B", L"C"}, {L"1", L"2", L"3"}));
    ASSERT_TRUE(setSheetVariables(spread, {L"Z"}, {L"9"}));
    const OvSSSettings s = stored();
    EXPECT_EQ(s.varNames, Tvx_StringArray({L"Z"}));
    EXPECT_EQ(s.varValues, Tvx_StringArray({L"9"}));
    EXPECT_EQ(s.headerFile, L"head.txt");
}

}  // namespace
