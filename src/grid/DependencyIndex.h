// DependencyIndex.h - which formula cells read a given cell: the reverse of the formulas'
// references, so that a change reaches exactly the cells depending on it. Single cells are
// indexed directly. Ranges are held once per distinct block with the formulas reading it (a
// row of formulas summing the row above shares one entry), and found through fixed tiles
// (very large ranges in one list), so a changed cell checks the few blocks of its tile rather
// than one entry per formula.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "grid/CellStore.h"
#include "grid/ReaderList.h"
#include "grid/ReaderTable.h"
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
        visitDependents(
            col, row, [](const RangeGroup&) { return true; }, visit);
    }

    // A marking pass: forEachDependent, except that the formulas of a shared range are
    // visited once per pass (a later cell of the same range adds nothing new to the pass).
    std::uint32_t beginPass();
    template <typename Visit>
    void forEachNewDependent(int col, int row, std::uint32_t pass, Visit&& visit) const {
        visitDependents(
            col, row,
            [pass](const RangeGroup& g) {
                if (g.pass == pass) {
                    return false;
                }
                g.pass = pass;
                return true;
            },
            visit);
    }

  private:
    struct RangeGroup {
        CellRange range;
        std::vector<CellKey> formulas;   // one entry per reference to the range
        mutable std::uint32_t pass = 0;  // the last marking pass that visited it
    };
    struct RangeHash {
        std::size_t operator()(const CellRange& r) const;
    };
    struct RangeEqual {
        bool operator()(const CellRange& a, const CellRange& b) const {
            return a.col1 == b.col1 && a.row1 == b.row1 && a.col2 == b.col2 && a.row2 == b.row2;
        }
    };
    static constexpr int kTileShift = 5;  // 32 x 32 cells
    static constexpr long long kMaxTilesPerRange = 64;

    template <typename Take, typename Visit>
    void visitDependents(int col, int row, Take take, Visit& visit) const {
        if (const ReaderList* readers = singles_.find(cellKey(col, row))) {
            for (CellKey k : *readers) {
                visit(k);
            }
        }
        auto scan = [&](const std::vector<std::uint32_t>& ids) {
            for (std::uint32_t id : ids) {
                const RangeGroup& g = groups_[id];
                if (contains(g.range, col, row) && take(g)) {
                    for (CellKey k : g.formulas) {
                        visit(k);
                    }
                }
            }
        };
        if (!tiles_.empty()) {
            if (auto it = tiles_.find(tileKey(col >> kTileShift, row >> kTileShift));
                it != tiles_.end()) {
                scan(it->second);
            }
        }
        scan(bigRanges_);
    }

    static std::uint64_t tileKey(int tileCol, int tileRow) { return cellKey(tileCol, tileRow); }
    void addRange(const CellRange& range, CellKey formulaCell);
    void removeRange(const CellRange& range, CellKey formulaCell);
    template <typename Visit>
    static void forEachTile(const CellRange& range, Visit visit);
    static bool isBig(const CellRange& range);
    static bool contains(const CellRange& r, int col, int row) {
        return col >= r.col1 && col <= r.col2 && row >= r.row1 && row <= r.row2;
    }

    ReaderTable singles_;
    std::vector<RangeGroup> groups_;
    std::vector<std::uint32_t> freeGroups_;
    std::unordered_map<CellRange, std::uint32_t, RangeHash, RangeEqual> groupOf_;
    std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> tiles_;
    std::vector<std::uint32_t> bigRanges_;
    std::uint32_t pass_ = 0;
};

}  // namespace ovgrid
