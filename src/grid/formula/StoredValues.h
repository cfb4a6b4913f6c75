// StoredValues.h - direct reads of stored cell values, for walks over ranges. An evaluation
// context that keeps its cells' values may offer this besides EvalContext, so that a SUM over
// a block reads each cell in place instead of copying its value out.
#pragma once

#include "grid/Value.h"

namespace ovgrid::formula {

class StoredValues {
  public:
    // The value of cell (col, row) as EvalContext::cellValue would give it, or null where
    // that answer is not the stored value as it is (the caller then asks cellValue). The
    // value stays valid until the grid changes.
    virtual const Value* storedValue(int col, int row) const = 0;

  protected:
    ~StoredValues() = default;
};

}  // namespace ovgrid::formula
