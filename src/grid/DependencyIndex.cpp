// DependencyIndex.cpp - reverse references by cell, by tile and for very large ranges.
#include "grid/DependencyIndex.h"

#include <algorithm>

namespace ovgrid {
namespace {

template <typename T, typename Pred>
void eraseOne(std::vector<T>& items, Pred pred) {
    auto it = std::find_if(items.begin(), items.end(), pred);
    if (it != items.end()) {
        *it = std::move(items.back());
        items.pop_back();
    }
}

bool sameRange(const CellRange& a, const CellRange& b) {
    return a.col1 == b.col1 && a.row1 == b.row1 && a.col2 == b.col2 && a.row2 == b.row2;
}

CellRange clampRange(CellRange r) {
    r.col1 = std::clamp(r.col1, 1, kMaxGridCols);
    r.col2 = std::clamp(r.col2, 1, kMaxGridCols);
    r.row1 = std::clamp(r.row1, 1, kMaxGridRows);
    r.row2 = std::clamp(r.row2, 1, kMaxGridRows);
    if (r.col1 > r.col2) {
        std::swap(r.col1, r.col2);
    }
    if (r.row1 > r.row2) {
        std::swap(r.row1, r.row2);
    }
    return r;
}

}  // namespace

bool DependencyIndex::isBig(const CellRange& r) {
    long long tileCols = (r.col2 >> kTileShift) - (r.col1 >> kTileShift) + 1;
    long long tileRows = (r.row2 >> kTileShift) - (r.row1 >> kTileShift) + 1;
    return tileCols * tileRows > kMaxTilesPerRange;
}

template <typename Visit>
void DependencyIndex::forEachTile(const CellRange& r, Visit visit) {
    for (int tr = r.row1 >> kTileShift; tr <= (r.row2 >> kTileShift); ++tr) {
        for (int tc = r.col1 >> kTileShift; tc <= (r.col2 >> kTileShift); ++tc) {
            visit(tileKey(tc, tr));
        }
    }
}

void DependencyIndex::addRange(const CellRange& raw, CellKey formulaCell) {
    CellRange range = clampRange(raw);
    if (range.col1 == range.col2 && range.row1 == range.row2) {
        auto [entry, created] = singles_.try_emplace(cellKey(range.col1, range.row1));
        if (created) {
            entry->second.reserve(4);  // a cell is commonly read by a few formulas
        }
        entry->second.push_back(formulaCell);
    } else if (isBig(range)) {
        bigRanges_.push_back({range, formulaCell});
    } else {
        forEachTile(range, [&](std::uint64_t tile) {
            tiles_[tile].push_back({range, formulaCell});
        });
    }
}

void DependencyIndex::removeRange(const CellRange& raw, CellKey formulaCell) {
    CellRange range = clampRange(raw);
    auto matches = [&](const RangeEntry& e) {
        return e.formulaCell == formulaCell && sameRange(e.range, range);
    };
    if (range.col1 == range.col2 && range.row1 == range.row2) {
        auto it = singles_.find(cellKey(range.col1, range.row1));
        if (it != singles_.end()) {
            eraseOne(it->second, [&](CellKey k) { return k == formulaCell; });
            if (it->second.empty()) {
                singles_.erase(it);
            }
        }
    } else if (isBig(range)) {
        eraseOne(bigRanges_, matches);
    } else {
        forEachTile(range, [&](std::uint64_t tile) {
            auto& tiles = tiles_;
            auto it = tiles.find(tile);
            if (it != tiles.end()) {
                eraseOne(it->second, matches);
                if (it->second.empty()) {
                    tiles.erase(it);
                }
            }
        });
    }
}

void DependencyIndex::add(CellKey formulaCell, const CompiledFormula& formula) {
    formula.forEachReference([&](const CellRange& r) { addRange(r, formulaCell); });
}

void DependencyIndex::remove(CellKey formulaCell, const CompiledFormula& formula) {
    formula.forEachReference([&](const CellRange& r) { removeRange(r, formulaCell); });
}

void DependencyIndex::clear() {
    singles_.clear();
    tiles_.clear();
    bigRanges_.clear();
}

}  // namespace ovgrid
