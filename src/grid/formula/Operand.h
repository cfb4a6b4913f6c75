// Operand.h - one entry of the evaluation stack: a value, a reference kept lazily (so that
// aggregates walk a block through the grid instead of copying it), or an empty argument.
#pragma once

#include "grid/Value.h"
#include "grid/formula/Formula.h"

namespace ovgrid::formula {

struct Operand {
    enum class Kind : std::uint8_t { Value, Ref, Missing };

    Kind kind = Kind::Value;
    Value value;
    CellRange range;

    bool isRef() const { return kind == Kind::Ref; }
    bool isMissing() const { return kind == Kind::Missing; }
    bool isSingleCell() const { return range.col1 == range.col2 && range.row1 == range.row2; }

    static Operand of(Value v) {
        Operand o;
        o.value = std::move(v);
        return o;
    }
    static Operand number(double n) { return of(Value::fromNumber(n)); }
    static Operand error(ErrorCode e) { return of(Value::fromError(e)); }
    static Operand boolean(bool b) { return of(Value::fromBool(b)); }
    static Operand text(std::wstring t) { return of(Value::fromText(std::move(t))); }
    static Operand reference(const CellRange& r) {
        Operand o;
        o.kind = Kind::Ref;
        o.range = r;
        return o;
    }
};

}  // namespace ovgrid::formula
