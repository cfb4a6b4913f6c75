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
    void forEachDependent(int col, int row, const std::function<void(CellKey)>& visit) const;

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

    std::unordered_map<CellKey, std::vector<CellKey>> singles_;
    std::unordered_map<std::uint64_t, std::vector<RangeEntry>> tiles_;
    std::vector<RangeEntry> bigRanges_;
};

}  // namespace ovgrid
