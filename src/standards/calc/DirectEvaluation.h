// DirectEvaluation.h - computing a prepared equation straight from the calculation grid's
// cells, without placing it in its Calc cell: for sheets whose cells hold no formulas, where
// what an equation reads is always a stored value, so the grid's recalculation (dependents to
// mark, stale precedents to order) has nothing to do but costs most of the equation's time.
#pragma once

#include "core/Tvx_String.h"
#include "grid/Grid.h"
#include "grid/Value.h"
#include "grid/formula/Formula.h"

// The value `formula` computes in cell (col, row) of `grid`, as the grid computes it there
// (registered functions see the grid and the cell as current).
ovgrid::Value evaluateOnGrid(const ovgrid::CompiledFormula& formula, ovgrid::Grid& grid, int col,
                             int row);

// A computed value as the grid reads it back from its formula cell in value mode.
Tvx_String valueModeText(const ovgrid::Value& value);
