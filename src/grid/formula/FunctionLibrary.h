// FunctionLibrary.h - the built-in spreadsheet functions: a table of entries (name, argument
// counts, implementation) and the call frame through which an implementation reads its
// arguments.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "grid/formula/Formula.h"
#include "grid/formula/Operand.h"

namespace ovgrid::formula {

// The arguments of one call as they lie on the evaluation stack, with the conversions the
// functions apply. A failed conversion returns false and leaves the error in `error`.
class CallFrame {
  public:
    CallFrame(EvalContext& context, int col, int row, Operand* args, int argc)
        : context_(context), col_(col), row_(row), args_(args), argc_(argc) {}

    EvalContext& context() const { return context_; }
    int col() const { return col_; }
    int row() const { return row_; }
    int count() const { return argc_; }
    // True when argument i was not given or left empty, as in ROUND(1.5,).
    bool absent(int i) const { return i >= argc_ || args_[i].isMissing(); }
    const Operand& operand(int i) const { return args_[i]; }

    // The single value of argument i; a block gives the cell in the formula's row or column.
    Value value(int i) const;
    bool number(int i, double& out);
    bool numberOr(int i, double fallback, double& out);
    bool boolean(int i, bool& out);
    bool booleanOr(int i, bool fallback, bool& out);
    bool text(int i, std::wstring& out);

    Operand failure() const { return Operand::error(error); }

    ErrorCode error = ErrorCode::Value;

  private:
    EvalContext& context_;
    int col_;
    int row_;
    Operand* args_;
    int argc_;
};

// The value an operand has where a single value is expected: a reference to one cell gives
// that cell; a block gives the cell in the formula's row (one column) or column (one row),
// otherwise #VALUE!.
Value scalarValue(const Operand& operand, EvalContext& context, int col, int row);

using BuiltinImpl = Operand (*)(CallFrame& frame);

struct BuiltinFunction {
    const wchar_t* name;
    std::uint8_t minArgs;
    std::uint8_t maxArgs;
    BuiltinImpl impl;
};

// The entry of an upper-case name and its index in the table; null when it is no built-in.
const BuiltinFunction* findBuiltin(std::wstring_view upperName, std::uint16_t& index);
const BuiltinFunction& builtinAt(std::uint16_t index);

// The parts of the table, one per family of functions.
struct BuiltinSpan {
    const BuiltinFunction* begin;
    std::size_t size;
};
BuiltinSpan mathFunctions();
BuiltinSpan aggregateFunctions();
BuiltinSpan logicFunctions();
BuiltinSpan textFunctions();
BuiltinSpan lookupFunctions();

}  // namespace ovgrid::formula
