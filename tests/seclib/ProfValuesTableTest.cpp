// ProfValuesTableTest.cpp - the profile values table in memory: languages, columns, filtering,
// names and duplicating rows.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ProfTestSupport.h"
#include "core/Tvx_Settings.h"
#include "seclib/Tvx_ProfValuesTable.h"

namespace {

struct LanguageCase {
    const char* what;
    Tvx_StringArray header;
    int expected;
};

TEST(ProfValuesTableLanguages, KoreanAtIndexSixMakesFive) {
    const LanguageCase cases[] = {
        {"Korean at 6", fourLanguageHeader({L"Korean"}), 5},
        {"Korean at 6 with dimensions", fourLanguageHeader({L"Korean", L"h", L"b"}), 5},
        {"no seventh column", fourLanguageHeader({}), 4},
        {"Korean elsewhere",
         texts({L"SysName", L"I/O", L"Korean", L"Dutch", L"English", L"French", L"German"}), 4},
        {"Korean in other case", fourLanguageHeader({L"korean"}), 4},
        {"dimension at 6", fourLanguageHeader({L"h"}), 4},
        {"empty header", Tvx_StringArray{}, 4},
        {"short header with Korean", texts({L"SysName", L"I/O", L"Korean"}), 4},
    };
    for (const auto& c : cases) {
        Tvx_ProfValuesTable table;
        table.columnNames = c.header;
        EXPECT_EQ(table.getNrLanguages(), c.expected) << c.what;
    }
}

TEST(ProfValuesTableColumns, ReadsColumnsByIndexAndExactName) {
    Tvx_ProfValuesTable table = sampleIpe();
    table.rows[1].setLogicalLength(6);  // a short row reads as empty fields

    Tvx_StringArray column;
    ASSERT_TRUE(table.getColumn(column, L"b"));
    EXPECT_EQ(column, texts({L"55", L"", L"73"}));
    EXPECT_FALSE(table.getColumn(column, L"B"));  // names match exactly
    EXPECT_FALSE(table.getColumn(column, 8));     // beyond row 0
    EXPECT_FALSE(table.getColumn(column, -1));
    EXPECT_EQ(column, texts({L"55", L"", L"73"}));  // failures leave the output alone

    EXPECT_FALSE(Tvx_ProfValuesTable().getColumn(column, 0));
}

TEST(ProfValuesTableFilter, FlagZeroIsInactiveAndOtherFlagsCountAsFilteredOut) {
    Tvx_ProfValuesTable table = sampleIpe();
    table.rows.append(sectionRow(L"160", L"x", L"IPE160", {L"160", L"82"}));
    table.rows.append(sectionRow(L"180", L"1", L"IPE180", {L"180", L"91"}));

    Tvx_StringArray names;
    table.getSysNames(names);
    EXPECT_EQ(names, texts({L"IPE-100", L"IPE-120", L"IPE-140", L"IPE-160", L"IPE-180"}));
    table.getFilteredSysNames(names);
    EXPECT_EQ(names, texts({L"IPE-100", L"IPE-140", L"IPE-160", L"IPE-180"}));

    // row -> position among the filtered rows ("0" and "x" before it are not counted)
    const int expected[][2] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, -1}, {-1, -1}};
    for (const auto& [row, position] : expected) {
        EXPECT_EQ(table.getfilteredIdx(row), position) << "row " << row;
    }

    table.removeInactiveEntries();
    table.getSysNames(names);
    EXPECT_EQ(names, texts({L"IPE-100", L"IPE-140", L"IPE-160", L"IPE-180"}));
}

TEST(ProfValuesTableFilter, NamesStayEmptyWithoutAFlagColumn) {
    Tvx_ProfValuesTable table;
    table.typeName = L"X";
    table.rows.append(texts({L"1"}));
    Tvx_StringArray names = texts({L"stale"});
    table.getSysNames(names);
    EXPECT_TRUE(names.isEmpty());
}

TEST(ProfValuesTableNames, SettersCheckRowAndFieldCounts) {
    Tvx_ProfValuesTable table = sampleIpe();
    table.rows.append(Tvx_StringArray{});
    table.rows.append(texts({L"short", L"1", L"a"}));

    EXPECT_EQ(table.setSysName(0, L"105"), Acad::eOk);
    EXPECT_EQ(table.rows[0][0], L"105");
    EXPECT_EQ(table.setSysName(3, L"x"), Acad::eInvalidInput);  // no field at all
    EXPECT_EQ(table.setSysName(9, L"x"), Acad::eInvalidInput);

    EXPECT_EQ(table.setUserNames(2, L"Mine"), Acad::eOk);
    EXPECT_EQ(table.rows[2], sectionRow(L"140", L"1", L"Mine", {L"140", L"73"}));
    EXPECT_EQ(table.setUserNames(4, L"Mine"), Acad::eInvalidInput);  // fewer than L+2 fields

    int row = -1;
    EXPECT_TRUE(table.findSysName(L"140", row));
    EXPECT_EQ(row, 2);
    EXPECT_FALSE(table.findSysName(L"999", row));
    EXPECT_EQ(table.findUnusedSysName(L"140"), L"1401");
    EXPECT_EQ(table.findUnusedSysName(L"160"), L"160");
}

