// Bytecode.h - the compiled form of a formula: a flat postfix program with its constant pools.
//
// A relative coordinate of a reference is stored as its distance from the formula's cell, an
// absolute one as the coordinate itself. A program therefore does not depend on where its
// formula stands, and the formulas of a filled block (=A1+1, =A2+1, ...) share one program.
// Whoever reads a reference resolves it against the formula's cell.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "grid/formula/Formula.h"

namespace ovgrid::formula {

enum class Op : std::uint8_t {
    Number,   // a: index into numbers
    Text,     // a: index into texts
    Bool,     // a: 0 or 1
    Error,    // a: ErrorCode
    Missing,  // an empty argument such as the middle one of IF(A1,,1)
    Name,     // a: index into texts; an unknown name, evaluates to #NAME?
    Ref,      // a: index into refs, one cell
    Range,    // a: index into refs, a block
    Neg,
    Pos,
    Percent,
    Add,
    Sub,
    Mul,
    Div,
    Pow,
    Concat,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    Paren,        // only kept to write the formula back as typed
    Call,         // fn: built-in index, argc: argument count
    CallCustom,   // a: index into texts (upper-case name), argc: argument count
    IfJumpFalse,  // a: start of the else branch, b: end of the IF
    Jump,         // a: target
    IfNoElse,     // pushes FALSE for IF(c, x) without else; not written back
    IfEnd,        // argc: argument count of the IF, for writing it back
    IfErrorJump,  // a: end; keeps a value that is no error and skips the alternative
    IfErrorEnd,
};

struct Instr {
    Op op;
    std::uint8_t argc = 0;
    std::uint16_t fn = 0;
    std::uint32_t a = 0;
    std::uint32_t b = 0;
};

struct RefPoint {
    int col = 0;
    int row = 0;
    bool colAbs = false;
    bool rowAbs = false;

    bool operator==(const RefPoint&) const = default;
};

// One cell (first only) or a block. Resolved against the formula's cell, a block is
// normalised: first is top-left, last bottom-right.
struct RefEntry {
    RefPoint first;
    RefPoint last;

    bool operator==(const RefEntry&) const = default;
};

inline int resolvedCol(const RefPoint& p, int col) {
    return p.colAbs ? p.col : p.col + col;
}
inline int resolvedRow(const RefPoint& p, int row) {
    return p.rowAbs ? p.row : p.row + row;
}

// The entry with the coordinates it points at from cell (col, row), normalised: a block with
// one absolute and one relative corner turns over in some places, and each coordinate keeps
// its own absolute flag. A single cell (not `isRange`) comes back as a block of one.
RefEntry resolvedEntry(const RefEntry& stored, bool isRange, int col, int row);
// The stored form of an entry whose coordinates are those it points at from (col, row).
RefEntry storedEntry(const RefEntry& resolved, int col, int row);

// Largest sheet a reference may point into (as the common spreadsheets).
constexpr int kMaxSheetCols = 16384;
constexpr int kMaxSheetRows = 1048576;
// Limits that keep compiling and evaluating bounded on any input.
constexpr std::size_t kMaxFormulaLength = 65536;
constexpr int kMaxNestingDepth = 256;
constexpr int kMaxArguments = 255;

}  // namespace ovgrid::formula

namespace ovgrid::formula {

// A formula's program while it is compiled: growing arrays, reused from one compile to the
// next (see Impl::create for the stored form).
struct ProgramBuilder {
    std::vector<Instr> code;
    std::vector<double> numbers;
    std::vector<std::wstring> texts;
    std::vector<RefEntry> refs;
    std::uint32_t maxStack = 0;
    bool hasCustomCalls = false;

    void clear() {
        code.clear();
        numbers.clear();
        texts.clear();
        refs.clear();
        maxStack = 0;
        hasCustomCalls = false;
    }
};

}  // namespace ovgrid::formula

namespace ovgrid {

// The stored program: this header with the code, numbers, references and texts right behind
// it in the same allocation (one allocation a formula; a sheet holds many).
struct CompiledFormula::Impl {
    // Handles that share this program; a program in use by more than one is never changed.
    mutable std::atomic<std::uint32_t> uses{1};
    std::uint32_t codeCount = 0;
    std::uint32_t numberCount = 0;
    std::uint32_t refCount = 0;
    std::uint32_t textCount = 0;
    std::uint32_t maxStack = 0;
    bool hasCustomCalls = false;

    Impl() = default;
    // The counts of `other`, used by one.
    Impl(const Impl& other)
        : codeCount(other.codeCount),
          numberCount(other.numberCount),
          refCount(other.refCount),
          textCount(other.textCount),
          maxStack(other.maxStack),
          hasCustomCalls(other.hasCustomCalls) {}
    Impl& operator=(const Impl&) = delete;

    static Impl* create(const formula::ProgramBuilder& program);
    static Impl* clone(const Impl& other);
    static void destroy(Impl* impl);

    std::span<formula::Instr> code() { return {at<formula::Instr>(codeOffset()), codeCount}; }
    std::span<const formula::Instr> code() const {
        return {at<formula::Instr>(codeOffset()), codeCount};
    }
    std::span<const double> numbers() const { return {at<double>(numbersOffset()), numberCount}; }
    std::span<formula::RefEntry> refs() { return {at<formula::RefEntry>(refsOffset()), refCount}; }
    std::span<const formula::RefEntry> refs() const {
        return {at<formula::RefEntry>(refsOffset()), refCount};
    }
    std::span<const std::wstring> texts() const {
        return {at<std::wstring>(textsOffset()), textCount};
    }

  private:
    static constexpr std::size_t align8(std::size_t n) { return (n + 7) & ~std::size_t(7); }
    static constexpr std::size_t codeOffset() { return align8(sizeof(Impl)); }
    std::size_t numbersOffset() const {
        return align8(codeOffset() + codeCount * sizeof(formula::Instr));
    }
    std::size_t refsOffset() const { return numbersOffset() + numberCount * sizeof(double); }
    std::size_t textsOffset() const {
        return align8(refsOffset() + refCount * sizeof(formula::RefEntry));
    }

  public:
    std::size_t totalSize() const { return textsOffset() + textCount * sizeof(std::wstring); }
    // True when `program` would be stored as this very program.
    bool sameAs(const formula::ProgramBuilder& program) const;

  private:
    static Impl* allocate(const Impl& counts);
    // Copies `textCount` texts from `from` behind the arrays; frees the whole on failure.
    void constructTexts(const std::wstring* from);
    template <typename T>
    T* at(std::size_t offset) const {
        return reinterpret_cast<T*>(reinterpret_cast<std::byte*>(const_cast<Impl*>(this)) + offset);
    }
};

}  // namespace ovgrid
