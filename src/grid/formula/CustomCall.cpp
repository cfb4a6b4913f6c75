// CustomCall.cpp - the bridge between the evaluator and registered functions.
//
// Arguments: a number arrives as a double, a text as is, a boolean as a long 0/1, an empty
// cell or empty argument with status empty. A reference arrives as a cell or range record
// when the function was registered with SS_CUSTFUNC_WANTCELLREF; without the flag it
// arrives as the value of its (top-left) cell. An error among the arguments is the result
// without calling the function. A wrong argument count gives #VALUE!, an unknown name
// #NAME?, a callback that fails #VALUE!.
#include "grid/formula/CustomCall.h"

#include <vector>

#include "grid/formula/Coerce.h"

namespace ovgrid::formula {

namespace {

// Fills `record` from a value; false when the value is an error.
bool recordFromValue(const Value& value, SSValue& record, ErrorCode& error) {
    switch (value.kind) {
        case Value::Kind::Empty:
            record.status = SS_VALUE_STATUS_EMPTY;
            return true;
        case Value::Kind::Number:
            record.status = SS_VALUE_STATUS_OK;
            record.type = SS_VALUE_TYPE_DOUBLE;
            record.dValue = value.number;
            return true;
        case Value::Kind::Text:
            record.status = SS_VALUE_STATUS_OK;
            record.type = SS_VALUE_TYPE_STR;
            record.text = value.text;
            return true;
        case Value::Kind::Boolean:
            record.status = SS_VALUE_STATUS_OK;
            record.type = SS_VALUE_TYPE_LONG;
            record.lValue = value.boolean ? 1 : 0;
            return true;
        case Value::Kind::Error:
            error = value.error;
            return false;
    }
    return false;
}

bool insideSheet(EvalContext& context, int col, int row) {
    return col >= 1 && row >= 1 && col <= context.maxCols() && row <= context.maxRows();
}

Operand resultFromRecord(const SSValue& result, EvalContext& context) {
    if (result.status == SS_VALUE_STATUS_EMPTY) {
        return result.type == SS_VALUE_TYPE_STR ? Operand::text(L"") : Operand::of(Value::empty());
    }
    if (result.status != SS_VALUE_STATUS_OK) {
        return Operand::error(ErrorCode::Value);
    }
    switch (result.type) {
        case SS_VALUE_TYPE_LONG:
            return Operand::number(double(result.lValue));
        case SS_VALUE_TYPE_DOUBLE:
            return Operand::of(numberOrError(result.dValue));
        case SS_VALUE_TYPE_STR:
            return Operand::text(result.text);
        case SS_VALUE_TYPE_CELL:
            if (!insideSheet(context, result.cell.col, result.cell.row)) {
                return Operand::error(ErrorCode::Ref);
            }
            return Operand::reference(
                {result.cell.col, result.cell.row, result.cell.col, result.cell.row});
        case SS_VALUE_TYPE_RANGE: {
            const SSCellRange& r = result.range;
            if (!insideSheet(context, r.col1, r.row1) || !insideSheet(context, r.col2, r.row2) ||
                r.col1 > r.col2 || r.row1 > r.row2) {
                return Operand::error(ErrorCode::Ref);
            }
            return Operand::reference({r.col1, r.row1, r.col2, r.row2});
        }
        default:
            return Operand::error(ErrorCode::Value);
    }
}

}  // namespace

Operand callCustomFunction(const std::wstring& upperName, CallFrame& frame) {
    EvalContext& context = frame.context();
    const CustomFunction* function = context.customFunction(upperName);
    if (function == nullptr || function->proc == nullptr) {
        return Operand::error(ErrorCode::Name);
    }
    const int argc = frame.count();
    if (argc < function->minArgs || argc > function->maxArgs) {
        return Operand::error(ErrorCode::Value);
    }
    const bool wantReferences = (function->flags & SS_CUSTFUNC_WANTCELLREF) != 0;
    // Kept per call: a callback may evaluate other formulas (nested sheets) before it returns.
    std::vector<SSValue> args(static_cast<std::size_t>(argc));
    for (int i = 0; i < argc; ++i) {
        const Operand& operand = frame.operand(i);
        SSValue& record = args[std::size_t(i)];
        if (operand.isMissing()) {
            record.status = SS_VALUE_STATUS_EMPTY;
            continue;
        }
        if (operand.isRef()) {
            const CellRange& r = operand.range;
            if (wantReferences) {
                record.status = SS_VALUE_STATUS_OK;
                if (operand.isSingleCell()) {
                    record.type = SS_VALUE_TYPE_CELL;
                    record.cell = {r.col1, r.row1};
                } else {
                    record.type = SS_VALUE_TYPE_RANGE;
                    record.range = {r.col1, r.row1, r.col2, r.row2};
                }
                continue;
            }
            ErrorCode error = ErrorCode::Value;
            if (!recordFromValue(context.cellValue(r.col1, r.row1), record, error)) {
                return Operand::error(error);
            }
            continue;
        }
        ErrorCode error = ErrorCode::Value;
        if (!recordFromValue(operand.value, record, error)) {
            return Operand::error(error);
        }
    }
    SSValue result;
    result.status = SS_VALUE_STATUS_EMPTY;
    result.type = SS_VALUE_TYPE_LONG;
    if (!function->proc(&result, args.data(), argc)) {
        return Operand::error(ErrorCode::Value);
    }
    return resultFromRecord(result, context);
}

}  // namespace ovgrid::formula
