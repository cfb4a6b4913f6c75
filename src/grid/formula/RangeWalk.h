// RangeWalk.h - visiting the cells of a referenced block without copying it (read in place
// where the context offers StoredValues). Only the part inside the grid's used extent is
// read; cells beyond it are empty.
#pragma once

#include <algorithm>

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

// Calls visit(value) for each cell of the block row by row; stops when visit returns false.
template <typename Visit>
bool walkRange(const CellRange& range, EvalContext& context, Visit visit) {
    CellRange r = clampToSheet(range, context);
    if (const auto* stored = dynamic_cast<const StoredValues*>(&context)) {
        for (int row = r.row1; row <= r.row2; ++row) {
            for (int col = r.col1; col <= r.col2; ++col) {
                const Value* value = stored->storedValue(col, row);
                if (!(value != nullptr ? visit(*value) : visit(context.cellValue(col, row)))) {
                    return false;
                }
            }
        }
        return true;
    }
    for (int row = r.row1; row <= r.row2; ++row) {
        for (int col = r.col1; col <= r.col2; ++col) {
            if (!visit(context.cellValue(col, row))) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace ovgrid::formula
