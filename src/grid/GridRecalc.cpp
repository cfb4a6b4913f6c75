// GridRecalc.cpp - recalculation: marking the cells that depend on a change, ordering the
// stale formulas by their dependencies and evaluating them.
//
// Stale formula cells are "dirty"; a dirty cell's dependents are always dirty too, so
// marking stops at cells already marked. Computing runs Tarjan's algorithm iteratively
// over the dirty cells reachable through references: components come out precedents
// first, so each formula is evaluated once, after everything it reads. A component with
// more than one cell, or a cell reading itself, is a circular chain: its cells get #VALUE!
// and are not evaluated. No step recurses through cell values, so deep chains and cycles
// can neither hang nor overflow the stack.
#include <algorithm>
#include <utility>

#include "grid/Grid.h"
#include "grid/formula/StoredValues.h"

namespace ovgrid {
namespace {

// Passes of deferred work (cells written by callbacks while formulas ran) before giving
// up; a callback writing what its own formula reads would otherwise never settle.
constexpr int kMaxDeferredPasses = 100;
// Nested evaluations of one grid (a callback recalculating a cell of its own grid).
constexpr int kMaxEvalDepth = 16;

struct CurrentFrame {
    Grid* grid = nullptr;
    int col = 0;
    int row = 0;
};
thread_local CurrentFrame tCurrent;

}  // namespace

// What a formula sees of the grid while it is evaluated; also makes the grid and cell
// "current" for registered functions, restoring the outer ones when done.
class GridEvaluator : public EvalContext, public StoredValues {
  public:
    GridEvaluator(Grid& grid, int col, int row) : grid_(grid), saved_(tCurrent) {
        tCurrent = {&grid, col, row};
        ++grid_.evalDepth_;
    }
    ~GridEvaluator() override {
        --grid_.evalDepth_;
        tCurrent = saved_;
    }
    GridEvaluator(const GridEvaluator&) = delete;
    GridEvaluator& operator=(const GridEvaluator&) = delete;

    Value cellValue(int col, int row) override { return grid_.cellValue(col, row); }
    // In step with Grid::cellValue: only a text outside a formula needs converting.
    const Value* storedValue(int col, int row) const override {
        return stored(grid_.toInternal(col, row) ? grid_.findCell(col, row) : nullptr);
    }
    void storedValues(int row, int col1, int count, const Value** out) const override {
        const EvalOrder& order = grid_.order_;
        if (count <= 0 || col1 < 1 || row < 1 || !order.covers(col1, row) ||
            !order.covers(col1 + count - 1, row)) {
            StoredValues::storedValues(row, col1, count, out);
            return;
        }
        Cell* const* cells = &order.positions[static_cast<std::size_t>(row) *
                                                  static_cast<std::size_t>(order.positionCols) +
                                              static_cast<std::size_t>(col1)];
        for (int i = 0; i < count; ++i) {
            out[i] = stored(cells[i]);
        }
    }
    const StoredValues* stored() const override { return this; }
    int maxCols() const override { return grid_.maxCols_; }
    int maxRows() const override { return grid_.maxRows_; }
    const CustomFunction* customFunction(std::wstring_view upperName) const override {
        return grid_.customFunction(upperName);
    }

  private:
    static const Value* stored(const Cell* cell) {
        static const Value kEmpty;
        if (cell == nullptr) {
            return &kEmpty;
        }
        return cell->value.isText() && !cell->formula ? nullptr : &cell->value;
    }

