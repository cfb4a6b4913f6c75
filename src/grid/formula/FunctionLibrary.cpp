// FunctionLibrary.cpp - the table of built-in functions assembled from the families, the
// lookup by name, and the argument conversions of the call frame.
#include "grid/formula/FunctionLibrary.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "grid/formula/Coerce.h"

namespace ovgrid::formula {

namespace {

const std::vector<BuiltinFunction>& table() {
    static const std::vector<BuiltinFunction> entries = [] {
        std::vector<BuiltinFunction> all;
        for (BuiltinSpan span : {mathFunctions(), aggregateFunctions(), logicFunctions(),
                                 textFunctions(), lookupFunctions()}) {
            all.insert(all.end(), span.begin, span.begin + span.size);
        }
        return all;
    }();
    return entries;
}

}  // namespace

const BuiltinFunction* findBuiltin(std::wstring_view upperName, std::uint16_t& index) {
    static const std::unordered_map<std::wstring_view, std::uint16_t> byName = [] {
        std::unordered_map<std::wstring_view, std::uint16_t> names;
        const auto& entries = table();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            names.emplace(entries[i].name, std::uint16_t(i));
        }
        return names;
    }();
    auto it = byName.find(upperName);
    if (it == byName.end()) {
        return nullptr;
    }
    index = it->second;
    return &table()[index];
}

const BuiltinFunction& builtinAt(std::uint16_t index) {
    return table()[index];
}

Value scalarValue(const Operand& operand, EvalContext& context, int col, int row) {
    if (operand.kind == Operand::Kind::Value) {
        return operand.value;
    }
    if (operand.isMissing()) {
        return Value::empty();
    }
    const CellRange& r = operand.range;
    if (r.col1 == r.col2 && r.row1 == r.row2) {
        return context.cellValue(r.col1, r.row1);
    }
    if (r.col1 == r.col2 && row >= r.row1 && row <= r.row2) {
        return context.cellValue(r.col1, row);
    }
    if (r.row1 == r.row2 && col >= r.col1 && col <= r.col2) {
        return context.cellValue(col, r.row1);
    }
    return Value::fromError(ErrorCode::Value);
}

Value CallFrame::value(int i) const {
    if (i >= argc_) {
        return Value::empty();
    }
    return scalarValue(args_[i], context_, col_, row_);
}

bool CallFrame::number(int i, double& out) {
    return toNumber(value(i), out, error);
}

// Only an argument that is not given takes the default; an empty one counts as 0 / FALSE.
bool CallFrame::numberOr(int i, double fallback, double& out) {
    if (i >= argc_) {
        out = fallback;
        return true;
    }
    return number(i, out);
}

bool CallFrame::boolean(int i, bool& out) {
    return toBool(value(i), out, error);
}

bool CallFrame::booleanOr(int i, bool fallback, bool& out) {
    if (i >= argc_) {
        out = fallback;
        return true;
    }
    return boolean(i, out);
}

bool CallFrame::text(int i, std::wstring& out) {
    Value v = value(i);
    if (v.isError()) {
        error = v.error;
        return false;
    }
    out = toText(v);
    return true;
}

}  // namespace ovgrid::formula
