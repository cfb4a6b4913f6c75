// ValueFunctions.cpp - ROUNDTO, GETARRAYITEM, TONUMBER, ISNULL and ISPOSITIVE.
#include "core/NumberHelpers.h"
#include "core/StringHelpers.h"
#include "standards/functions/CustomFunctions.h"
#include "standards/functions/FunctionArgs.h"

namespace ovfunctions {

bool roundTo(SSValue* result, SSValue* args, int argCount) {
    resetResult(result);
    double value = 0.0;
    double step = 0.0;
    if (!hasArgs(args, argCount, 2) || !getNumberArg(args[0], value) ||
        !getNumberArg(args[1], step)) {
        return false;
    }
    setNumberResult(result, ObjectExportRoundTo(value, step));
    return true;
}

bool getArrayItem(SSValue* result, SSValue* args, int argCount) {
    resetResult(result);
    Tvx_String list;
    double position = 0.0;
    if (!hasArgs(args, argCount, 2) || !getTextArg(args[0], list) ||
        !getNumberArg(args[1], position)) {
        return false;
    }
    const Tvx_StringArray items = strToArr(list, L";");
    int index = 0;
    // A position outside the list is an empty result, not a failure.
    setTextResult(result,
                  toZeroBasedIndex(position, items.length(), index) ? items[index] : Tvx_String());
    return true;
}

bool toNumber(SSValue* result, SSValue* args, int argCount) {
    resetResult(result);
    Tvx_String text;
    if (!hasArgs(args, argCount, 1) || !getTextArg(args[0], text)) {
        return false;
    }
    setNumberResult(result, text.toDouble());
    return true;
}

bool isNull(SSValue* result, SSValue* args, int argCount) {
    resetResult(result);
    if (!hasArgs(args, argCount, 1)) {
        return false;
    }
    if (isEmptyArg(args[0])) {
        setNumberResult(result, 1.0);
        return true;
    }
    Tvx_String text;
    double number = 0.0;
    if (getTextArg(args[0], text)) {
        setNumberResult(result, text.isEmpty() ? 1.0 : 0.0);
    } else if (getNumberArg(args[0], number)) {
        setNumberResult(result, number == 0.0 ? 1.0 : 0.0);
    } else {
        return false;
    }
    return true;
}

bool isPositive(SSValue* result, SSValue* args, int argCount) {
    resetResult(result);
    if (!hasArgs(args, argCount, 1)) {
        return false;
    }
    if (isEmptyArg(args[0])) {
        setNumberResult(result, 0.0);
        return true;
    }
    Tvx_String text;
    double number = 0.0;
    if (getTextArg(args[0], text)) {
        setNumberResult(result, !text.isEmpty() && text.toDouble() > 0.0 ? 1.0 : 0.0);
    } else if (getNumberArg(args[0], number)) {
        setNumberResult(result, number > 0.0 ? 1.0 : 0.0);
    } else {
        return false;
    }
    return true;
}

}  // namespace ovfunctions
