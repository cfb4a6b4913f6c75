// Formula.h - the compiled form of a cell formula and its evaluation.
//
// A formula is compiled once for the cell it belongs to and evaluated many times without
// re-parsing. The grid (sheet model and recalculation) talks to the formula engine only
// through this header.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "grid/CustomFunction.h"
#include "grid/Value.h"

namespace ovgrid {

class StoredValues;

enum class RefStyle { A1, R1C1 };

// A block of cells, 1-based and normalised (col1 <= col2, row1 <= row2); a single cell
// has col1 == col2 and row1 == row2.
struct CellRange {
    int col1 = 0;
    int row1 = 0;
    int col2 = 0;
    int row2 = 0;
};

// What a formula needs from the grid while it is evaluated.
class EvalContext {
  public:
    virtual ~EvalContext() = default;
    // The value of a cell; the grid may compute a stale formula cell first. A cell that is
    // part of a circular chain answers an error value.
    virtual Value cellValue(int col, int row) = 0;
    virtual int maxCols() const = 0;
    virtual int maxRows() const = 0;
    // A function registered at run time, by upper-case name; null when there is none.
    virtual const CustomFunction* customFunction(std::wstring_view upperName) const = 0;
    // Reads of the stored values in place, where the context keeps them; null otherwise.
    virtual const StoredValues* stored() const { return nullptr; }
};

// A handle on a compiled program. Copies share the program (it is reference counted) and an
// edit copies a shared program first, so a copy is cheap and never sees another's edits. A
// program keeps its relative references as distances from the formula's cell: the formulas
// of a filled block compile to one shared program. A default handle holds no program.
class CompiledFormula {
  public:
    CompiledFormula() = default;
    ~CompiledFormula() { release(); }
    CompiledFormula(const CompiledFormula& other) noexcept : impl_(other.impl_) { retain(); }
    CompiledFormula& operator=(const CompiledFormula& other) noexcept;
    CompiledFormula(CompiledFormula&& other) noexcept : impl_(other.impl_) {
        other.impl_ = nullptr;
    }
    CompiledFormula& operator=(CompiledFormula&& other) noexcept;

    explicit operator bool() const { return impl_ != nullptr; }
    // True when both handles hold the very same program.
    bool sharesProgramWith(const CompiledFormula& other) const { return impl_ == other.impl_; }

    // Compiles `text` (with or without a leading "=") for the cell (col, row). Unknown
    // function names compile (they are looked up when evaluated and give #NAME? when
    // missing). Returns nothing and fills `error` for a syntax error, an oversized formula
    // or nesting deeper than the engine allows. A program equal to one compiled shortly
    // before (in this thread) is shared with it.
    static std::optional<CompiledFormula> compile(std::wstring_view text, RefStyle style, int col,
                                                  int row, std::wstring* error = nullptr);

    // The formula text (without "=") as it reads from cell (col, row) in `style`.
    std::wstring toText(RefStyle style, int col, int row) const;

    // Every cell or block the formula of cell (col, row) reads, for dependency tracking.
    void forEachReference(int col, int row,
                          const std::function<void(const CellRange&)>& visit) const;

    // True when the result may change without any referenced cell changing (registered
    // functions, ROW()/COLUMN() without arguments are fine; this is for custom callbacks).
    bool isVolatile() const;

    // Asks the processor to fetch the program ahead of its evaluation (a walk over many
    // formulas would otherwise wait for each one in turn).
    void prefetch() const { __builtin_prefetch(impl_); }

    // Structural edits of the sheet. The formula lives in cell (col, row) *before* the edit
    // and moves with it. References behind the edit point move; references into deleted
    // cells become #REF!.
    void insertRows(int at, int count, int col, int row);
    void deleteRows(int at, int count, int col, int row);
    void insertCols(int at, int count, int col, int row);
    void deleteCols(int at, int count, int col, int row);
    // The formula as it reads when copied from (col, row) to (col + dCol, row + dRow):
    // relative references shift, absolute ones stay; references that leave the sheet
    // become #REF!.
    CompiledFormula copiedBy(int col, int row, int dCol, int dRow) const;

    struct Impl;
    enum class Axis { Rows, Cols };

  private:
    friend Value evaluate(const CompiledFormula& formula, EvalContext& context, int col, int row);
    explicit CompiledFormula(Impl* impl) : impl_(impl) {}
    void retain() const;
    void release();
    // The program, copied first when another handle shares it.
    Impl& ownProgram();
    void editLines(Axis axis, bool insert, int at, int count, int col, int row);

    Impl* impl_ = nullptr;
};

// Evaluates the formula of cell (col, row). Never throws; errors are values.
Value evaluate(const CompiledFormula& formula, EvalContext& context, int col, int row);

}  // namespace ovgrid
