// ReaderTable.h - the formula cells reading each single cell, kept in pages of 16 consecutive
// rows of one column: a sheet's formulas read neighbouring cells, so a page holds the lists of a
// stretch of a column side by side, without a heap node per cell. Pages are found through a
// small open-addressing index. An empty list stands for a cell that no formula reads; pages
// left empty are dropped once they make up half of the table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "grid/CellStore.h"
#include "grid/ReaderList.h"

namespace ovgrid {

class ReaderTable {
  public:
    // The readers of `key`; null (or an empty list) when there are none.
    const ReaderList* find(CellKey key) const {
        const std::uint32_t page = findPage(pageKey(key));
        return page == kNone ? nullptr : &pages_[page].lists[slotOf(key)];
    }
    // Adds `reader` to the readers of `key`.
    void add(CellKey key, CellKey reader);
    // Takes one `reader` away from the readers of `key`; nothing when it is not there.
    void removeOne(CellKey key, CellKey reader);
    void clear();

    // Pages held, for tests.
    std::size_t pageCount() const { return pages_.size(); }

  private:
    static constexpr unsigned kPageRows = 16;
    static constexpr std::uint32_t kNone = UINT32_MAX;

    struct Page {
        CellKey key = 0;           // the key of its first slot
        std::uint32_t filled = 0;  // non-empty lists
        std::array<ReaderList, kPageRows> lists;
    };

    static CellKey pageKey(CellKey key) { return key & ~(CellKey{kPageRows - 1} << 32); }
    static unsigned slotOf(CellKey key) {
        return static_cast<unsigned>(key >> 32) & (kPageRows - 1);
    }
    std::size_t home(CellKey page) const {
        return static_cast<std::size_t>((page * 0x9E3779B97F4A7C15ull) >> shift_);
    }
    std::uint32_t findPage(CellKey page) const {
        if (index_.empty()) {
            return kNone;
        }
        const std::size_t mask = index_.size() - 1;
        for (std::size_t i = home(page);; i = (i + 1) & mask) {
            const std::uint32_t at = index_[i];
            if (at == kNone || pages_[at].key == page) {
                return at;
            }
        }
    }
    void link(std::uint32_t page);
    void rebuildIndex(std::size_t capacity);
    void dropEmptyPages();

    std::vector<Page> pages_;
    std::vector<std::uint32_t> index_;  // page numbers; power-of-two size, at most half full
    unsigned shift_ = 64;               // 64 - log2(index_.size())
    std::size_t emptyPages_ = 0;
};

}  // namespace ovgrid
