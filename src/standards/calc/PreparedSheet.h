// PreparedSheet.h - how a calculation grid and its equation cells are made ready, and the
// prepared copies of a sheet (OvPreparedSheet) built from them.
#pragma once

#include <memory>

#include "core/Tvx_StringArray.h"
#include "standards/OvValueType.h"
#include "standards/calc/CalcPlan.h"

class Tvx_Spread;
class OvVarCells;

// Grid properties of a calculation grid: design mode on, redraw off (never shown), property 12
// on, automatic calculation off (each equation computes when it is set).
void setCalculationProperties(Tvx_Spread& spread);

// The cell type of a Calc cell computing a variable of `type`: a String variable gets a wide
// edit cell, any other a number cell with 7 decimals.
void setEquationCellType(Tvx_Spread& spread, int col, int row, OvValueType type);

// The prepared copy of the plan's sheet for the general variables `names` and `values`, with
// the Calc header at (headerCol, headerRow) and `variables` the plan's bound list. Its sheet
// is null when preparing could change a result (see OvPreparedSheet) or when an equation of
// the sheet has no entry in the plan.
std::shared_ptr<const OvPreparedSheet> buildPreparedSheet(const OvCalcPlan& plan,
                                                          const OvVarCells& variables,
                                                          const Tvx_StringArray& names,
                                                          const Tvx_StringArray& values,
                                                          int headerCol, int headerRow);
