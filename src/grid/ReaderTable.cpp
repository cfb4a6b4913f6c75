// ReaderTable.cpp - adding and removing readers, and the page index.
#include "grid/ReaderTable.h"

#include <algorithm>
#include <bit>

namespace ovgrid {

namespace {

constexpr std::size_t kMinIndex = 16;

// The index size for `pages` pages: a power of two at least twice as large.
std::size_t indexSizeFor(std::size_t pages) {
    return std::max(kMinIndex, std::bit_ceil(2 * pages + 2));
}

}  // namespace

void ReaderTable::add(CellKey key, CellKey reader) {
    const CellKey first = pageKey(key);
    std::uint32_t page = findPage(first);
    if (page == kNone) {
        page = static_cast<std::uint32_t>(pages_.size());
        pages_.emplace_back().key = first;
        ++emptyPages_;
        if (indexSizeFor(pages_.size()) > index_.size()) {
            rebuildIndex(indexSizeFor(pages_.size()));
        } else {
            link(page);
        }
    }
    Page& p = pages_[page];
    ReaderList& list = p.lists[slotOf(key)];
    if (list.empty() && p.filled++ == 0) {
        --emptyPages_;
    }
    list.push_back(reader);
}

void ReaderTable::removeOne(CellKey key, CellKey reader) {
    const std::uint32_t page = findPage(pageKey(key));
    if (page == kNone) {
        return;
    }
    Page& p = pages_[page];
    ReaderList& list = p.lists[slotOf(key)];
    if (!list.eraseOne(reader) || !list.empty()) {
        return;
    }
    list = ReaderList();  // gives back a list's heap array
    if (--p.filled == 0 && ++emptyPages_ > 64 && emptyPages_ * 2 > pages_.size()) {
        dropEmptyPages();
    }
}

void ReaderTable::clear() {
    pages_.clear();
    index_.clear();
    shift_ = 64;
    emptyPages_ = 0;
}

void ReaderTable::link(std::uint32_t page) {
    const std::size_t mask = index_.size() - 1;
    std::size_t i = home(pages_[page].key);
    while (index_[i] != kNone) {
        i = (i + 1) & mask;
    }
    index_[i] = page;
}

void ReaderTable::rebuildIndex(std::size_t capacity) {
    index_.assign(capacity, kNone);
    shift_ = 64 - static_cast<unsigned>(std::countr_zero(capacity));
    for (std::uint32_t page = 0; page < pages_.size(); ++page) {
        link(page);
    }
}

void ReaderTable::dropEmptyPages() {
    std::erase_if(pages_, [](const Page& p) { return p.filled == 0; });
    emptyPages_ = 0;
    rebuildIndex(indexSizeFor(pages_.size()));
}

}  // namespace ovgrid
