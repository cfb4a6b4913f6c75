// The readers of one cell: held in place up to two, then on the heap; copies and moves keep
// every entry, taking one away keeps the others.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "grid/ReaderList.h"

using ovgrid::CellKey;
using ovgrid::ReaderList;

namespace {

std::vector<CellKey> sorted(const ReaderList& list) {
    std::vector<CellKey> keys(list.begin(), list.end());
    std::sort(keys.begin(), keys.end());
    return keys;
}

}  // namespace

TEST(ReaderList, KeepsEveryEntryThroughGrowthCopiesAndMoves) {
    ReaderList list;
    EXPECT_TRUE(list.empty());
    for (CellKey k = 1; k <= 5; ++k) {
        list.push_back(k * 10);
    }
    EXPECT_EQ(sorted(list), (std::vector<CellKey>{10, 20, 30, 40, 50}));

    ReaderList copy(list);
    EXPECT_TRUE(list.eraseOne(30));
    EXPECT_FALSE(list.eraseOne(30));
    EXPECT_EQ(sorted(list), (std::vector<CellKey>{10, 20, 40, 50}));
    EXPECT_EQ(copy.size(), 5u);

    ReaderList small;
    small.push_back(7);
    ReaderList moved(std::move(copy));
    copy = small;  // a moved-from list takes a new value
    EXPECT_EQ(sorted(copy), (std::vector<CellKey>{7}));
    EXPECT_EQ(sorted(moved), (std::vector<CellKey>{10, 20, 30, 40, 50}));

    small = std::move(moved);
    EXPECT_EQ(small.size(), 5u);
    for (CellKey k : {10, 20, 30, 40, 50}) {
        EXPECT_TRUE(small.eraseOne(k));
    }
    EXPECT_TRUE(small.empty());
    small.push_back(1);  // empty on the heap, filled again
    EXPECT_EQ(sorted(small), (std::vector<CellKey>{1}));
}
