// SheetSetupTest.cpp - a sheet initialised from settings, and applyTextSettings.
#include "spread/SheetTextSettings.h"
#include "spread/sheetfiles/OvSSRegistrySets.h"
#include "spread/sheetfiles/OvSheetTextSettings.h"
#include "spread/sheetfiles/SheetFilesFixture.h"
#include "spread/sheetfiles/SheetSetup.h"

using ovgrid::HEADER;

namespace {

const ovgrid::FontInfo& fontOf(const Tvx_Spread& spread, int col, int row) {
    return spread.grid()->font(spread.SSGetFont(col, row));
}

TEST_F(SheetFilesTest, ANewSheetGetsItsLayoutSwitchesAndFonts) {
    copyFixture("Company.ovd", "Company.ovd");
    OvSSSettings applied;
    ASSERT_TRUE(initSheetFromSettings(spread, L"Company", true, &applied));

    EXPECT_EQ(spread.getMaxCols(), 6);
    EXPECT_EQ(spread.getMaxRows(), 11);
    for (int code : {12, 25, 7, 21})
        EXPECT_TRUE(spread.SSGetBool(code)) << code;
    const ovgrid::Appearance& look = spread.grid()->appearance();
    EXPECT_EQ(look.twoCodeFirst, 4);
    EXPECT_EQ(look.twoCodeSecond, 5);
    EXPECT_EQ(look.cellNoteIndicator, 0);
    ovgrid::CellType type;
    ASSERT_TRUE(spread.SSGetCellType(6, 11, type));
    EXPECT_EQ(type.type, ovgrid::kTypeEdit);
    EXPECT_EQ(type.style, 4);
    EXPECT_EQ(type.maxLength, 100);

    EXPECT_EQ(applied.defaultFont, L"Arial");
    OvSSSettings inTag;
    inTag.readFromGrid(spread);
    EXPECT_EQ(inTag, applied);

    struct Expect {
        int col, row, weight;
    };
    for (const Expect& e : {Expect{1, 1, 400}, Expect{6, 11, 400}, Expect{HEADER, 11, 700},
                            Expect{HEADER, 0, 700}, Expect{6, HEADER, 700}}) {
        const ovgrid::FontInfo& font = fontOf(spread, e.col, e.row);
        EXPECT_EQ(font.face, L"Arial") << e.col << "," << e.row;
        EXPECT_EQ(font.height, 11) << e.col << "," << e.row;
        EXPECT_EQ(font.weight, e.weight) << e.col << "," << e.row;
    }
    const ovgrid::TextTip tip = spread.SSGetTextTip();
    EXPECT_EQ(tip.status, 2);
    EXPECT_EQ(tip.delay, 10);
}

TEST_F(SheetFilesTest, AnExistingSheetKeepsItsLayout) {
    spread.setMaxCols(2);
    spread.setMaxRows(3);
    ASSERT_TRUE(initSheetFromSettings(spread, L"Missing", false));
    EXPECT_EQ(spread.getMaxCols(), 2);
    EXPECT_EQ(spread.getMaxRows(), 3);
    EXPECT_FALSE(spread.grid()->hasCellType(1, 1));
    EXPECT_EQ(fontOf(spread, 2, 3).face, L"Tahoma");  // the defaults' font
    EXPECT_EQ(fontOf(spread, 2, 3).height, 13);
}

TEST_F(SheetFilesTest, SettingsFallBackToTheRegistryDefaultThenToDefaults) {
    OvSSSettings s;
    EXPECT_FALSE(resolveSheetSettings(L"Missing", s));
    EXPECT_TRUE(s.valid);
    EXPECT_EQ(s.defaultFont, L"Tahoma");

    copyFixture("Company.ovd", "Company.ovd");
    OvSSRegistrySets sets;
    sets.defaultSettingsName = L"Company";
    ASSERT_TRUE(sets.write());
    EXPECT_TRUE(resolveSheetSettings(L"Missing", s));
    EXPECT_EQ(s.defaultFont, L"Arial");
}

TEST_F(SheetFilesTest, SettingsWithoutAFontLeaveTheFontsAlone) {
    OvSSSettings s;
    s.useDefaults();
    s.defaultFont = L"";
    ASSERT_TRUE(s.save(L"NoFont"));
    spread.setMaxCols(1);
    spread.setMaxRows(1);
    const int before = spread.SSGetFont(1, 1);
    ASSERT_TRUE(initSheetFromSettings(spread, L"NoFont", false));
    EXPECT_EQ(spread.SSGetFont(1, 1), before);
}

TEST_F(SheetFilesTest, ApplyTextSettingsRunsThroughTheInstalledProvider) {
    copyFixture("Company.ovd", "Company.ovd");
    OvSheetTextSettings provider;
    bool applied = false;
    {
        ovbase::ScopedService<SheetTextSettingsProvider> installed(sheetTextSettingsProvider(),
                                                                   &provider);
        applied = spread.applyTextSettings(L"Company");
    }

    ASSERT_TRUE(applied);
    EXPECT_EQ(spread.getFontFace(), L"Arial");
    EXPECT_EQ(spread.getFontHeight(), 11);
    EXPECT_EQ(spread.getMaxCols(), 6);
    EXPECT_EQ(fontOf(spread, 3, 3).face, L"Arial");
    EXPECT_EQ(fontOf(spread, 3, HEADER).weight, 700);
}

}  // namespace
