// CompiledFormula.cpp - life cycle of a compiled formula, compiling and the questions the
// grid asks about it (references read, volatility).
#include "grid/formula/Bytecode.h"
#include "grid/formula/Parser.h"

namespace ovgrid {

CompiledFormula::CompiledFormula() : impl_(std::make_unique<Impl>()) {}
CompiledFormula::~CompiledFormula() = default;
CompiledFormula::CompiledFormula(const CompiledFormula& other)
    : impl_(std::make_unique<Impl>(*other.impl_)) {}
CompiledFormula& CompiledFormula::operator=(const CompiledFormula& other) {
    if (this != &other) {
        impl_ = std::make_unique<Impl>(*other.impl_);
    }
    return *this;
}
// A moved-from formula holds no program; every operation treats it as empty.
CompiledFormula::CompiledFormula(CompiledFormula&& other) noexcept
    : impl_(std::move(other.impl_)) {}
CompiledFormula& CompiledFormula::operator=(CompiledFormula&& other) noexcept {
    impl_.swap(other.impl_);
    return *this;
}

std::optional<CompiledFormula> CompiledFormula::compile(std::wstring_view text, RefStyle style,
                                                        int col, int row, std::wstring* error) {
    CompiledFormula formula;
    std::wstring message;
    if (!formula::parseFormula(text, style, col, row, *formula.impl_, message)) {
        if (error != nullptr) {
            *error = std::move(message);
        }
        return std::nullopt;
    }
    return formula;
}

void CompiledFormula::forEachReference(const std::function<void(const CellRange&)>& visit) const {
    if (!impl_) {
        return;
    }
    for (const formula::Instr& instr : impl_->code) {
        if (instr.op == formula::Op::Ref || instr.op == formula::Op::Range) {
            const formula::RefEntry& ref = impl_->refs[instr.a];
            CellRange range{ref.first.col, ref.first.row, ref.first.col, ref.first.row};
            if (instr.op == formula::Op::Range) {
                range.col2 = ref.last.col;
                range.row2 = ref.last.row;
            }
            visit(range);
        }
    }
}

bool CompiledFormula::isVolatile() const {
    return impl_ && impl_->hasCustomCalls;
}

}  // namespace ovgrid
