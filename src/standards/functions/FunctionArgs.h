// FunctionArgs.h - reading the argument records and filling the result record of the module's
// spreadsheet functions, with the acceptance rules every one of them shares.
#pragma once

#include "core/Tvx_String.h"
#include "grid/CustomFunction.h"

namespace ovfunctions {

using ovgrid::SSValue;

// The state every callback starts from and leaves behind when it fails: empty, type long.
void resetResult(SSValue* result);

// An ok record of type long or double; the long is widened to a double.
bool getNumberArg(const SSValue& arg, double& number);
// An ok record of type text, with one leading and one trailing double quote removed.
bool getTextArg(const SSValue& arg, Tvx_String& text);
bool isEmptyArg(const SSValue& arg);

void setNumberResult(SSValue* result, double number);
// An empty text is reported as an empty result of type text.
void setTextResult(SSValue* result, const Tvx_String& text);

// A 1-based position given as a number, made 0-based and truncated toward zero; false when it is
// not finite or lies outside [0, count), so that no out-of-range double is ever cast to an int.
bool toZeroBasedIndex(double position, int count, int& index);

// A number truncated toward zero; false when it is not finite or does not fit an int.
bool truncateToInt(double number, int& value);

// The callback's own argument-count check (the grid checks it too, but callers may not).
inline bool hasArgs(const SSValue* args, int argCount, int minimum) {
    return args != nullptr && argCount >= minimum;
}

}  // namespace ovfunctions
