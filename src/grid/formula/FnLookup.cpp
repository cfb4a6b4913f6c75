// FnLookup.cpp - INDEX, MATCH, VLOOKUP and HLOOKUP over blocks (a single value counts as a
// block of one cell).
//
// Approximate matching assumes sorted data as the spreadsheets do: it takes the last value
// that does not pass the one looked for, among values of the same kind, and stops at the
// first that does. Exact matching ignores case and honours wildcards in a looked-for text.
#include <cmath>

#include "base/CaseFolding.h"
#include "grid/formula/Coerce.h"
#include "grid/formula/FunctionLibrary.h"
#include "grid/formula/RangeWalk.h"
#include "grid/formula/Wildcard.h"

namespace ovgrid::formula {

namespace {

class Area {
  public:
    Area(const Operand& operand, EvalContext& context) : operand_(operand), context_(context) {}

    bool isRef() const { return operand_.isRef(); }
    int rows() const { return isRef() ? operand_.range.row2 - operand_.range.row1 + 1 : 1; }
    int cols() const { return isRef() ? operand_.range.col2 - operand_.range.col1 + 1 : 1; }
    // Rows and columns that can hold anything; the rest of a block is empty.
    int usedRows() const {
        return isRef() ? std::max(0, std::min(operand_.range.row2, context_.maxRows()) -
                                         operand_.range.row1 + 1)
                       : 1;
    }
    int usedCols() const {
        return isRef() ? std::max(0, std::min(operand_.range.col2, context_.maxCols()) -
                                         operand_.range.col1 + 1)
                       : 1;
    }
    // 0-based position inside the block.
    Value at(int row, int col) const {
        if (!isRef()) {
            return operand_.isMissing() ? Value::empty() : operand_.value;
        }
        return context_.cellValue(operand_.range.col1 + col, operand_.range.row1 + row);
    }
    // The cell as a reference, so that an empty cell reads as 0 in the end.
    Operand cell(int row, int col) const {
        if (!isRef()) {
            return operand_;
        }
        int c = operand_.range.col1 + col;
        int r = operand_.range.row1 + row;
        return Operand::reference({c, r, c, r});
    }
    Operand block(int row1, int col1, int row2, int col2) const {
        if (!isRef()) {
            return operand_;
        }
        const CellRange& r = operand_.range;
        return Operand::reference({r.col1 + col1, r.row1 + row1, r.col1 + col2, r.row1 + row2});
    }

  private:
    const Operand& operand_;
    EvalContext& context_;
};

bool sameKind(const Value& a, const Value& b) {
    return a.kind == b.kind;
}

bool exactMatch(const Value& wanted, const Value& candidate) {
    if (!sameKind(wanted, candidate)) {
        return false;
    }
    if (wanted.isText()) {
        return hasWildcards(wanted.text) ? wildcardMatch(wanted.text, candidate.text)
                                         : ovbase::equalsIgnoringCase(wanted.text, candidate.text);
    }
    return compareValues(wanted, candidate) == 0;
}

// Position (0-based) in a line of `count` values read by `get`, or -1.
// type 0 exact, 1 largest value <= wanted, -1 smallest value >= wanted.
template <typename Get>
int findInLine(const Value& wanted, int count, int type, Get get) {
    int best = -1;
    for (int i = 0; i < count; ++i) {
        Value v = get(i);
        if (type == 0) {
            if (exactMatch(wanted, v)) {
                return i;
            }
            continue;
        }
        if (!sameKind(wanted, v)) {
            continue;
        }
        int c = compareValues(v, wanted);
        if (type > 0 ? c <= 0 : c >= 0) {
            best = i;
        } else {
            break;
        }
    }
    return best;
}

// The looked-for value: an empty one counts as 0.
bool lookupValue(CallFrame& f, Value& wanted) {
    wanted = f.value(0);
    if (wanted.isError()) {
        f.error = wanted.error;
        return false;
    }
    if (wanted.isEmpty()) {
        wanted = Value::fromNumber(0.0);
    }
    return true;
}

Operand fnMatch(CallFrame& f) {
    Value wanted;
    double type = 1.0;
    if (!lookupValue(f, wanted) || !f.numberOr(2, 1.0, type)) {
        return f.failure();
    }
    Area area(f.operand(1), f.context());
    if (area.rows() != 1 && area.cols() != 1) {
        return Operand::error(ErrorCode::NA);
    }
    int kind = type > 0 ? 1 : (type < 0 ? -1 : 0);
    bool byRow = area.cols() == 1;
    int count = byRow ? area.usedRows() : area.usedCols();
    int at = findInLine(wanted, count, kind,
                        [&](int i) { return byRow ? area.at(i, 0) : area.at(0, i); });
    return at < 0 ? Operand::error(ErrorCode::NA) : Operand::number(at + 1);
}

// VLOOKUP searches the first column and reads across; HLOOKUP the first row, reading down.
template <bool Vertical>
Operand fnLookup(CallFrame& f) {
    Value wanted;
    double index = 0.0;
    bool approximate = true;
    if (!lookupValue(f, wanted) || !f.number(2, index) || !f.booleanOr(3, true, approximate)) {
        return f.failure();
    }
    Area area(f.operand(1), f.context());
    index = std::trunc(index);
    if (index < 1.0) {
        return Operand::error(ErrorCode::Value);
    }
    if (index > double(Vertical ? area.cols() : area.rows())) {
        return Operand::error(ErrorCode::Ref);
    }
    int count = Vertical ? area.usedRows() : area.usedCols();
    int at = findInLine(wanted, count, approximate ? 1 : 0,
                        [&](int i) { return Vertical ? area.at(i, 0) : area.at(0, i); });
    if (at < 0) {
        return Operand::error(ErrorCode::NA);
    }
    return Vertical ? area.cell(at, int(index) - 1) : area.cell(int(index) - 1, at);
}

// INDEX: row or column 0 stands for the whole column or row; with one index a block of one
// row or one column is indexed along its length.
Operand fnIndex(CallFrame& f) {
    const Operand& source = f.operand(0);
    if (!source.isRef() && source.value.isError()) {
        return source;
    }
    Area area(source, f.context());
    double row = 0.0;
    double col = 0.0;
    if (!f.numberOr(1, 0.0, row) || !f.numberOr(2, 0.0, col)) {
        return f.failure();
    }
    row = std::trunc(row);
    col = std::trunc(col);
    if (f.count() < 3) {
        if (area.rows() == 1) {
            col = row;
            row = 1.0;
        } else if (area.cols() == 1) {
            col = 1.0;
        }
    }
    if (row < 0.0 || col < 0.0) {
        return Operand::error(ErrorCode::Value);
    }
    if (row > area.rows() || col > area.cols()) {
        return Operand::error(ErrorCode::Ref);
    }
    int r = int(row);
    int c = int(col);
    if (r == 0 && c == 0) {
        return source;
    }
    if (r == 0) {
        return area.block(0, c - 1, area.rows() - 1, c - 1);
    }
    if (c == 0) {
        return area.block(r - 1, 0, r - 1, area.cols() - 1);
    }
    return area.cell(r - 1, c - 1);
}

constexpr BuiltinFunction kLookup[] = {
    {L"INDEX", 2, 3, fnIndex},
    {L"MATCH", 2, 3, fnMatch},
    {L"VLOOKUP", 3, 4, fnLookup<true>},
    {L"HLOOKUP", 3, 4, fnLookup<false>},
};

}  // namespace

BuiltinSpan lookupFunctions() {
    return {kLookup, std::size(kLookup)};
}

}  // namespace ovgrid::formula
