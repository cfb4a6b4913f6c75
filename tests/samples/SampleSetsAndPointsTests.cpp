// SampleSetsAndPointsTests.cpp - the cutting-stock set and the DSTV point groups of the bundled
// library: they read as the dialogs read them, and the set's files are the newest of their kind.
#include "SampleLibrary.h"
#include "core/Paths.h"
#include "dialogs/cuttingstock/CuttingStockFiles.h"
#include "dialogs/dstv/DlgDstvPoints.h"

namespace {

using Rows = Tvx_Array<Tvx_StringArray>;

TEST_F(SampleLibrary, CuttingStockSetHoldsSixAndTwelveMetreStock) {
    const Tvx_String folder = cuttingStockFolder(L"Hall A");
    const Tvx_String stock = newestSetFile(folder, L"shp");
    ASSERT_EQ(getFileName(stock), L"Stock1.shp");
    Rows rows;
    Tvx_String error;
    ASSERT_TRUE(readSetFile(stock, rows, error)) << error.toUtf8();
    ASSERT_EQ(rows.length(), 6);
    EXPECT_EQ(rows[0], Tvx_StringArray({L"HEA200", L"6000", L"12"}));
    EXPECT_EQ(rows[2], Tvx_StringArray({L"IPE300", L"12000", L"10"}));
    for (const Tvx_StringArray& row : rows) {
        EXPECT_TRUE(row[1] == L"6000" || row[1] == L"12000") << row[1].toUtf8();
    }
    ASSERT_TRUE(readSetFile(newestSetFile(folder, L"buy"), rows, error)) << error.toUtf8();
    EXPECT_EQ(rows.length(), 3);
    EXPECT_EQ(proposedStockName(folder, L"shp"), L"Stock2.shp");
}

TEST_F(SampleLibrary, DstvPointGroupsReadWithTheirPoints) {
    Tvx_StringArray groups;
    DlgDstvPoints::getAllDstvPointsFiles(groups);
    EXPECT_EQ(groups, Tvx_StringArray({L"Base plates", L"Plates"}));
    Tvx_Array<Tvx_DstvPointInfo> points;
    Tvx_String error;
    ASSERT_TRUE(DlgDstvPoints::readFromFile(DlgDstvPoints::groupPath(L"Plates"), points, error))
        << error.toUtf8();
    ASSERT_EQ(points.length(), 3);
    EXPECT_EQ(points[1].name(), L"Corner hole");
    EXPECT_TRUE(points[1].selectIntersGeom());
    EXPECT_DOUBLE_EQ(points[1].drillRadius(), 22.0);
    ASSERT_TRUE(
        DlgDstvPoints::readFromFile(DlgDstvPoints::groupPath(L"Base plates"), points, error))
        << error.toUtf8();
    EXPECT_EQ(points.length(), 2);
}

}  // namespace
