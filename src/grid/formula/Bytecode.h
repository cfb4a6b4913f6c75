// Bytecode.h - the compiled form of a formula: a flat postfix program with its constant pools.
//
// References keep the absolute coordinates they point at (a relative reference is resolved
// against the formula's cell when compiled); the absolute flags only matter for copying and
// for writing the formula back as text.
#pragma once

#include <cstdint>
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
};

// One cell (first only) or a normalised block (first is top-left, last bottom-right).
struct RefEntry {
    RefPoint first;
    RefPoint last;
};

// Largest sheet a reference may point into (as the common spreadsheets).
constexpr int kMaxSheetCols = 16384;
constexpr int kMaxSheetRows = 1048576;
// Limits that keep compiling and evaluating bounded on any input.
constexpr std::size_t kMaxFormulaLength = 65536;
constexpr int kMaxNestingDepth = 256;
constexpr int kMaxArguments = 255;

}  // namespace ovgrid::formula

namespace ovgrid {

struct CompiledFormula::Impl {
    std::vector<formula::Instr> code;
    std::vector<double> numbers;
    std::vector<std::wstring> texts;
    std::vector<formula::RefEntry> refs;
    std::uint32_t maxStack = 0;
    bool hasCustomCalls = false;
};

}  // namespace ovgrid
