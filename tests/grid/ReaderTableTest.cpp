// The readers of single cells, in pages of 16 rows of one column: each cell keeps its own
// readers whichever page holds it, removals take one entry, and pages left empty are given back.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "grid/ReaderTable.h"

using ovgrid::CellKey;
using ovgrid::cellKey;
using ovgrid::ReaderTable;

namespace {

std::vector<CellKey> readersOf(const ReaderTable& table, int col, int row) {
    std::vector<CellKey> keys;
    if (const ovgrid::ReaderList* list = table.find(cellKey(col, row))) {
        keys.assign(list->begin(), list->end());
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

TEST(ReaderTable, NeighboursAndFarCellsKeepTheirOwnReaders) {
    ReaderTable table;
    // Rows 15 and 16 fall in two pages, rows 16 and 31 in one; column 2 has pages of its own.
    table.add(cellKey(1, 15), 100);
    table.add(cellKey(1, 16), 200);
    table.add(cellKey(1, 31), 300);
    table.add(cellKey(2, 16), 400);
    table.add(cellKey(100000, 10000000), 500);
    table.add(cellKey(1, 16), 201);
    EXPECT_EQ(readersOf(table, 1, 15), (std::vector<CellKey>{100}));
    EXPECT_EQ(readersOf(table, 1, 16), (std::vector<CellKey>{200, 201}));
    EXPECT_EQ(readersOf(table, 1, 31), (std::vector<CellKey>{300}));
    EXPECT_EQ(readersOf(table, 2, 16), (std::vector<CellKey>{400}));
    EXPECT_EQ(readersOf(table, 100000, 10000000), (std::vector<CellKey>{500}));
    EXPECT_TRUE(readersOf(table, 1, 17).empty());
    EXPECT_TRUE(readersOf(table, 3, 16).empty());
    EXPECT_EQ(table.pageCount(), 4u);

    // A formula reading a cell twice is listed twice; a removal takes one entry.
    table.add(cellKey(1, 15), 100);
    table.removeOne(cellKey(1, 15), 100);
    EXPECT_EQ(readersOf(table, 1, 15), (std::vector<CellKey>{100}));
    table.removeOne(cellKey(1, 15), 999);  // not a reader: nothing changes
    table.removeOne(cellKey(7, 7), 100);   // no page there
    EXPECT_EQ(readersOf(table, 1, 15), (std::vector<CellKey>{100}));
    table.clear();
    EXPECT_TRUE(readersOf(table, 1, 16).empty());
    EXPECT_EQ(table.pageCount(), 0u);
}

TEST(ReaderTable, ManyCellsFindTheirReadersAndEmptiedPagesAreGivenBack) {
    ReaderTable table;
    for (int round = 0; round < 3; ++round) {
        // A thousand columns of 64 rows, read by formulas keyed after them; then all but the
        // first column is taken away again.
        for (int col = 1; col <= 1000; ++col) {
            for (int row = 1; row <= 64; ++row) {
                table.add(cellKey(col, row), cellKey(col + 1, row));
            }
        }
        for (int col = 1; col <= 1000; col += 97) {
            EXPECT_EQ(readersOf(table, col, 40), (std::vector<CellKey>{cellKey(col + 1, 40)}));
        }
        for (int col = 2; col <= 1000; ++col) {
            for (int row = 1; row <= 64; ++row) {
                table.removeOne(cellKey(col, row), cellKey(col + 1, row));
            }
        }
        EXPECT_EQ(readersOf(table, 1, 64), (std::vector<CellKey>{cellKey(2, 64)}));
        EXPECT_TRUE(readersOf(table, 500, 1).empty());
        // Column 1 keeps its 4 pages; emptied ones do not pile up round after round.
        EXPECT_LE(table.pageCount(), 4u + 2 * 64u);
        for (int row = 1; row <= 64; ++row) {
            table.removeOne(cellKey(1, row), cellKey(2, row));
        }
    }
}

}  // namespace
