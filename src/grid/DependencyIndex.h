// DependencyIndex.h - which formula cells read a given cell: the reverse of the formulas'
// references, so that a change reaches exactly the cells depending on it. Single cells are
// indexed directly; ranges through fixed tiles (large ranges in one list), so a block of
// range formulas costs a few entries per formula rather than one per referenced cell.
#pragma once

#include <functional>
#include <unordered_map>
#include <vector>

#include "grid/CellStore.h"
#include "grid/formula/Formula.h"

namespace ovgrid {

class DependencyIndex {
  public:
    void add(CellKey formulaCell, const CompiledFormula& formula);
    void remove(CellKey formulaCell, const CompiledFormula& formula);
    void clear();
    // Calls visit for every formula cell reading (col, row); a formula reading the cell
    // through several references may be visited more than once.
    template <typename Visit>
    void forEachDependent(int col, int row, Visit&& visit) const {
        if (auto it = singles_.find(cellKey(col, row)); it != singles_.end()) {
            for (CellKey k : it->second) {
                visit(k);
            }
        }
        if (!tiles_.empty()) {
            if (auto it = tiles_.find(tileKey(col >> kTileShift, row >> kTileShift));
                it != tiles_.end()) {
                for (const RangeEntry& e : it->second) {
                    if (contains(e.range, col, row)) {
                        visit(e.formulaCell);
                    }
                }
            }
        }
        for (const RangeEntry& e : bigRanges_) {
            if (contains(e.range, col, row)) {
                visit(e.formulaCell);
            }
        }
    }

  private:
    struct RangeEntry {
        CellRange range;
        CellKey formulaCell;
    };
    static constexpr int kTileShift = 5;  // 32 x 32 cells
    static constexpr long long kMaxTilesPerRange = 64;

    static std::uint64_t tileKey(int tileCol, int tileRow) { return cellKey(tileCol, tileRow); }
    void addRange(const CellRange& range, CellKey formulaCell);
    void removeRange(const CellRange& range, CellKey formulaCell);
    template <typename Visit>
    static void forEachTile(const CellRange& range, Visit visit);
    static bool isBig(const CellRange& range);
    static bool contains(const CellRange& r, int col, int row) {
        return col >= r.col1 && col <= r.col2 && row >= r.row1 && row <= r.row2;
    }

    std::unordered_map<CellKey, std::vector<CellKey>> singles_;
    std::unordered_map<std::uint64_t, std::vector<RangeEntry>> tiles_;
    std::vector<RangeEntry> bigRanges_;
};

}  // namespace ovgrid
