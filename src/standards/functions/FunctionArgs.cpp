// FunctionArgs.cpp - argument and result records of the module's spreadsheet functions.
#include "standards/functions/FunctionArgs.h"

#include <climits>
#include <cmath>

namespace ovfunctions {

using namespace ovgrid;

void resetResult(SSValue* result) {
    result->status = SS_VALUE_STATUS_EMPTY;
    result->type = SS_VALUE_TYPE_LONG;
    result->lValue = 0;
    result->dValue = 0.0;
    result->text.clear();
}

bool getNumberArg(const SSValue& arg, double& number) {
    if (arg.status != SS_VALUE_STATUS_OK) {
        return false;
    }
    if (arg.type == SS_VALUE_TYPE_LONG) {
        number = static_cast<double>(arg.lValue);
        return true;
    }
    if (arg.type == SS_VALUE_TYPE_DOUBLE) {
        number = arg.dValue;
        return true;
    }
    return false;
}

bool getTextArg(const SSValue& arg, Tvx_String& text) {
    if (arg.status != SS_VALUE_STATUS_OK || arg.type != SS_VALUE_TYPE_STR) {
        return false;
    }
    std::wstring value = arg.text;
    // Texts typed into a cell with their quotes arrive quoted; the quotes are not part of it.
    if (!value.empty() && value.front() == L'"') {
        value.erase(0, 1);
    }
    if (!value.empty() && value.back() == L'"') {
        value.pop_back();
    }
    text = Tvx_String(std::move(value));
    return true;
}

bool isEmptyArg(const SSValue& arg) {
    return arg.status == SS_VALUE_STATUS_EMPTY;
}

void setNumberResult(SSValue* result, double number) {
    result->status = SS_VALUE_STATUS_OK;
    result->type = SS_VALUE_TYPE_DOUBLE;
    result->dValue = number;
}

void setTextResult(SSValue* result, const Tvx_String& text) {
    result->status = text.isEmpty() ? SS_VALUE_STATUS_EMPTY : SS_VALUE_STATUS_OK;
    result->type = SS_VALUE_TYPE_STR;
    result->text = text.wstr();
}

bool toZeroBasedIndex(double position, int count, int& index) {
    const double zeroBased = std::trunc(position) - 1.0;
    if (!(zeroBased >= 0.0 && zeroBased < static_cast<double>(count))) {
        return false;  // also rejects NaN
    }
    index = static_cast<int>(zeroBased);
    return true;
}

bool truncateToInt(double number, int& value) {
    const double truncated = std::trunc(number);
    if (!(truncated >= static_cast<double>(INT_MIN) && truncated <= static_cast<double>(INT_MAX))) {
        return false;
    }
    value = static_cast<int>(truncated);
    return true;
}

}  // namespace ovfunctions
