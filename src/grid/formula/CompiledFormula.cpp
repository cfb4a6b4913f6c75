// CompiledFormula.cpp - life cycle of a compiled formula, compiling and the questions the
// grid asks about it (references read, volatility).
#include <algorithm>
#include <cstring>
#include <new>

#include "grid/formula/Bytecode.h"
#include "grid/formula/Parser.h"

namespace ovgrid {

using Impl = CompiledFormula::Impl;

Impl* Impl::allocate(const Impl& counts) {
    void* memory = ::operator new(counts.totalSize());
    Impl* impl = new (memory) Impl(counts);
    return impl;
}

Impl* Impl::create(const formula::ProgramBuilder& program) {
    Impl counts;
    counts.codeCount = static_cast<std::uint32_t>(program.code.size());
    counts.numberCount = static_cast<std::uint32_t>(program.numbers.size());
    counts.refCount = static_cast<std::uint32_t>(program.refs.size());
    counts.textCount = static_cast<std::uint32_t>(program.texts.size());
    counts.maxStack = program.maxStack;
    counts.hasCustomCalls = program.hasCustomCalls;
    Impl* impl = allocate(counts);
    std::copy(program.code.begin(), program.code.end(), impl->code().begin());
    std::copy(program.numbers.begin(), program.numbers.end(),
              impl->at<double>(impl->numbersOffset()));
    std::copy(program.refs.begin(), program.refs.end(), impl->refs().begin());
    impl->constructTexts(program.texts.data());
    return impl;
}

Impl* Impl::clone(const Impl& other) {
    Impl* impl = allocate(other);
    std::memcpy(impl->at<std::byte>(codeOffset()), other.at<std::byte>(codeOffset()),
                other.textsOffset() - codeOffset());
    impl->constructTexts(other.texts().data());
    return impl;
}

void Impl::constructTexts(const std::wstring* from) {
    // The count says how many texts destroy() ends: build them one by one.
    const std::uint32_t count = textCount;
    std::wstring* texts = at<std::wstring>(textsOffset());
    textCount = 0;
    try {
        for (; textCount < count; ++textCount) {
            new (texts + textCount) std::wstring(from[textCount]);
        }
    } catch (...) {
        destroy(this);
        throw;
    }
}

void Impl::destroy(Impl* impl) {
    if (impl == nullptr) {
        return;
    }
    std::wstring* texts = impl->at<std::wstring>(impl->textsOffset());
    for (std::uint32_t i = 0; i < impl->textCount; ++i) {
        texts[i].~basic_string();
    }
    impl->~Impl();
    ::operator delete(impl);
}

void CompiledFormula::ImplDelete::operator()(Impl* impl) const {
    Impl::destroy(impl);
}

CompiledFormula::CompiledFormula() : impl_(Impl::create({})) {}
CompiledFormula::~CompiledFormula() = default;
CompiledFormula::CompiledFormula(const CompiledFormula& other)
    : impl_(other.impl_ ? Impl::clone(*other.impl_) : nullptr) {}
CompiledFormula& CompiledFormula::operator=(const CompiledFormula& other) {
    if (this != &other) {
        impl_.reset(other.impl_ ? Impl::clone(*other.impl_) : nullptr);
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
    // Compiling reuses this thread's arrays: a warm compile allocates only the stored program.
    thread_local formula::ProgramBuilder program;
    program.clear();
    std::wstring message;
    if (!formula::parseFormula(text, style, col, row, program, message)) {
        if (error != nullptr) {
            *error = std::move(message);
        }
        return std::nullopt;
    }
    return CompiledFormula(Impl::create(program));
}

void CompiledFormula::forEachReference(const std::function<void(const CellRange&)>& visit) const {
    if (!impl_) {
        return;
    }
    const auto refs = impl_->refs();
    for (const formula::Instr& instr : impl_->code()) {
        if (instr.op == formula::Op::Ref || instr.op == formula::Op::Range) {
            const formula::RefEntry& ref = refs[instr.a];
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
