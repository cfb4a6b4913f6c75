// ReferenceEdits.cpp - keeps the references of a compiled formula pointing at the same cells
// when rows or columns are inserted or deleted, and shifts them when a formula is copied.
// A reference whose cells are gone, or that would leave the sheet, becomes #REF!.
#include <utility>
#include <vector>

#include "grid/formula/Bytecode.h"

namespace ovgrid {

namespace {

using formula::Instr;
using formula::Op;
using formula::RefEntry;
using formula::RefPoint;
using Axis = CompiledFormula::Axis;

int& coordinate(RefPoint& p, Axis axis) {
    return axis == Axis::Rows ? p.row : p.col;
}
int axisLimit(Axis axis) {
    return axis == Axis::Rows ? formula::kMaxSheetRows : formula::kMaxSheetCols;
}

// What an edit does to one reference: its instruction becomes #REF!, or its entry is stored
// anew.
struct RefChange {
    std::uint32_t instr = 0;
    bool deleted = false;
    RefEntry entry;
};

// Calls edit(entry, isRange) for each reference as it points from cell (col, row); a false
// answer turns it into #REF!, otherwise the edited entry is stored as seen from (toCol,
// toRow). Lists only the references that come out different, so that a program shared by
// many formulas is copied only for the formulas the edit changes.
template <typename Edit>
std::vector<RefChange> plannedChanges(const CompiledFormula::Impl& impl, int col, int row,
                                      int toCol, int toRow, Edit edit) {
    std::vector<RefChange> changes;
    const auto refs = impl.refs();
    const auto code = impl.code();
    for (std::uint32_t i = 0; i < code.size(); ++i) {
        const Instr& instr = code[i];
        if (instr.op != Op::Ref && instr.op != Op::Range) {
            continue;
        }
        const bool isRange = instr.op == Op::Range;
        RefEntry entry = formula::resolvedEntry(refs[instr.a], isRange, col, row);
        if (!edit(entry, isRange)) {
            changes.push_back({i, true, {}});
            continue;
        }
        const RefEntry stored = formula::storedEntry(entry, toCol, toRow);
        const RefEntry& now = refs[instr.a];
        if (stored.first != now.first || (isRange && stored.last != now.last)) {
            changes.push_back({i, false, stored});
        }
    }
    return changes;
}

void applyChanges(CompiledFormula::Impl& impl, const std::vector<RefChange>& changes) {
    const auto refs = impl.refs();
    const auto code = impl.code();
    for (const RefChange& change : changes) {
        Instr& instr = code[change.instr];
        if (change.deleted) {
            instr.op = Op::Error;
            instr.a = std::uint32_t(ErrorCode::Ref);
        } else {
            refs[instr.a] = change.entry;
        }
    }
}

// Where a line index goes when `count` lines are inserted before `at`.
int afterInsert(int index, int at, int count) {
    return index >= at ? index + count : index;
}
// Where a line index behind deleted lines goes (one inside them goes with its cell).
int afterDelete(int index, int at, int count) {
    return index >= at + count ? index - count : index;
}

auto insertEdit(Axis axis, int at, int count) {
    return [=](RefEntry& entry, bool) {
        for (RefPoint* p : {&entry.first, &entry.last}) {
            int& c = coordinate(*p, axis);
            c = afterInsert(c, at, count);
            if (c > axisLimit(axis)) {
                return false;
            }
        }
        return true;
    };
}

auto deleteEdit(Axis axis, int at, int count) {
    const int last = at + count - 1;
    return [=](RefEntry& entry, bool isRange) {
        int& a = coordinate(entry.first, axis);
        int& b = coordinate(entry.last, axis);
        if (a >= at && b <= last) {
            return false;  // every cell of the reference is gone
        }
        if (!isRange) {
            a = afterDelete(a, at, count);
            return true;
        }
        // A block that overlaps the deleted lines shrinks to the lines that remain.
        int newA = a < at ? a : (a > last ? a - count : at);
        int newB = b < at ? b : (b > last ? b - count : at - 1);
        a = newA;
        b = newB;
        return true;
    };
}

}  // namespace

void CompiledFormula::insertRows(int at, int count, int col, int row) {
    editLines(Axis::Rows, true, at, count, col, row);
}

void CompiledFormula::deleteRows(int at, int count, int col, int row) {
    editLines(Axis::Rows, false, at, count, col, row);
}

void CompiledFormula::insertCols(int at, int count, int col, int row) {
    editLines(Axis::Cols, true, at, count, col, row);
}

void CompiledFormula::deleteCols(int at, int count, int col, int row) {
    editLines(Axis::Cols, false, at, count, col, row);
}

void CompiledFormula::editLines(Axis axis, bool insert, int at, int count, int col, int row) {
    if (!impl_ || count <= 0 || at < 1) {
        return;
    }
    // The formula moves with its cell.
    int& moving = axis == Axis::Rows ? row : col;
    const int from = moving;
    moving = insert ? afterInsert(moving, at, count) : afterDelete(moving, at, count);
    const int fromCol = axis == Axis::Cols ? from : col;
    const int fromRow = axis == Axis::Rows ? from : row;
    auto changes =
        insert ? plannedChanges(*impl_, fromCol, fromRow, col, row, insertEdit(axis, at, count))
               : plannedChanges(*impl_, fromCol, fromRow, col, row, deleteEdit(axis, at, count));
    if (!changes.empty()) {
        applyChanges(ownProgram(), changes);
    }
}

CompiledFormula CompiledFormula::copiedBy(int col, int row, int dCol, int dRow) const {
    CompiledFormula copy(*this);
    if (!copy.impl_) {
        return copy;
    }
    auto shift = [](int value, int delta, bool absolute, int limit, bool& ok) {
        if (absolute) {
            return value;
        }
        long long moved = static_cast<long long>(value) + delta;
        if (moved < 1 || moved > limit) {
            ok = false;
            return value;
        }
        return static_cast<int>(moved);
    };
    auto changes =
        plannedChanges(*copy.impl_, col, row, col + dCol, row + dRow, [&](RefEntry& entry, bool) {
            bool ok = true;
            for (RefPoint* p : {&entry.first, &entry.last}) {
                p->col = shift(p->col, dCol, p->colAbs, formula::kMaxSheetCols, ok);
                p->row = shift(p->row, dRow, p->rowAbs, formula::kMaxSheetRows, ok);
            }
            return ok;
        });
    if (!changes.empty()) {
        applyChanges(copy.ownProgram(), changes);
    }
    return copy;
}

}  // namespace ovgrid
