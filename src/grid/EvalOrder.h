// EvalOrder.h - the order in which every formula of a grid computes, precedents first, and a
// table of the cells by position for the reads while it is walked. The order is worked out
// once and reused by every recalculation until a formula is added, removed or moved; the
// table until a cell is added or removed or the sheet resized. Both point into their own
// grid's cells, so a copied grid starts without them.
#pragma once

#include <cstdint>
#include <vector>

#include "grid/CellStore.h"

namespace ovgrid {

struct EvalOrder {
    enum class State : std::uint8_t {
        Stale,     // to be worked out again
        Ready,     // `cells` holds every formula cell
        Circular,  // some formulas read each other: recalculation orders per change instead
    };
    struct Entry {
        Cell* cell;
        CellKey key;
    };

    std::vector<Entry> cells;
    State state = State::Stale;

    // Cell (col, row) at positions[row * positionCols + col], null for an absent cell; empty
    // when not built or when the sheet is too sparse for a table.
    std::vector<Cell*> positions;
    int positionCols = 0;
    int positionRows = 0;
    bool positionsTried = false;  // built (or found too sparse) for the current cells

    // The last cell whose change reached a large share of the formulas. How far a change
    // reaches depends on the formulas alone, so it holds as long as the order does: the next
    // change there computes the sheet whole without marking first.
    CellKey wideChange = 0;
    bool hasWideChange = false;

    EvalOrder() = default;
    EvalOrder(const EvalOrder&) {}
    EvalOrder& operator=(const EvalOrder&) {
        invalidate();
        return *this;
    }
    EvalOrder(EvalOrder&&) noexcept = default;
    EvalOrder& operator=(EvalOrder&&) noexcept = default;
    ~EvalOrder() = default;

    void invalidate() {
        cells.clear();
        state = State::Stale;
        hasWideChange = false;
        cellsReshaped();
    }
    // A cell was added or removed, or the sheet resized: the table is out of date.
    void cellsReshaped() {
        positions.clear();
        positionCols = positionRows = 0;
        positionsTried = false;
    }
    Cell* at(int col, int row) const {
        return positions[static_cast<std::size_t>(row) * static_cast<std::size_t>(positionCols) +
                         static_cast<std::size_t>(col)];
    }
    bool covers(int col, int row) const {
        return !positions.empty() &&
               static_cast<unsigned>(col) < static_cast<unsigned>(positionCols) &&
               static_cast<unsigned>(row) < static_cast<unsigned>(positionRows);
    }
};

}  // namespace ovgrid
