// Evaluator.cpp - runs the postfix program of a compiled formula on a value stack.
//
// The loop never recurses. Each nesting level of evaluation (a cell whose value the grid
// computes while another formula reads it, or a registered function that evaluates another
// sheet) gets its own stack from a per-thread pool, sized once per formula, so no slot moves
// while a call holds a pointer into it and a warm evaluation allocates nothing.
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "grid/formula/Bytecode.h"
#include "grid/formula/Coerce.h"
#include "grid/formula/CustomCall.h"
#include "grid/formula/FunctionLibrary.h"
#include "grid/formula/StoredValues.h"

namespace ovgrid {

namespace {

using formula::Instr;
using formula::Op;
using formula::Operand;

struct StackPool {
    std::vector<std::unique_ptr<std::vector<Operand>>> levels;
    std::size_t depth = 0;
};

thread_local StackPool tStacks;

class StackLease {
  public:
    explicit StackLease(std::size_t size) {
        if (tStacks.levels.size() <= tStacks.depth) {
            tStacks.levels.push_back(std::make_unique<std::vector<Operand>>());
        }
        stack_ = tStacks.levels[tStacks.depth].get();
        ++tStacks.depth;
        if (stack_->size() < size) {
            stack_->resize(size);
        }
    }
    ~StackLease() { --tStacks.depth; }
    StackLease(const StackLease&) = delete;
    StackLease& operator=(const StackLease&) = delete;

    Operand* data() { return stack_->data(); }

  private:
    std::vector<Operand>* stack_;
};

void setNumber(Operand& slot, double x) {
    slot.kind = Operand::Kind::Value;
    if (!std::isfinite(x)) {
        slot.value.kind = Value::Kind::Error;
        slot.value.error = ErrorCode::Num;
        return;
    }
    slot.value.kind = Value::Kind::Number;
    slot.value.number = x == 0.0 ? 0.0 : x;
}

void setError(Operand& slot, ErrorCode e) {
    slot.kind = Operand::Kind::Value;
    slot.value.kind = Value::Kind::Error;
    slot.value.error = e;
}

void setBool(Operand& slot, bool b) {
    slot.kind = Operand::Kind::Value;
    slot.value.kind = Value::Kind::Boolean;
    slot.value.boolean = b;
}

class Machine {
  public:
    Machine(const CompiledFormula::Impl& impl, EvalContext& context, int col, int row,
            Operand* stack)
        : impl_(impl),
          numbers_(impl.numbers().data()),
          refs_(impl.refs().data()),
          context_(context),
          stored_(context.stored()),
          col_(col),
          row_(row),
          stack_(stack) {}

    Value run() {
        const Instr* code = impl_.code().data();
        const std::size_t size = impl_.code().size();
        std::size_t sp = 0;
        std::size_t pc = 0;
        while (pc < size) {
            const Instr& in = code[pc++];
            switch (in.op) {
                case Op::Number:
                    setNumber(stack_[sp++], numbers_[in.a]);
                    break;
                case Op::Text: {
                    Operand& slot = stack_[sp++];
                    slot.kind = Operand::Kind::Value;
                    slot.value.kind = Value::Kind::Text;
                    slot.value.text = impl_.texts()[in.a];
                    break;
                }
                case Op::Bool:
                    setBool(stack_[sp++], in.a != 0);
                    break;
                case Op::Error:
                    setError(stack_[sp++], ErrorCode(in.a));
                    break;
                case Op::Missing:
                    stack_[sp++].kind = Operand::Kind::Missing;
                    break;
                case Op::Name:
                    setError(stack_[sp++], ErrorCode::Name);
                    break;
                case Op::Ref:
                case Op::Range: {
                    const formula::RefEntry& ref = refs_[in.a];
                    Operand& slot = stack_[sp++];
                    slot.kind = Operand::Kind::Ref;
                    const int col1 = formula::resolvedCol(ref.first, col_);
                    const int row1 = formula::resolvedRow(ref.first, row_);
                    slot.range = {col1, row1, col1, row1};
                    if (in.op == Op::Range) {
                        // A block with one absolute and one relative corner may turn over.
                        const int col2 = formula::resolvedCol(ref.last, col_);
                        const int row2 = formula::resolvedRow(ref.last, row_);
                        slot.range = {std::min(col1, col2), std::min(row1, row2),
                                      std::max(col1, col2), std::max(row1, row2)};
                    }
                    break;
                }
                case Op::Neg:
                case Op::Percent: {
                    Operand& slot = stack_[sp - 1];
                    double x = 0.0;
                    ErrorCode e = ErrorCode::Value;
                    if (!number(slot, x, e)) {
                        setError(slot, e);
                    } else {
                        setNumber(slot, in.op == Op::Neg ? -x : x / 100.0);
                    }
                    break;
                }
                case Op::Pos:
                case Op::Paren:
                case Op::IfEnd:
                case Op::IfErrorEnd:
                    break;
                case Op::Add:
                case Op::Sub:
                case Op::Mul:
                case Op::Div:
                case Op::Pow:
                    arithmetic(in.op, stack_[sp - 2], stack_[sp - 1]);
                    --sp;
                    break;
                case Op::Concat:
                    concat(stack_[sp - 2], stack_[sp - 1]);
                    --sp;
                    break;
                case Op::Eq:
                case Op::Ne:
                case Op::Lt:
                case Op::Gt:
                case Op::Le:
                case Op::Ge:
                    compare(in.op, stack_[sp - 2], stack_[sp - 1]);
                    --sp;
                    break;
                case Op::Call: {
                    sp -= in.argc;
                    formula::CallFrame frame(context_, col_, row_, stack_ + sp, in.argc);
                    Operand result = formula::builtinAt(in.fn).impl(frame);
                    stack_[sp++] = std::move(result);
                    break;
                }
                case Op::CallCustom: {
                    sp -= in.argc;
                    formula::CallFrame frame(context_, col_, row_, stack_ + sp, in.argc);
                    Operand result = formula::callCustomFunction(impl_.texts()[in.a], frame);
                    stack_[sp++] = std::move(result);
                    break;
                }
                case Op::IfJumpFalse: {
                    Operand& slot = stack_[--sp];
                    bool condition = false;
                    ErrorCode e = ErrorCode::Value;
                    if (!formula::toBool(scalar(slot), condition, e)) {
                        setError(stack_[sp++], e);
                        pc = in.b;
                    } else if (!condition) {
                        pc = in.a;
                    }
                    break;
                }
                case Op::Jump:
                    pc = in.a;
                    break;
                case Op::IfNoElse:
                    setBool(stack_[sp++], false);
                    break;
                case Op::IfErrorJump: {
                    Operand& slot = stack_[sp - 1];
                    if (slot.kind == Operand::Kind::Value ? !slot.value.isError()
                                                          : !scalar(slot).isError()) {
                        pc = in.a;
                    } else {
                        --sp;
                    }
                    break;
                }
            }
        }
        if (sp == 0) {
            return Value::fromError(ErrorCode::Value);
        }
        Operand& top = stack_[sp - 1];
        if (top.kind == Operand::Kind::Value) {
            return std::move(top.value);
        }
        // A formula that shows an empty cell or an empty argument shows 0.
        Value v = scalar(top);
        return v.isEmpty() ? Value::fromNumber(0.0) : v;
    }

