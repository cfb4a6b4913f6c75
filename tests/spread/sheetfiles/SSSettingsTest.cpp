// SSSettingsTest.cpp - sheet settings: defaults, the (0, 0) tag and ".ovd" files.
#include <filesystem>

#include "core/Paths.h"
#include "spread/sheetfiles/OvSSSettings.h"
#include "spread/sheetfiles/SettingsFolder.h"
#include "spread/sheetfiles/SheetFilesFixture.h"

namespace {

constexpr char kSep = '\xA4';

OvSSSettings changedSettings() {
    OvSSSettings s;
    s.useDefaults();
    s.headerFile = L"Kopf.txt";
    s.footerFile = L"..\\Fuss.txt";
    s.defaultFont = L"Arial";
    s.defaultTextHeight = 11;
    s.marginLeft = 1;
    s.marginRight = 2;
    s.marginTop = 3;
    s.marginBottom = 4;
    s.smartPrint = false;
    s.colors = false;
    s.colHeader = false;
    s.rowHeader = false;
    s.cellSeperators = false;
    s.border = false;
    s.varNames = {L"Länge", L"B"};
    s.varValues = {L"12", L""};
    return s;
}

TEST(SSSettingsDefaultsTest, AreThoseOfTheTable) {
    OvSSSettings s;
    s.valid = true;
    s.marginLeft = 0;
    s.setDefaults();
    EXPECT_FALSE(s.valid);
    EXPECT_EQ(s.gridHandle, nullptr);
    EXPECT_EQ(s.headerFile, L"");
    EXPECT_EQ(s.footerFile, L"");
    EXPECT_EQ(s.defaultFont, L"Tahoma");
    EXPECT_EQ(s.defaultTextHeight, 13);
    EXPECT_EQ(std::vector<int>({s.marginLeft, s.marginRight, s.marginTop, s.marginBottom}),
              std::vector<int>({9, 5, 5, 5}));
    for (bool flag : {s.smartPrint, s.colors, s.colHeader, s.rowHeader, s.cellSeperators, s.border})
        EXPECT_TRUE(flag);
    EXPECT_TRUE(s.varNames.isEmpty());
    EXPECT_TRUE(s.varValues.isEmpty());
}

TEST_F(SheetFilesTest, KeysAreWrittenInTheirFixedOrder) {
    OvSSSettings s;
    s.useDefaults();
    s.varNames = {L"a"};
    const OvSettingsStore store = s.toStore();
    Tvx_StringArray names;
    for (const auto& entry : store.entries())
        names.append(entry.name);
    EXPECT_EQ(names, Tvx_StringArray({L"defaultFont", L"defaultTextHeight", L"headerFile",
                                      L"footerFile", L"marginLeft", L"marginRight", L"marginTop",
                                      L"marginBottom", L"smartPrint", L"colors", L"colHeader",
                                      L"rowHeader", L"cellSeperators", L"border", L"varNames0"}));
}

TEST_F(SheetFilesTest, TheCornerTagCarriesTheSettings) {
    OvSSSettings never;
    EXPECT_FALSE(never.writeToGrid(spread));
    EXPECT_EQ(tag(), L"");

    const OvSSSettings written = changedSettings();
    ASSERT_TRUE(written.writeToGrid(spread));
    EXPECT_EQ(tag().substr(0, 20), L"defaultFont\u00a44\u00a4Arial\u00a4");

    OvSSSettings read;
    ASSERT_TRUE(read.readFromGrid(spread));
    EXPECT_EQ(read.gridHandle, &spread);
    EXPECT_EQ(read, written);
}

TEST_F(SheetFilesTest, AGridWithoutTagReadsAsValidDefaults) {
    OvSSSettings read = changedSettings();
    ASSERT_TRUE(read.readFromGrid(spread));
    OvSSSettings defaults;
    defaults.useDefaults();
    EXPECT_EQ(read, defaults);
}

TEST_F(SheetFilesTest, SettingsFilesUseTheWindows1252ByteForm) {
    OvSSSettings s;
    s.useDefaults();
    s.varNames = {L"Länge"};
    ASSERT_TRUE(s.save(L"Company"));
    const std::string bytes = readBytes(temp.path() / "Company.ovd");
    const std::string expected = std::string("defaultFont") + kSep + "4" + kSep + "Tahoma" + kSep +
                                 "defaultTextHeight" + kSep + "2" + kSep + "13" + kSep;
    EXPECT_EQ(bytes.substr(0, expected.size()), expected);
    const std::string tail = std::string("varNames0") + kSep + "4" + kSep + "L\xE4nge" + kSep;
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
    EXPECT_EQ(bytes.find('\n'), std::string::npos);
}

TEST_F(SheetFilesTest, SettingsFilesRoundTrip) {
    const OvSSSettings written = changedSettings();
    ASSERT_TRUE(written.save(L"Round"));
    OvSSSettings read;
    ASSERT_TRUE(read.load(L"Round"));
    EXPECT_EQ(read, written);
    // Nothing but the file itself is left in the folder.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(temp.path()))
        files += entry.path().extension() == ".ovd" ? 1 : 0;
    EXPECT_EQ(files, 1);
}

TEST_F(SheetFilesTest, AFileTakesTheKeysItHolds) {
    copyFixture("Company.ovd", "Company.ovd");
    OvSSSettings s;
    ASSERT_TRUE(s.load(L"Company"));
    EXPECT_TRUE(s.valid);
    EXPECT_EQ(s.defaultFont, L"Arial");
    EXPECT_EQ(s.defaultTextHeight, 11);
    EXPECT_EQ(s.headerFile, L"Kopf.txt");
    EXPECT_EQ(s.marginLeft, 12);
    EXPECT_EQ(s.marginRight, 5);  // not in the file: default
    EXPECT_FALSE(s.colors);
    EXPECT_EQ(s.varNames, Tvx_StringArray({L"L\u00e4nge"}));  // varNames1 is missing
}

TEST_F(SheetFilesTest, FilesThatCannotBeReadChangeNothing) {
    copyFixture("Broken.ovd", "Broken.ovd");
    writeBytes(temp.path() / "Folder.ovd" / "x", "");
    const OvSSSettings before = changedSettings();
    for (const wchar_t* name : {L"Broken", L"Missing", L"Folder", L"", L"..\\Company", L"a/b"}) {
        OvSSSettings s = before;
        EXPECT_FALSE(s.load(name)) << Tvx_String(name);
        EXPECT_EQ(s, before) << Tvx_String(name);
    }
}

TEST_F(SheetFilesTest, SavingNeedsValidSettingsAndAPlainName) {
    OvSSSettings never;
    EXPECT_FALSE(never.save(L"Never"));
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "Never.ovd"));
    OvSSSettings s;
    s.useDefaults();
    EXPECT_FALSE(s.save(L"..\\Outside"));
    EXPECT_EQ(toFileSystemPath(sheetSettingsFile(L"Name")), temp.path() / "Name.ovd");
}

}  // namespace
