// ProfGridTest.cpp - showing a profile table in a grid and reading it back.
#include <gtest/gtest.h>

#include "ProfTestSupport.h"
#include "grid/GridTypes.h"
#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"

namespace {

class ProfGrid : public ::testing::Test {
  protected:
    static constexpr int kGridId = 1196;
    ProfGrid() {
        host.addControl(kGridId, {10, 10, 610, 410});
        EXPECT_TRUE(spread.create(&host, kGridId, true));
    }
    HeadlessGridHost host;
    Tvx_Spread spread;
};

TEST_F(ProfGrid, TableGoesIntoTheGridAndComesBack) {
    const Tvx_ProfValuesTable table = sampleIpe();
    ASSERT_TRUE(table.setToSS(spread));
    EXPECT_EQ(spread.getMaxRows(), 3);
    EXPECT_EQ(spread.getMaxCols(), 8);
    EXPECT_FALSE(spread.SSGetBool(Tvx_Spread::kPropChanged));
    Tvx_String header;
    spread.getCellText(ovgrid::HEADER, 2, header);
    EXPECT_EQ(header, L"IPE");

    Tvx_ProfValuesTable read;
    read.shape = L"5";
    ASSERT_TRUE(read.getFromSS(spread));
    EXPECT_EQ(read.typeName, L"IPE");
    EXPECT_EQ(read.shape, L"5");  // the grid does not hold the shape
    EXPECT_EQ(read.columnNames, table.columnNames);
    EXPECT_EQ(read.rows, table.rows);
}

TEST_F(ProfGrid, EmptyTableClearsTheGrid) {
    ASSERT_TRUE(sampleIpe().setToSS(spread));
    Tvx_ProfValuesTable empty;
    EXPECT_FALSE(empty.setToSS(spread));
    EXPECT_EQ(spread.getMaxRows(), 0);
    EXPECT_EQ(spread.getMaxCols(), 0);

    Tvx_ProfValuesTable read = sampleIpe();
    EXPECT_FALSE(read.getFromSS(spread));
    EXPECT_EQ(read.rows, sampleIpe().rows);
}

}  // namespace