TEST(ProfValuesTableNames, SetValuesKeepsEveryDecimalAndRefusesBadCounts) {
    Tvx_ProfValuesTable table = sampleIpe();
    EXPECT_EQ(table.setValues(0, AcArray<double>{200.0, 1.25}), Acad::eOk);
    EXPECT_EQ(table.rows[0][6], L"200");
    EXPECT_EQ(table.rows[0][7], L"1.25");

    const Tvx_ProfValuesTable before = table;
    EXPECT_EQ(table.setValues(0, AcArray<double>{1.0}), Acad::eInvalidInput);
    EXPECT_EQ(table.setValues(7, AcArray<double>{1.0, 2.0}), Acad::eInvalidInput);
    EXPECT_EQ(table.setValues(0, AcArray<double>{1.0, std::nan("")}), Acad::eInvalidInput);
    EXPECT_EQ(table.setValues(0, AcArray<double>{1.0, std::numeric_limits<double>::infinity()}),
              Acad::eInvalidInput);
    EXPECT_EQ(table.rows, before.rows);
}

class ProfValuesTableInsert : public ::testing::Test {
  protected:
    ProfValuesTableInsert() { gSettings.workLanguage = L"English"; }
    ~ProfValuesTableInsert() override { gSettings.resetToDefaults(); }
};

TEST_F(ProfValuesTableInsert, CopyLandsBehindItsRowWithAFreshName) {
    Tvx_ProfValuesTable table = sampleIpe();
    ASSERT_TRUE(table.insertRow(0));
    ASSERT_EQ(table.rows.length(), 4);
    // Only the working language's user name follows the new system name.
    EXPECT_EQ(table.rows[1],
              texts({L"1001", L"1", L"IPE100", L"IPE1001", L"IPE100", L"IPE100", L"100", L"55"}));
    EXPECT_EQ(table.rows[0][0], L"100");
    EXPECT_EQ(table.rows[2][0], L"120");
}

TEST_F(ProfValuesTableInsert, LastRowCannotBeCopied) {
    Tvx_ProfValuesTable table = sampleIpe();
    const Tvx_ProfValuesTable before = table;
    EXPECT_FALSE(table.insertRow(2));
    EXPECT_FALSE(table.insertRow(7));
    EXPECT_EQ(table.rows, before.rows);
}

TEST_F(ProfValuesTableInsert, NamingRules) {
    struct Case {
        const char* what;
        const wchar_t* language;
        const wchar_t* sysName;
        const wchar_t* userName;
        const wchar_t* expectedSys;
        int nameColumn;
        const wchar_t* expectedUser;
    };
    const Case cases[] = {
        {"digits cut off", L"English", L"200", L"HEA200", L"2001", 3, L"HEA2001"},
        {"no digits: whole name is the prefix", L"English", L"S", L"Special", L"S1", 3,
         L"SpecialS1"},
        {"leading digits: type name", L"English", L"5x5", L"50x5", L"5x51", 3, L"IPE5x51"},
        {"empty system name: base 1", L"English", L"", L"IPE", L"1", 3, L"IPE1"},
        {"Dutch column", L"Dutch", L"200", L"IPE200", L"2001", 2, L"IPE2001"},
    };
    for (const auto& c : cases) {
        gSettings.workLanguage = c.language;
        Tvx_ProfValuesTable table = sampleIpe();
        table.rows[0] = sectionRow(c.sysName, L"1", c.userName, {L"1", L"2"});
        ASSERT_TRUE(table.insertRow(0)) << c.what;
        EXPECT_EQ(table.rows[1][0], c.expectedSys) << c.what;
        EXPECT_EQ(table.rows[1][c.nameColumn], c.expectedUser) << c.what;
    }
}

TEST_F(ProfValuesTableInsert, LanguageWithoutColumnOnlyRenames) {
    gSettings.workLanguage = L"Korean";
    Tvx_ProfValuesTable table = sampleIpe();
    ASSERT_TRUE(table.insertRow(0));
    EXPECT_EQ(table.rows[1],
              texts({L"1001", L"1", L"IPE100", L"IPE100", L"IPE100", L"IPE100", L"100", L"55"}));
}

TEST_F(ProfValuesTableInsert, BeforeTheFirstRowAnEmptySectionIsInserted) {
    Tvx_ProfValuesTable table = sampleIpe();
    ASSERT_TRUE(table.insertRow(-1));
    EXPECT_EQ(table.rows[0], texts({L"1", L"", L"", L"IPE1", L"", L"", L"", L""}));
}

TEST_F(ProfValuesTableInsert, NamedCopyKeepsTheOriginalSection) {
    Tvx_ProfValuesTable table = sampleIpe();
    ASSERT_EQ(table.insertRow(0, L"110", L"IPE110"), Acad::eOk);
    EXPECT_EQ(table.rows[0], sampleIpe().rows[0]);
    EXPECT_EQ(table.rows[1], sectionRow(L"110", L"1", L"IPE110", {L"100", L"55"}));

    const Tvx_ProfValuesTable before = table;
    EXPECT_EQ(table.insertRow(0, L"140", L"IPE140"), Acad::eInvalidInput);  // name in use
    EXPECT_EQ(table.insertRow(3, L"160", L"IPE160"), Acad::eInvalidInput);  // last row
    EXPECT_EQ(table.insertRow(-1, L"160", L"IPE160"), Acad::eInvalidInput);
    EXPECT_EQ(table.rows, before.rows);
}

}  // namespace
