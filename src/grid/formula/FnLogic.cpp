// FnLogic.cpp - logical, information and position functions (IF, AND, ISBLANK, ROW, ...).
//
// IF and IFERROR are compiled into jumps so that only the branch taken is evaluated; their
// entries here give the argument counts and the name.
#include <cmath>

#include "grid/formula/Coerce.h"
#include "grid/formula/FunctionLibrary.h"
#include "grid/formula/RangeWalk.h"

namespace ovgrid::formula {

namespace {

Operand boolean(bool b) {
    return Operand::boolean(b);
}

Operand fnIf(CallFrame& f) {
    bool condition = false;
    if (!f.boolean(0, condition)) {
        return f.failure();
    }
    if (condition) {
        return f.operand(1);
    }
    return f.count() > 2 ? f.operand(2) : boolean(false);
}

Operand fnIfError(CallFrame& f) {
    return f.value(0).isError() ? f.operand(1) : f.operand(0);
}

// AND and OR: blocks contribute their numbers and booleans; other values given directly
// must convert to a boolean. No logical value at all is #VALUE!.
template <bool IsAnd>
Operand fnAndOr(CallFrame& f) {
    bool result = IsAnd;
    bool any = false;
    auto take = [&](bool b) {
        result = IsAnd ? (result && b) : (result || b);
        any = true;
    };
    for (int i = 0; i < f.count(); ++i) {
        const Operand& o = f.operand(i);
        if (o.isRef()) {
            bool ok = walkRange(o.range, f.context(), [&](const Value& v) {
                if (v.isError()) {
                    f.error = v.error;
                    return false;
                }
                if (v.isNumber()) {
                    take(v.number != 0.0);
                } else if (v.isBool()) {
                    take(v.boolean);
                }
                return true;
            });
            if (!ok) {
                return f.failure();
            }
            continue;
        }
        bool b = false;
        if (!o.isMissing() && !toBool(o.value, b, f.error)) {
            return f.failure();
        }
        take(b);
    }
    return any ? boolean(result) : Operand::error(ErrorCode::Value);
}

Operand fnNot(CallFrame& f) {
    bool b = false;
    if (!f.boolean(0, b)) {
        return f.failure();
    }
    return boolean(!b);
}

Operand fnTrue(CallFrame&) {
    return boolean(true);
}
Operand fnFalse(CallFrame&) {
    return boolean(false);
}
Operand fnNa(CallFrame&) {
    return Operand::error(ErrorCode::NA);
}

Operand fnChoose(CallFrame& f) {
    double index = 0.0;
    if (!f.number(0, index)) {
        return f.failure();
    }
    index = std::trunc(index);
    if (index < 1.0 || index > double(f.count() - 1)) {
        return Operand::error(ErrorCode::Value);
    }
    return f.operand(int(index));
}

template <bool (*Test)(const Value&)>
Operand isFunction(CallFrame& f) {
    return boolean(Test(f.value(0)));
}

bool isBlank(const Value& v) {
    return v.isEmpty();
}
bool isAnyError(const Value& v) {
    return v.isError();
}
bool isErrorButNa(const Value& v) {
    return v.isError() && v.error != ErrorCode::NA;
}
bool isNa(const Value& v) {
    return v.isError() && v.error == ErrorCode::NA;
}
bool isNumber(const Value& v) {
    return v.isNumber();
}
bool isText(const Value& v) {
    return v.isText();
}
bool isNonText(const Value& v) {
    return !v.isText();
}
bool isLogical(const Value& v) {
    return v.isBool();
}

template <bool Even>
Operand fnParity(CallFrame& f) {
    Value v = f.value(0);
    if (v.isBool()) {
        return Operand::error(ErrorCode::Value);
    }
    double x = 0.0;
    if (!toNumber(v, x, f.error)) {
        return f.failure();
    }
    bool isEven = std::fmod(std::trunc(x), 2.0) == 0.0;
    return boolean(isEven == Even);
}

// ROW and COLUMN: of the formula's cell, or of the top-left cell of a reference.
template <bool Row>
Operand fnPosition(CallFrame& f) {
    if (f.count() == 0 || f.absent(0)) {
        return Operand::number(Row ? f.row() : f.col());
    }
    const Operand& o = f.operand(0);
    if (!o.isRef()) {
        return o.value.isError() ? o : Operand::error(ErrorCode::Value);
    }
    return Operand::number(Row ? o.range.row1 : o.range.col1);
}

// ROWS and COLUMNS: the size of a block; a single value counts as one.
template <bool Rows>
Operand fnExtent(CallFrame& f) {
    const Operand& o = f.operand(0);
    if (!o.isRef()) {
        return o.value.isError() ? o : Operand::number(1);
    }
    const CellRange& r = o.range;
    return Operand::number(Rows ? r.row2 - r.row1 + 1 : r.col2 - r.col1 + 1);
}

constexpr BuiltinFunction kLogic[] = {
    {L"IF", 2, 3, fnIf},
    {L"IFERROR", 2, 2, fnIfError},
    {L"AND", 1, 255, fnAndOr<true>},
    {L"OR", 1, 255, fnAndOr<false>},
    {L"NOT", 1, 1, fnNot},
    {L"TRUE", 0, 0, fnTrue},
    {L"FALSE", 0, 0, fnFalse},
    {L"CHOOSE", 2, 255, fnChoose},
    {L"ISBLANK", 1, 1, isFunction<isBlank>},
    {L"ISERROR", 1, 1, isFunction<isAnyError>},
    {L"ISERR", 1, 1, isFunction<isErrorButNa>},
    {L"ISNA", 1, 1, isFunction<isNa>},
    {L"NA", 0, 0, fnNa},
    {L"ISNUMBER", 1, 1, isFunction<isNumber>},
    {L"ISTEXT", 1, 1, isFunction<isText>},
    {L"ISNONTEXT", 1, 1, isFunction<isNonText>},
    {L"ISLOGICAL", 1, 1, isFunction<isLogical>},
    {L"ISEVEN", 1, 1, fnParity<true>},
    {L"ISODD", 1, 1, fnParity<false>},
    {L"ROW", 0, 1, fnPosition<true>},
    {L"COLUMN", 0, 1, fnPosition<false>},
    {L"ROWS", 1, 1, fnExtent<true>},
    {L"COLUMNS", 1, 1, fnExtent<false>},
};

}  // namespace

BuiltinSpan logicFunctions() {
    return {kLogic, std::size(kLogic)};
}

}  // namespace ovgrid::formula
