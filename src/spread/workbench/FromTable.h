// FromTable.h - the spreadsheet function FROMTABLE(table file, cell [, target cell]) or
// FROMTABLE(table file, key caption, value caption, key value): a value looked up in another
// sheet, answered by a hidden formula workbench.
#pragma once

#include "grid/CustomFunction.h"

class TSpread;

// Registers FROMTABLE (2 to 4 arguments, references passed as cells) on the grid.
bool registerFromTable(TSpread& grid);

// The grid's callback. Always succeeds; a call that cannot be answered leaves status 2.
bool fromTableFunction(ovgrid::SSValue* result, ovgrid::SSValue* args, int argCount);

// Workbenches nested inside one another through FROMTABLE, at most.
constexpr int kMaxFromTableDepth = 16;
