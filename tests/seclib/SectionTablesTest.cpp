// SectionTablesTest.cpp - the product's section tables: registering profile tables
// (setToGlobals), lookups by name and by value position, loading the library's ".pr" files.
#include <gtest/gtest.h>

#include "ProfTestSupport.h"
#include "core/sections/SectionLookup.h"
#include "core/sections/Tvx_SectionTableManager.h"
#include "host/HostServices.h"
#include "seclib/Tvx_ProfValuesTable.h"

namespace {

TEST(SectionTablesGlobals, ShapeNumberPassesAndDrawingGetsTheProfileFolder) {
    const struct {
        const wchar_t* shape;
        const wchar_t* registered;
    } cases[] = {{L"1", L"1"}, {L"24", L"24"}, {L"angle.dwg", L"Prof\\angle.dwg"}, {L"", L""}};
    for (const auto& c : cases) {
        Tvx_SectionTableManager manager;
        Tvx_ProfValuesTable table = sampleIpe();
        table.shape = c.shape;
        ASSERT_EQ(table.setToGlobals(&manager), Acad::eOk);
        ASSERT_EQ(manager.nrTables(), 1);
        EXPECT_EQ(manager.table(0)->shape, c.registered) << Tvx_String(c.shape);
        EXPECT_EQ(manager.table(0)->fileName, L"IPE.pr");
    }
}

TEST(SectionTablesGlobals, ActiveFlagColumnIsDroppedAndOldTableReplaced) {
    Tvx_SectionTableManager manager;
    ASSERT_EQ(sampleIpe().setToGlobals(&manager), Acad::eOk);
    Tvx_ProfValuesTable changed = sampleIpe();
    changed.rows.removeAt(2);
    changed.rows.append(texts({L"only"}));  // a row of one field keeps it
    ASSERT_EQ(changed.setToGlobals(&manager), Acad::eOk);

    ASSERT_EQ(manager.nrTables(), 1);
    const Tvx_SectionTable& table = *manager.table(0);
    EXPECT_EQ(table.columnNames,
              texts({L"SysName", L"Dutch", L"English", L"French", L"German", L"h", L"b"}));
    ASSERT_EQ(table.rows.length(), 3);
    EXPECT_EQ(table.rows[1],
              texts({L"120", L"IPE120", L"IPE120", L"IPE120", L"IPE120", L"120", L"64"}));
    EXPECT_EQ(table.rows[2], texts({L"only"}));
}

TEST(SectionTablesGlobals, RefusalsLeaveTheManagerAlone) {
    Tvx_ProfValuesTable table = sampleIpe();
    EXPECT_EQ(table.setToGlobals(nullptr), Acad::eInvalidInput);

    Tvx_SectionTableManager manager;
    ASSERT_EQ(table.setToGlobals(&manager), Acad::eOk);
    Tvx_ProfValuesTable noHeader = sampleIpe();
    noHeader.columnNames.removeAll();
    EXPECT_EQ(noHeader.setToGlobals(&manager), Acad::eInvalidInput);
    Tvx_ProfValuesTable noName = sampleIpe();
    noName.typeName.empty();
    EXPECT_EQ(noName.setToGlobals(&manager), Acad::eInvalidInput);
    EXPECT_EQ(manager.nrTables(), 1);
    EXPECT_EQ(manager.addSectionTable(L"ipe.pr", L"1", texts({L"SysName"}), {}),
              Acad::eInvalidInput);  // already registered, whatever the case
}

class SectionLookups : public ::testing::Test {
  protected:
    SectionLookups() {
        Tvx_ProfValuesTable hea = sampleIpe();
        hea.typeName = L"HEA";
        hea.rows = {sectionRow(L"200", L"1", L"HEA200", {L"190", L"200"})};
        hea.rows[0][2] = L"HEA 200 NL";
        sampleIpe().setToGlobals(&manager);
        hea.setToGlobals(&manager);
    }
    ~SectionLookups() override { gSettings.resetToDefaults(); }
    Tvx_SectionTableManager manager;
};

TEST_F(SectionLookups, FindsSectionsByFullNameOrUserNameIgnoringCase) {
    const struct {
        const wchar_t* name;
        const wchar_t* fullName;
    } cases[] = {
        {L"IPE-140", L"IPE-140"},    {L"ipe-140", L"IPE-140"},
        {L"IPE140", L"IPE-140"},     {L"hea200", L"HEA-200"},
        {L"HEA 200 NL", L"HEA-200"}, {L"IPE-120", L"IPE-120"}};  // inactive sections still resolve
    for (const auto& c : cases) {
        Tvx_String fullName;
        ASSERT_EQ(manager.getSystemName(c.name, fullName), Acad::eOk) << Tvx_String(c.name);
        EXPECT_EQ(fullName, c.fullName);
    }
    Tvx_String untouched = L"keep";
    for (const wchar_t* unknown : {L"IPE-999", L"IPE", L"", L"HEA-"}) {
        EXPECT_EQ(manager.getSystemName(unknown, untouched), Acad::eInvalidInput);
    }
    EXPECT_EQ(untouched, L"keep");
}

TEST_F(SectionLookups, ValuesByPositionAmongTheDimensionColumns) {
    const struct {
        const wchar_t* name;
        int position;
        Acad::ErrorStatus status;
        const wchar_t* value;
    } cases[] = {
        {L"IPE-140", 0, Acad::eOk, L"140"},         {L"IPE140", 1, Acad::eOk, L"73"},
        {L"HEA-200", 0, Acad::eOk, L"190"},         {L"IPE-140", 2, Acad::eInvalidInput, L""},
        {L"IPE-140", -1, Acad::eInvalidInput, L""}, {L"NONE", 0, Acad::eInvalidInput, L""}};
    for (const auto& c : cases) {
        Tvx_String value;
        EXPECT_EQ(manager.getValue(c.name, c.position, value), c.status)
            << Tvx_String(c.name) << " " << c.position;
        EXPECT_EQ(value, c.value);
    }
    Tvx_StringArray names;
    ASSERT_EQ(manager.getValueNames(L"IPE-100", names), Acad::eOk);
    EXPECT_EQ(names, texts({L"h", L"b"}));
}

TEST_F(SectionLookups, UserNameInTheWorkingLanguage) {
    const struct {
        const wchar_t* language;
        const wchar_t* userName;
    } cases[] = {{L"Dutch", L"HEA 200 NL"}, {L"English", L"HEA200"}, {L"Korean", L"HEA200"}};
    for (const auto& c : cases) {
        gSettings.workLanguage = c.language;
        Tvx_String userName;
        ASSERT_EQ(manager.getUserName(L"HEA-200", userName), Acad::eOk);
        EXPECT_EQ(userName, c.userName) << Tvx_String(c.language);
    }
}

TEST_F(SectionLookups, RemovingATableForgetsItsSections) {
    int index = -1;
    ASSERT_TRUE(manager.hasTable(L"IPE", index));
    ASSERT_TRUE(manager.removeTable(index));
    Tvx_String fullName;
    EXPECT_EQ(manager.getSystemName(L"IPE-140", fullName), Acad::eInvalidInput);
    EXPECT_EQ(manager.getSystemName(L"HEA-200", fullName), Acad::eOk);
    EXPECT_FALSE(manager.removeTable(5));
}

using SectionLibrary = TempLibraryTest;

TEST_F(SectionLibrary, BrokenFilesAreReportedAndSkipped) {
    ASSERT_TRUE(sampleIpe().writeToFile(L"IPE"));
    writeRaw("BROKEN.pr", "garbage\n");
    writeRaw("EMPTY.pr", "");
    writeRaw("NOHEADER.pr", "#ovss-table 1\n1\n");
    writeRaw("WRONGHEADER.pr", "#ovss-table 1\n1\nName\tValue\n");
    HostRecorder host;
    Tvx_StringArray problems;
    EXPECT_FALSE(gSectionTables.loadFromLibrary(gSettings.libDir, &problems));
    EXPECT_EQ(problems.length(), 4);
    EXPECT_EQ(gSectionTables.nrTables(), 1);

    Tvx_String value;
    EXPECT_EQ(getSectionValue(L"IPE-140", 1, value), Acad::eOk);
    EXPECT_EQ(value, L"73");
}

TEST_F(SectionLibrary, FreeFunctionsLoadOnFirstUseAndKeepTablesHandedIn) {
    Tvx_ProfValuesTable hea = sampleIpe();
    hea.typeName = L"HEA";
    for (int r = 0; r < hea.rows.length(); ++r) {
        hea.setUserNames(r, L"HEA" + hea.rows[r][0]);
    }
    ASSERT_TRUE(sampleIpe().writeToFile(L"IPE"));
    ASSERT_TRUE(hea.writeToFile(L"HEA"));

    // A fresh manager that loads itself, as the global does.
    Tvx_SectionTableManager manager(true);
    hea.rows[0][6] = L"101";
    ASSERT_EQ(hea.setToGlobals(&manager), Acad::eOk);  // loads the files first, then replaces
    ASSERT_EQ(manager.nrTables(), 2);
    Tvx_String value;
    ASSERT_EQ(manager.getValue(L"HEA-100", 0, value), Acad::eOk);
    EXPECT_EQ(value, L"101");

    ASSERT_TRUE(loadSectionTables(gSettings.libDir));
    Tvx_String name;
    ASSERT_EQ(getSectionName(L"IPE140", name), Acad::eOk);
    EXPECT_EQ(name, L"IPE-140");
    Tvx_StringArray columns;
    ASSERT_EQ(getSectionColumnNames(L"HEA-100", columns), Acad::eOk);
    EXPECT_EQ(columns, texts({L"h", L"b"}));
    EXPECT_EQ(getSectionValue(L"HEA-100", 0, value), Acad::eOk);
    EXPECT_EQ(value, L"100");
}

}  // namespace
