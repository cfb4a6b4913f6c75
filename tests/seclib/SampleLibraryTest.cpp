// SampleLibraryTest.cpp - the bundled IPE, HEA and HEB tables read back through the profile
// table and the section tables, with real dimensions in millimetres.
#include <gtest/gtest.h>

#include "core/FileSystem.h"
#include "core/Tvx_Settings.h"
#include "core/sections/SectionLibraryFile.h"
#include "core/sections/Tvx_SectionTableManager.h"
#include "seclib/BuiltInShapes.h"
#include "seclib/Tvx_ProfValuesTable.h"

namespace {

class SampleLibrary : public ::testing::Test {
  protected:
    SampleLibrary() {
        gSettings.resetForTests(Tvx_String::fromUtf8(OVSS_SOURCE_DIR) + L"\\library\\",
                                Tvx_String::fromUtf8(OVSS_SOURCE_DIR) + L"\\library\\");
    }
    ~SampleLibrary() override { gSettings.resetToDefaults(); }
};

TEST_F(SampleLibrary, TablesHoldTheirSections) {
    const struct {
        const wchar_t* type;
        int sections;
        const wchar_t* first;
    } cases[] = {{L"IPE", 18, L"IPE-80"}, {L"HEA", 24, L"HEA-100"}, {L"HEB", 24, L"HEB-100"}};
    for (const auto& c : cases) {
        Tvx_ProfValuesTable table;
        ASSERT_TRUE(table.readFromFile(c.type)) << Tvx_String(c.type);
        EXPECT_EQ(table.shape, L"1");
        EXPECT_EQ(table.getNrLanguages(), 4);
        Tvx_StringArray names;
        table.getFilteredSysNames(names);
        ASSERT_EQ(names.length(), c.sections) << Tvx_String(c.type);
        EXPECT_EQ(names[0], c.first);
    }
}

TEST_F(SampleLibrary, DimensionsAreInMillimetres) {
    Tvx_SectionTableManager manager;
    Tvx_StringArray problems;
    ASSERT_TRUE(manager.loadFromLibrary(gSettings.libDir, &problems));
    const struct {
        const wchar_t* section;
        int position;  // h, b, tw, tf, r, m, A, ...
        double value;
    } cases[] = {{L"IPE200", 0, 200}, {L"IPE-200", 1, 100}, {L"IPE200", 2, 5.6},
                 {L"HEA200", 0, 190}, {L"HEA200", 3, 10},   {L"HEB-300", 4, 27},
                 {L"HEB300", 5, 117}, {L"IPE80", 0, 80}};
    for (const auto& c : cases) {
        Tvx_String value;
        ASSERT_EQ(manager.getValue(c.section, c.position, value), Acad::eOk)
            << Tvx_String(c.section);
        EXPECT_DOUBLE_EQ(value.toDouble(), c.value) << Tvx_String(c.section) << " " << c.position;
    }
    Tvx_StringArray names;
    ASSERT_EQ(manager.getValueNames(L"HEA-200", names), Acad::eOk);
    for (const wchar_t* column :
         {L"h", L"b", L"tw", L"tf", L"r", L"m", L"A", L"Iy", L"Iz", L"Wel_y", L"Wpl_y"}) {
        EXPECT_TRUE(names.contains(column, true)) << Tvx_String(column);
    }
}

}  // namespace

// The bundled groups and types, and the cold-formed sigma type with its shape and picture.
TEST_F(SampleLibrary, SectionLibraryListsEveryBundledTypeWithItsTable) {
    DlgEditLibData data;
    Tvx_String error;
    ASSERT_TRUE(readSectionLibrary(sectionLibraryPath(), data, error)) << error;
    ASSERT_EQ(data.groups.length(), 2);
    EXPECT_EQ(data.groups.getName(1), L"Cold formed");
    ASSERT_EQ(data.types.length(), 4);
    for (const SectionType& type : data.types) {
        Tvx_ProfValuesTable table;
        EXPECT_TRUE(table.readFromFile(type.profTable)) << type.profTable;
        EXPECT_GE(data.groups.indexOfId(type.groupId), 0) << type.profTable;
    }
    Tvx_ProfValuesTable sigma;
    ASSERT_TRUE(sigma.readFromFile(L"SIGMA"));
    EXPECT_EQ(sigma.shape, L"18");
    EXPECT_EQ(sigma.rows.length(), 6);
    EXPECT_EQ(sigma.columnNames.length(), 6 + defaultDimensionNames(18).length());
    EXPECT_TRUE(fileExists(gSettings.libDir + L"User Sections\\Sigma 200.bmp"));
    EXPECT_TRUE(fileExists(gSettings.tvxDir + L"icons\\ProfSectionSigma-big.bmp"));
}
