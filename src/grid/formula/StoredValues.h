// StoredValues.h - direct reads of stored cell values, for walks over ranges. An evaluation
// context that keeps its cells' values may offer this besides EvalContext, so that a SUM over
// a block reads each cell in place instead of copying its value out.
#pragma once

#include "grid/Value.h"

namespace ovgrid {

class StoredValues {
  public:
    // The value of cell (col, row) as EvalContext::cellValue would give it, or null where
    // that answer is not the stored value as it is (the caller then asks cellValue). The
    // value stays valid until the grid changes.
    virtual const Value* storedValue(int col, int row) const = 0;
    // storedValue for the `count` cells of `row` from `col1` on, into out[0..count); one call
    // for a run of cells, which a context may serve without a lookup per cell.
    virtual void storedValues(int row, int col1, int count, const Value** out) const {
        for (int i = 0; i < count; ++i) {
            out[i] = storedValue(col1 + i, row);
        }
    }

  protected:
    ~StoredValues() = default;
};

}  // namespace ovgrid
