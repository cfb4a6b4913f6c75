// CustomFunctions.h - the spreadsheet functions that the standards engine adds to a grid before
// every calculation: section data, lookup tables, standard sizes with tolerances, rounding, list
// and test functions. Each is a plain callback of the grid's registration entry: it fills the
// result record and returns true, or returns false (result left empty) to make the formula fail.
#pragma once

#include "grid/CustomFunction.h"

namespace ovgrid {
class Grid;
}

namespace ovfunctions {

using ovgrid::SSValue;

bool roundTo(SSValue* result, SSValue* args, int argCount);
bool getCell(SSValue* result, SSValue* args, int argCount);
bool getProfCell(SSValue* result, SSValue* args, int argCount);
bool sectionSize(SSValue* result, SSValue* args, int argCount);
bool getSysName(SSValue* result, SSValue* args, int argCount);
bool stdWidthWithTolerance(SSValue* result, SSValue* args, int argCount);
bool stdThicknessWithTolerance(SSValue* result, SSValue* args, int argCount);
bool stdSizeWithTolerance(SSValue* result, SSValue* args, int argCount);
bool getArrayItem(SSValue* result, SSValue* args, int argCount);
bool toNumber(SSValue* result, SSValue* args, int argCount);
bool isNull(SSValue* result, SSValue* args, int argCount);
bool isPositive(SSValue* result, SSValue* args, int argCount);

struct CustomFunctionEntry {
    const wchar_t* name;
    int minArgs;
    int maxArgs;
    ovgrid::SSCustomFunctionProc proc;
};

// The twelve functions in their registration order.
const CustomFunctionEntry* customFunctionTable(int& count);

}  // namespace ovfunctions

// Registers the twelve functions on `grid` in their fixed order (flags 0); true when the grid
// took every one of them. Registering again replaces the earlier entries.
bool registerCustomFunctions(ovgrid::Grid& grid);
