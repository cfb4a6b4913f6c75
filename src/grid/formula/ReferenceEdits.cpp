// ReferenceEdits.cpp - keeps the references of a compiled formula pointing at the same cells
// when rows or columns are inserted or deleted, and shifts them when a formula is copied.
// A reference whose cells are gone, or that would leave the sheet, becomes #REF!.
#include <utility>

#include "grid/formula/Bytecode.h"

namespace ovgrid {

namespace {

using formula::Instr;
using formula::Op;
using formula::RefEntry;
using formula::RefPoint;

enum class Axis { Rows, Cols };

int& coordinate(RefPoint& p, Axis axis) {
    return axis == Axis::Rows ? p.row : p.col;
}
int axisLimit(Axis axis) {
    return axis == Axis::Rows ? formula::kMaxSheetRows : formula::kMaxSheetCols;
}

void markDeleted(Instr& instr) {
    instr.op = Op::Error;
    instr.a = std::uint32_t(ErrorCode::Ref);
}

// Calls edit(entry, isRange) for each reference; a false answer turns it into #REF!.
template <typename Edit>
void editReferences(CompiledFormula::Impl& impl, Edit edit) {
    const auto refs = impl.refs();
    for (Instr& instr : impl.code()) {
        if (instr.op != Op::Ref && instr.op != Op::Range) {
            continue;
        }
        RefEntry& entry = refs[instr.a];
        if (instr.op == Op::Ref) {
            entry.last = entry.first;
        }
        if (!edit(entry, instr.op == Op::Range)) {
            markDeleted(instr);
        }
    }
}

void insertLines(CompiledFormula::Impl& impl, Axis axis, int at, int count) {
    if (count <= 0 || at < 1) {
        return;
    }
    editReferences(impl, [&](RefEntry& entry, bool) {
        for (RefPoint* p : {&entry.first, &entry.last}) {
            int& c = coordinate(*p, axis);
            if (c >= at) {
                c += count;
            }
            if (c > axisLimit(axis)) {
                return false;
            }
        }
        return true;
    });
}

void deleteLines(CompiledFormula::Impl& impl, Axis axis, int at, int count) {
    if (count <= 0 || at < 1) {
        return;
    }
    const int last = at + count - 1;
    editReferences(impl, [&](RefEntry& entry, bool isRange) {
        int& a = coordinate(entry.first, axis);
        int& b = coordinate(entry.last, axis);
        if (a >= at && b <= last) {
            return false;  // every cell of the reference is gone
        }
        if (!isRange) {
            if (a > last) {
                a -= count;
            }
            return true;
        }
        // A block that overlaps the deleted lines shrinks to the lines that remain.
        int newA = a < at ? a : (a > last ? a - count : at);
        int newB = b < at ? b : (b > last ? b - count : at - 1);
        a = newA;
        b = newB;
        return true;
    });
}

}  // namespace

void CompiledFormula::insertRows(int at, int count, int, int) {
    if (impl_) {
        insertLines(*impl_, Axis::Rows, at, count);
    }
}

void CompiledFormula::deleteRows(int at, int count, int, int) {
    if (impl_) {
        deleteLines(*impl_, Axis::Rows, at, count);
    }
}

void CompiledFormula::insertCols(int at, int count, int, int) {
    if (impl_) {
        insertLines(*impl_, Axis::Cols, at, count);
    }
}

void CompiledFormula::deleteCols(int at, int count, int, int) {
    if (impl_) {
        deleteLines(*impl_, Axis::Cols, at, count);
    }
}

CompiledFormula CompiledFormula::copiedBy(int dCol, int dRow) const {
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
    editReferences(*copy.impl_, [&](RefEntry& entry, bool) {
        bool ok = true;
        for (RefPoint* p : {&entry.first, &entry.last}) {
            p->col = shift(p->col, dCol, p->colAbs, formula::kMaxSheetCols, ok);
            p->row = shift(p->row, dRow, p->rowAbs, formula::kMaxSheetRows, ok);
        }
        // A block with one absolute and one relative corner may turn over.
        if (entry.first.col > entry.last.col) {
            std::swap(entry.first.col, entry.last.col);
            std::swap(entry.first.colAbs, entry.last.colAbs);
        }
        if (entry.first.row > entry.last.row) {
            std::swap(entry.first.row, entry.last.row);
            std::swap(entry.first.rowAbs, entry.last.rowAbs);
        }
        return ok;
    });
    return copy;
}

}  // namespace ovgrid
