// CustomFunction.h - functions that the module registers with a grid at run time, and the
// value records through which they receive their arguments and return their result.
#pragma once

#include <cstdint>
#include <string>

namespace ovgrid {

enum SSValueStatus : std::uint8_t {
    SS_VALUE_STATUS_OK = 0,
    SS_VALUE_STATUS_ERROR = 1,
    SS_VALUE_STATUS_EMPTY = 2,
};

enum SSValueType : std::uint8_t {
    SS_VALUE_TYPE_LONG = 0,
    SS_VALUE_TYPE_DOUBLE = 1,
    SS_VALUE_TYPE_STR = 2,
    SS_VALUE_TYPE_CELL = 3,
    SS_VALUE_TYPE_RANGE = 4,
};

struct SSCellCoord {
    int col = 0;
    int row = 0;
};

struct SSCellRange {
    int col1 = 0;
    int row1 = 0;
    int col2 = 0;
    int row2 = 0;
};

// One argument or the result of a registered function. Text travels as a wide string
// (it stands in for the global memory handle of the original records).
struct SSValue {
    std::uint8_t status = SS_VALUE_STATUS_EMPTY;
    std::uint8_t type = SS_VALUE_TYPE_LONG;
    long lValue = 0;
    double dValue = 0.0;
    std::wstring text;
    SSCellCoord cell;
    SSCellRange range;
};

// Flag for registration: arguments that are references arrive as cell (type 3) or range
// (type 4) records instead of the values they hold.
constexpr long SS_CUSTFUNC_WANTCELLREF = 1;

// The callback fills `result` and returns true, or returns false to make the formula fail
// (its cell then holds #VALUE!). `args` holds `argCount` evaluated argument records.
using SSCustomFunctionProc = bool (*)(SSValue* result, SSValue* args, int argCount);

struct CustomFunction {
    std::wstring name;  // upper case
    int minArgs = 0;
    int maxArgs = 0;
    SSCustomFunctionProc proc = nullptr;
    long flags = 0;
};

}  // namespace ovgrid
