// CompiledFormula.cpp - life cycle of a compiled formula, compiling and the questions the
// grid asks about it (references read, volatility).
#include <algorithm>
#include <array>
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

bool Impl::sameAs(const formula::ProgramBuilder& program) const {
    if (codeCount != program.code.size() || numberCount != program.numbers.size() ||
        refCount != program.refs.size() || textCount != program.texts.size() ||
        maxStack != program.maxStack || hasCustomCalls != program.hasCustomCalls) {
        return false;
    }
    const auto sameInstr = [](const formula::Instr& x, const formula::Instr& y) {
        return x.op == y.op && x.argc == y.argc && x.fn == y.fn && x.a == y.a && x.b == y.b;
    };
    // Numbers compare by their bits: -0 and 0 write back differently.
    const auto sameNumber = [](double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; };
    return std::equal(program.code.begin(), program.code.end(), code().begin(), sameInstr) &&
           std::equal(program.numbers.begin(), program.numbers.end(), numbers().begin(),
                      sameNumber) &&
           std::equal(program.refs.begin(), program.refs.end(), refs().begin()) &&
           std::equal(program.texts.begin(), program.texts.end(), texts().begin());
}

namespace formula {

RefEntry resolvedEntry(const RefEntry& stored, bool isRange, int col, int row) {
    RefEntry entry = stored;
    if (!isRange) {
        entry.last = entry.first;
    }
    for (RefPoint* p : {&entry.first, &entry.last}) {
        p->col = resolvedCol(*p, col);
        p->row = resolvedRow(*p, row);
    }
    if (entry.first.col > entry.last.col) {
        std::swap(entry.first.col, entry.last.col);
        std::swap(entry.first.colAbs, entry.last.colAbs);
    }
    if (entry.first.row > entry.last.row) {
        std::swap(entry.first.row, entry.last.row);
        std::swap(entry.first.rowAbs, entry.last.rowAbs);
    }
    return entry;
}

RefEntry storedEntry(const RefEntry& resolved, int col, int row) {
    RefEntry entry = resolved;
    for (RefPoint* p : {&entry.first, &entry.last}) {
        if (!p->colAbs) {
            p->col -= col;
        }
        if (!p->rowAbs) {
            p->row -= row;
        }
    }
    return entry;
}

}  // namespace formula

namespace {

// Drops one use of a program; the last use frees it.
void releaseProgram(Impl* impl) {
    if (impl != nullptr && impl->uses.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        Impl::destroy(impl);
    }
}

// Programs compiled shortly before in this thread, by a hash of their content: a filled
// block compiles each shape once. Only small programs are kept, so what the cache holds
// stays small.
class RecentPrograms {
  public:
    static constexpr std::size_t kSlots = 64;
    static constexpr std::size_t kMaxKeptSize = 512;

    ~RecentPrograms() {
        for (Impl* impl : slots_) {
            releaseProgram(impl);
        }
    }

    // The program for `program`: a kept one when equal, else a new one (kept if small).
    Impl* obtain(const formula::ProgramBuilder& program) {
        Impl*& slot = slots_[hashOf(program) % kSlots];
        if (slot != nullptr && slot->sameAs(program)) {
            slot->uses.fetch_add(1, std::memory_order_relaxed);
            return slot;
        }
        Impl* impl = Impl::create(program);
        if (impl->totalSize() <= kMaxKeptSize) {
            releaseProgram(slot);
            impl->uses.fetch_add(1, std::memory_order_relaxed);
            slot = impl;
        }
        return impl;
    }

  private:
    static std::uint64_t hashOf(const formula::ProgramBuilder& program) {
        std::uint64_t h = 0x9E3779B97F4A7C15ull ^ program.code.size();
        const auto mix = [&h](std::uint64_t v) {
            h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
        };
        for (const formula::Instr& in : program.code) {
            mix(std::uint64_t(in.op) | std::uint64_t(in.argc) << 8 | std::uint64_t(in.fn) << 16 |
                std::uint64_t(in.a) << 32);
            mix(in.b);
        }
        for (double n : program.numbers) {
            std::uint64_t bits = 0;
            std::memcpy(&bits, &n, sizeof bits);
            mix(bits);
        }
        for (const formula::RefEntry& r : program.refs) {
            mix(std::uint64_t(std::uint32_t(r.first.col)) << 32 | std::uint32_t(r.first.row));
            mix(std::uint64_t(std::uint32_t(r.last.col)) << 32 | std::uint32_t(r.last.row));
        }
        return h;
    }

    std::array<Impl*, kSlots> slots_{};
};

}  // namespace

CompiledFormula& CompiledFormula::operator=(const CompiledFormula& other) noexcept {
    other.retain();
    release();
    impl_ = other.impl_;
    return *this;
}

CompiledFormula& CompiledFormula::operator=(CompiledFormula&& other) noexcept {
    if (this != &other) {
        release();
        impl_ = other.impl_;
        other.impl_ = nullptr;
    }
    return *this;
}

void CompiledFormula::retain() const {
    if (impl_ != nullptr) {
        impl_->uses.fetch_add(1, std::memory_order_relaxed);
    }
}

void CompiledFormula::release() {
    releaseProgram(impl_);
    impl_ = nullptr;
}

Impl& CompiledFormula::ownProgram() {
    if (impl_->uses.load(std::memory_order_acquire) != 1) {
        Impl* copy = Impl::clone(*impl_);
        release();
        impl_ = copy;
    }
    return *impl_;
}

std::optional<CompiledFormula> CompiledFormula::compile(std::wstring_view text, RefStyle style,
                                                        int col, int row, std::wstring* error) {
    // Compiling reuses this thread's arrays: a warm compile allocates only the stored program,
    // and nothing when an equal program was compiled shortly before.
    thread_local formula::ProgramBuilder program;
    thread_local RecentPrograms recent;
    program.clear();
    std::wstring message;
    if (!formula::parseFormula(text, style, col, row, program, message)) {
        if (error != nullptr) {
            *error = std::move(message);
        }
        return std::nullopt;
    }
    for (formula::RefEntry& entry : program.refs) {
        entry = formula::storedEntry(entry, col, row);
    }
    return CompiledFormula(recent.obtain(program));
}

void CompiledFormula::forEachReference(int col, int row,
                                       const std::function<void(const CellRange&)>& visit) const {
    if (!impl_) {
        return;
    }
    const auto refs = impl_->refs();
    for (const formula::Instr& instr : impl_->code()) {
        if (instr.op == formula::Op::Ref || instr.op == formula::Op::Range) {
            const formula::RefEntry ref =
                formula::resolvedEntry(refs[instr.a], instr.op == formula::Op::Range, col, row);
            visit(CellRange{ref.first.col, ref.first.row, ref.last.col, ref.last.row});
        }
    }
}

bool CompiledFormula::isVolatile() const {
    return impl_ && impl_->hasCustomCalls;
}

}  // namespace ovgrid