  private:
    Value scalar(const Operand& o) { return formula::scalarValue(o, context_, col_, row_); }

    bool number(const Operand& o, double& out, ErrorCode& e) {
        if (o.kind == Operand::Kind::Value && o.value.kind == Value::Kind::Number) {
            out = o.value.number;
            return true;
        }
        // A number in a referenced cell is read where it is stored, without a copy.
        if (o.kind == Operand::Kind::Ref && stored_ != nullptr && o.isSingleCell()) {
            const Value* v = stored_->storedValue(o.range.col1, o.range.row1);
            if (v != nullptr && v->kind == Value::Kind::Number) {
                out = v->number;
                return true;
            }
        }
        return formula::toNumber(scalar(o), out, e);
    }

    void arithmetic(Op op, Operand& left, const Operand& right) {
        double x = 0.0;
        double y = 0.0;
        ErrorCode e = ErrorCode::Value;
        if (!number(left, x, e) || !number(right, y, e)) {
            setError(left, e);
            return;
        }
        switch (op) {
            case Op::Add:
                setNumber(left, x + y);
                break;
            case Op::Sub:
                setNumber(left, x - y);
                break;
            case Op::Mul:
                setNumber(left, x * y);
                break;
            case Op::Div:
                if (y == 0.0) {
                    setError(left, ErrorCode::Div0);
                } else {
                    setNumber(left, x / y);
                }
                break;
            default:
                power(left, x, y);
                break;
        }
    }

    static void power(Operand& slot, double x, double y) {
        if (x == 0.0 && y == 0.0) {
            setError(slot, ErrorCode::Num);
        } else if (x == 0.0 && y < 0.0) {
            setError(slot, ErrorCode::Div0);
        } else if (x < 0.0 && y != std::floor(y)) {
            setError(slot, ErrorCode::Num);
        } else {
            setNumber(slot, std::pow(x, y));
        }
    }

    void concat(Operand& left, const Operand& right) {
        Value a = scalar(left);
        if (a.isError()) {
            setError(left, a.error);
            return;
        }
        Value b = scalar(right);
        if (b.isError()) {
            setError(left, b.error);
            return;
        }
        std::wstring text = formula::toText(a);
        formula::appendText(b, text);
        left.kind = Operand::Kind::Value;
        left.value.kind = Value::Kind::Text;
        left.value.text = std::move(text);
    }

    void compare(Op op, Operand& left, const Operand& right) {
        Value a = scalar(left);
        if (a.isError()) {
            setError(left, a.error);
            return;
        }
        Value b = scalar(right);
        if (b.isError()) {
            setError(left, b.error);
            return;
        }
        int c = formula::compareValues(a, b);
        bool result = false;
        switch (op) {
            case Op::Eq:
                result = c == 0;
                break;
            case Op::Ne:
                result = c != 0;
                break;
            case Op::Lt:
                result = c < 0;
                break;
            case Op::Gt:
                result = c > 0;
                break;
            case Op::Le:
                result = c <= 0;
                break;
            default:
                result = c >= 0;
                break;
        }
        setBool(left, result);
    }

    const CompiledFormula::Impl& impl_;
    const double* numbers_;
    const formula::RefEntry* refs_;
    EvalContext& context_;
    const StoredValues* stored_;
    int col_;
    int row_;
    Operand* stack_;
};

}  // namespace

Value evaluate(const CompiledFormula& formula, EvalContext& context, int col, int row) {
    const CompiledFormula::Impl* impl = formula.impl_;
    if (impl == nullptr || impl->codeCount == 0) {
        return Value::fromError(ErrorCode::Value);
    }
    try {
        StackLease stack(impl->maxStack + 1);
        Machine machine(*impl, context, col, row, stack.data());
        return machine.run();
    } catch (...) {
        // Out of memory, or a registered callback that threw: the formula fails, the grid
        // goes on.
        return Value::fromError(ErrorCode::Value);
    }
}

}  // namespace ovgrid
