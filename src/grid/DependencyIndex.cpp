// DependencyIndex.cpp - reverse references by cell, and by shared range found through tiles
// or, for very large ranges, one list.
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

std::size_t DependencyIndex::RangeHash::operator()(const CellRange& r) const {
    std::uint64_t a = cellKey(r.col1, r.row1) * 0x9E3779B97F4A7C15ULL;
    std::uint64_t b = cellKey(r.col2, r.row2) * 0xC2B2AE3D27D4EB4FULL;
    return static_cast<std::size_t>(a ^ (b >> 29) ^ (b << 7));
}

void DependencyIndex::addRange(const CellRange& raw, CellKey formulaCell) {
    CellRange range = clampRange(raw);
    if (range.col1 == range.col2 && range.row1 == range.row2) {
        singles_.add(cellKey(range.col1, range.row1), formulaCell);
        return;
    }
    auto [found, created] = groupOf_.try_emplace(range, 0);
    if (!created) {
        groups_[found->second].formulas.push_back(formulaCell);
        return;
    }
    std::uint32_t id = 0;
    if (!freeGroups_.empty()) {
        id = freeGroups_.back();
        freeGroups_.pop_back();
        groups_[id] = RangeGroup{range, {formulaCell}, 0};
    } else {
        id = static_cast<std::uint32_t>(groups_.size());
        groups_.push_back(RangeGroup{range, {formulaCell}, 0});
    }
    found->second = id;
    if (isBig(range)) {
        bigRanges_.push_back(id);
    } else {
        forEachTile(range, [&](std::uint64_t tile) { tiles_[tile].push_back(id); });
    }
}

void DependencyIndex::removeRange(const CellRange& raw, CellKey formulaCell) {
    CellRange range = clampRange(raw);
    if (range.col1 == range.col2 && range.row1 == range.row2) {
        singles_.removeOne(cellKey(range.col1, range.row1), formulaCell);
        return;
    }
    auto found = groupOf_.find(range);
    if (found == groupOf_.end()) {
        return;
    }
    const std::uint32_t id = found->second;
    RangeGroup& group = groups_[id];
    eraseOne(group.formulas, [&](CellKey k) { return k == formulaCell; });
    if (!group.formulas.empty()) {
        return;
    }
    // The last reader is gone: the range leaves the index.
    auto isThis = [id](std::uint32_t other) { return other == id; };
    if (isBig(range)) {
        eraseOne(bigRanges_, isThis);
    } else {
        forEachTile(range, [&](std::uint64_t tile) {
            auto it = tiles_.find(tile);
            if (it != tiles_.end()) {
                eraseOne(it->second, isThis);
                if (it->second.empty()) {
                    tiles_.erase(it);
                }
            }
        });
    }
    group.formulas.shrink_to_fit();
    groupOf_.erase(found);
    freeGroups_.push_back(id);
}

void DependencyIndex::add(CellKey formulaCell, const CompiledFormula& formula) {
    formula.forEachReference(keyCol(formulaCell), keyRow(formulaCell),
                             [&](const CellRange& r) { addRange(r, formulaCell); });
}

void DependencyIndex::remove(CellKey formulaCell, const CompiledFormula& formula) {
    formula.forEachReference(keyCol(formulaCell), keyRow(formulaCell),
                             [&](const CellRange& r) { removeRange(r, formulaCell); });
}

std::uint32_t DependencyIndex::beginPass() {
    if (++pass_ == 0) {
        // Wrapped: no range may keep a pass number that comes round again.
        for (RangeGroup& g : groups_) {
            g.pass = 0;
        }
        pass_ = 1;
    }
    return pass_;
}

void DependencyIndex::clear() {
    singles_.clear();
    groups_.clear();
    freeGroups_.clear();
    groupOf_.clear();
    tiles_.clear();
    bigRanges_.clear();
}

}  // namespace ovgrid
