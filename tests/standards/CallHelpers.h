// CallHelpers.h - calling one of the module's spreadsheet functions directly and describing its
// result in one comparable text.
#pragma once

#include <string>
#include <vector>

#include "core/Tvx_String.h"
#include "grid/CustomFunction.h"

// "fail" for a failed call; "empty" / "empty text" for empty results; "n:<number>" for numbers
// (as the number-to-text conversion writes them with 6 decimals); "t:<text>" for texts.
inline std::wstring callFunction(ovgrid::SSCustomFunctionProc proc,
                                 std::vector<ovgrid::SSValue> args) {
    ovgrid::SSValue result;
    result.status = ovgrid::SS_VALUE_STATUS_OK;  // the callback must reset it
    result.type = ovgrid::SS_VALUE_TYPE_CELL;
    if (!proc(&result, args.data(), static_cast<int>(args.size()))) {
        const bool reset = result.status == ovgrid::SS_VALUE_STATUS_EMPTY &&
                           result.type == ovgrid::SS_VALUE_TYPE_LONG;
        return reset ? L"fail" : L"fail, result not reset";
    }
    if (result.status == ovgrid::SS_VALUE_STATUS_EMPTY) {
        return result.type == ovgrid::SS_VALUE_TYPE_STR ? L"empty text" : L"empty";
    }
    if (result.type == ovgrid::SS_VALUE_TYPE_DOUBLE) {
        return L"n:" + Tvx_String(result.dValue, 6, false).wstr();
    }
    if (result.type == ovgrid::SS_VALUE_TYPE_STR) {
        return L"t:" + result.text;
    }
    return L"unexpected result type";
}