    Grid& grid_;
    CurrentFrame saved_;
};

Grid* Grid::current() {
    return tCurrent.grid;
}

bool Grid::currentCell(int& col, int& row) {
    col = tCurrent.col;
    row = tCurrent.row;
    return tCurrent.grid != nullptr;
}

bool Grid::structureLocked() const {
    return evalDepth_ > 0;
}

bool Grid::markDependentsDirty(int col, int row, std::vector<CellKey>* touched, std::size_t limit) {
    std::vector<CellKey> queue;
    std::size_t marked = 0;
    auto push = [&](CellKey k) { queue.push_back(k); };
    // Within one pass a shared range hands over its readers once: they are marked then.
    const std::uint32_t pass = dependents_.beginPass();
    dependents_.forEachNewDependent(col, row, pass, push);
    while (!queue.empty()) {
        CellKey key = queue.back();
        queue.pop_back();
        Cell* cell = findCell(keyCol(key), keyRow(key));
        if (cell == nullptr || !cell->formula || cell->dirty) {
            continue;
        }
        cell->dirty = true;
        if (touched) {
            touched->push_back(key);
        }
        if (++marked > limit) {
            return false;
        }
        dependents_.forEachNewDependent(keyCol(key), keyRow(key), pass, push);
    }
    return true;
}

void Grid::addVolatile(std::vector<CellKey>& touched) {
    for (CellKey key : volatileCells_) {
        Cell& cell = cells_.at(key);
        if (!cell.dirty) {
            cell.dirty = true;
            touched.push_back(key);
            markDependentsDirty(keyCol(key), keyRow(key), &touched);
        }
    }
}

void Grid::contentChanged(int col, int row) {
    if (!getBool(kPropAutoCalc)) {
        markDependentsDirty(col, row, nullptr);
        return;
    }
    // With the order at hand, a change that reaches a good part of the sheet computes the whole
    // sheet in order: as quick as marking what it reaches, and every formula was up to date.
    const bool wholeInOrder =
        evalDepth_ == 0 && volatileCells_.empty() && order_.state == EvalOrder::State::Ready;
    const CellKey key = cellKey(col, row);
    if (wholeInOrder && order_.hasWideChange && order_.wideChange == key) {
        recalculateAll();
        return;
    }
    std::vector<CellKey> touched;
    if (!markDependentsDirty(col, row, &touched,
                             wholeInOrder ? formulaCount_ / 8 + 16 : SIZE_MAX)) {
        if (wholeInOrder) {
            order_.wideChange = key;
            order_.hasWideChange = true;
        }
        recalculateAll();
        return;
    }
    addVolatile(touched);
    if (evalDepth_ > 0) {
        pendingAuto_.insert(pendingAuto_.end(), touched.begin(), touched.end());
        return;
    }
    computeExact(touched);
    runPendingAutoCalc();
}

void Grid::formulaChanged(CellKey key, bool recalc) {
    if (!getBool(kPropAutoCalc)) {
        markDependentsDirty(keyCol(key), keyRow(key), nullptr);
        if (!recalc) {
            return;
        }
        // Manual: only the new formula (and what it reads) computes.
        if (evalDepth_ > 0) {
            pendingAuto_.push_back(key);
            return;
        }
        computeExact(std::span<const CellKey>(&key, 1));
        runPendingAutoCalc();
        return;
    }
    std::vector<CellKey> touched{key};
    markDependentsDirty(keyCol(key), keyRow(key), &touched);
    addVolatile(touched);
    if (evalDepth_ > 0) {
        pendingAuto_.insert(pendingAuto_.end(), touched.begin(), touched.end());
        return;
    }
    computeExact(touched);
    runPendingAutoCalc();
}

void Grid::runPendingAutoCalc() {
    for (int pass = 0; pass < kMaxDeferredPasses && !pendingAuto_.empty() && evalDepth_ == 0;
         ++pass) {
        std::vector<CellKey> pending;
        pending.swap(pendingAuto_);
        computeDirty(pending);
    }
    if (evalDepth_ == 0) {
        pendingAuto_.clear();
    }
}

void Grid::evaluateCell(CellKey key) {
    auto it = cells_.find(key);
    if (it == cells_.end() || !it->second.formula) {
        return;
    }
    // Holding the formula keeps it alive should a callback replace the cell's formula.
    const CompiledFormula formula = it->second.formula;
    it->second.dirty = false;
    int col = keyCol(key);
    int row = keyRow(key);
    Value result;
    {
        GridEvaluator context(*this, col, row);
        result = evaluate(formula, context, col, row);
    }
    // A callback may have written cells (the map may have rehashed) or this very cell.
    it = cells_.find(key);
    if (it != cells_.end() && it->second.formula.sharesProgramWith(formula)) {
        it->second.value = std::move(result);
    }
}

void Grid::computeDirty(std::span<const CellKey> targets) {
    struct NodeInfo {
        int index = 0;
        int low = 0;
        bool onStack = false;
    };
    struct Frame {
        CellKey key;
        std::vector<CellKey> precedents;
        std::size_t next = 0;
        bool selfLoop = false;
    };
    std::unordered_map<CellKey, NodeInfo> info;
    std::vector<CellKey> sccStack;
    std::vector<Frame> frames;
    int counter = 0;

    auto isDirtyFormula = [&](CellKey key) {
        auto it = cells_.find(key);
        return it != cells_.end() && it->second.formula && it->second.dirty;
    };
    auto push = [&](CellKey key) {
        info[key] = {counter, counter, true};
        ++counter;
        sccStack.push_back(key);
        Frame frame{key, {}, 0, false};
        forEachDirtyPrecedent(key, [&](CellKey p) {
            if (p == key) {
                frame.selfLoop = true;
            } else {
                frame.precedents.push_back(p);
            }
        });
        frames.push_back(std::move(frame));
    };

    if (targets.size() == 1 && isDirtyFormula(targets.front())) {
        // The common case of one new formula reading computed cells only: nothing to order.
        bool readsStale = false;
        forEachDirtyPrecedent(targets.front(), [&](CellKey) { readsStale = true; });
        if (!readsStale) {
            evaluateCell(targets.front());
            return;
        }
    }
    for (CellKey target : targets) {
        if (info.count(target) || !isDirtyFormula(target)) {
            continue;
        }
        push(target);
        while (!frames.empty()) {
            Frame& top = frames.back();
            if (top.next < top.precedents.size()) {
                CellKey w = top.precedents[top.next++];
                auto found = info.find(w);
                if (found == info.end()) {
                    if (isDirtyFormula(w)) {
                        push(w);  // invalidates `top`
                    }
                } else if (found->second.onStack) {
                    NodeInfo& v = info[top.key];
                    v.low = std::min(v.low, found->second.index);
                }
                continue;
            }
            CellKey v = top.key;
            bool selfLoop = top.selfLoop;
            frames.pop_back();
            NodeInfo& vi = info[v];
            if (!frames.empty()) {
                NodeInfo& parent = info[frames.back().key];
                parent.low = std::min(parent.low, vi.low);
            }
            if (vi.low != vi.index) {
                continue;
            }
            // v is the root of a component: pop it.
            std::vector<CellKey> component;
            while (true) {
                CellKey k = sccStack.back();
                sccStack.pop_back();
                info[k].onStack = false;
                component.push_back(k);
                if (k == v) {
                    break;
                }
            }
            if (component.size() == 1 && !selfLoop) {
                evaluateCell(v);
            } else {
                for (CellKey k : component) {
                    auto it = cells_.find(k);
                    if (it != cells_.end() && it->second.formula) {
                        it->second.value = Value::fromError(ErrorCode::Value);
                        it->second.dirty = false;
                    }
                }
            }
        }
    }
}

void Grid::computeExact(std::span<const CellKey> targets) {
    // Nothing stale: a value typed where no formula reads it must not touch the order or the
    // position table (typing a sheet of numbers would grow quadratic).
    if (targets.empty()) {
        return;
    }
    if (!computeInOrder(targets.size())) {
        computeDirty(targets);
    }
}

bool Grid::computeInOrder(std::size_t dirtyTargets) {
    // Registered functions may write cells or recalculate while they run: those sheets take
    // the ordering per change, which copes with that.
    if (evalDepth_ > 0 || !volatileCells_.empty()) {
        return false;
    }
    // A walk over the whole order pays off unless the change is small against the sheet.
    if (dirtyTargets * 64 < formulaCount_) {
        return false;
    }
    if (order_.state == EvalOrder::State::Stale && dirtyTargets * 4 >= formulaCount_) {
        // Ordering the whole sheet costs about what ordering this many targets would.
        buildEvalOrder();
    }
    if (order_.state != EvalOrder::State::Ready) {
        return false;
    }
    // Only when the targets are all the stale formulas may the whole order be walked: a
    // stale formula that is not a target keeps its old value (manual calculation).
    std::size_t dirty = 0;
    for (const EvalOrder::Entry& e : order_.cells) {
        dirty += e.cell->dirty ? 1 : 0;
    }
    if (dirty != dirtyTargets) {
        return false;
    }
    evaluateInOrder(dirty);
    return true;
}

void Grid::evaluateInOrder(std::size_t dirty, bool all) {
    // The position table costs a pass over every cell: worth it for a large share of them.
    if (!order_.positionsTried && dirty * 4 >= cells_.size()) {
        buildPositions();
    }
    const std::vector<EvalOrder::Entry>& cells = order_.cells;
    const std::size_t count = cells.size();
    for (std::size_t i = 0; i < count; ++i) {
        // Cells and programs lie all over the heap: fetch them a few steps ahead, each step
        // reading what the one before fetched.
        if (i + 16 < count) {
            __builtin_prefetch(cells[i + 16].cell);
        }
        if (i + 8 < count) {
            cells[i + 8].cell->formula.prefetch();
        }
        const EvalOrder::Entry& e = cells[i];
        Cell& cell = *e.cell;
        if (!all && !cell.dirty) {
            continue;
        }
        cell.dirty = false;
        const int col = keyCol(e.key), row = keyRow(e.key);
        GridEvaluator context(*this, col, row);
        cell.value = evaluate(cell.formula, context, col, row);
    }
}

bool Grid::recalculateAll() {
    if (evalDepth_ > 0) {
        return false;
    }
    if (volatileCells_.empty()) {
        if (order_.state == EvalOrder::State::Stale) {
            buildEvalOrder();
        }
        if (order_.state == EvalOrder::State::Ready) {
            evaluateInOrder(order_.cells.size(), true);
            return true;
        }
    }
    // Row by row, so that independent formulas compute in reading order.
    std::vector<CellKey> all = sortedFormulaKeys();
    for (CellKey k : all) {
        cells_.at(k).dirty = true;
    }
    computeDirty(all);
    runPendingAutoCalc();
    return true;
}

Value Grid::evaluateAt(const CompiledFormula& formula, int col, int row) {
    if (evalDepth_ >= kMaxEvalDepth) {
        return Value::fromError(ErrorCode::Value);
    }
    Value result;
    {
        GridEvaluator context(*this, col, row);
        result = evaluate(formula, context, col, row);
    }
    if (evalDepth_ == 0) {
        runPendingAutoCalc();
    }
    return result;
}

bool Grid::reCalcCell(int col, int row) {
    if (!toInternal(col, row) || evalDepth_ >= kMaxEvalDepth) {
        return false;
    }
    CellKey key = cellKey(col, row);
    auto it = cells_.find(key);
    if (it == cells_.end() || !it->second.formula) {
        return false;
    }
    if (evalDepth_ > 0) {
        // Asked from inside an evaluation: compute this one cell with what it reads now.
        evaluateCell(key);
        return true;
    }
    it->second.dirty = true;
    std::vector<CellKey> touched{key};
    markDependentsDirty(col, row, &touched);
    if (!getBool(kPropAutoCalc)) {
        touched.resize(1);
    }
    computeExact(touched);
    runPendingAutoCalc();
    return true;
}

}  // namespace ovgrid
