// RangeWalk.h - visiting the cells of a referenced block without copying it (read in place
// where the context offers StoredValues). Only the part inside the grid's used extent is
// read; cells beyond it are empty.
#pragma once

#include <algorithm>
#include <vector>

#include "grid/formula/Formula.h"
#include "grid/formula/StoredValues.h"

namespace ovgrid::formula {

// The part of `range` that lies inside the grid's extent (may be empty: col1 > col2).
inline CellRange clampToSheet(const CellRange& range, const EvalContext& context) {
    CellRange r = range;
    r.col2 = std::min(r.col2, context.maxCols());
    r.row2 = std::min(r.row2, context.maxRows());
    return r;
}

// Calls visitRun(values, count) for runs of up to kRangeRun cells of the block, row by row,
// each value as EvalContext::cellValue gives it; stops when visitRun returns false. Stored
// values are read in place, a run at a time.
constexpr int kRangeRun = 64;

template <typename VisitRun>
bool walkRangeRuns(const CellRange& range, EvalContext& context, VisitRun visitRun) {
    CellRange r = clampToSheet(range, context);
    const StoredValues* stored = context.stored();
    const Value* values[kRangeRun];
    std::vector<Value> computed;  // values the context computes; made on first need
    for (int row = r.row1; row <= r.row2; ++row) {
        for (int col = r.col1; col <= r.col2; col += kRangeRun) {
            const int count = std::min(kRangeRun, r.col2 - col + 1);
            if (stored != nullptr) {
                stored->storedValues(row, col, count, values);
            } else {
                std::fill(values, values + count, nullptr);
            }
            for (int i = 0; i < count; ++i) {
                if (values[i] == nullptr) {
                    computed.resize(kRangeRun);
                    computed[i] = context.cellValue(col + i, row);
                    values[i] = &computed[i];
                }
            }
            if (!visitRun(static_cast<const Value* const*>(values), count)) {
                return false;
            }
        }
    }
    return true;
}

// Calls visit(value) for each cell of the block row by row; stops when visit returns false.
template <typename Visit>
bool walkRange(const CellRange& range, EvalContext& context, Visit visit) {
    return walkRangeRuns(range, context, [&](const Value* const* values, int count) {
        for (int i = 0; i < count; ++i) {
            if (!visit(*values[i])) {
                return false;
            }
        }
        return true;
    });
}

}  // namespace ovgrid::formula
