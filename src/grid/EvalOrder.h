// EvalOrder.h - the order in which every formula of a grid computes, precedents first. It is
// worked out once and reused by every recalculation until a formula is added, removed or
// moved. It points into its own grid's cells, so a copied grid starts without one.
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
    }
};

}  // namespace ovgrid
