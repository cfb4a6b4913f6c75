// GridOrder.cpp - working out the evaluation order of every formula: a depth-first walk over
// the formulas each one reads, emitting a cell after all of its precedents. The walk keeps
// its own stack (no recursion through cells) and gives up on the first circular reference;
// circular sheets are then ordered per change, as before. The walk over the formulas one formula
// reads serves the ordering per change too.
#include <algorithm>

#include "grid/Grid.h"

namespace ovgrid {

template <typename Visit>
void Grid::forEachPrecedentFormula(CellKey key, const CompiledFormula& formula, Visit visit) {
    formula.forEachReference(keyCol(key), keyRow(key), [&](const CellRange& raw) {
        int col1 = std::max(1, raw.col1), row1 = std::max(1, raw.row1);
        int col2 = std::min(maxCols_, raw.col2), row2 = std::min(maxRows_, raw.row2);
        if (col1 > col2 || row1 > row2) {
            return;
        }
        long long area = static_cast<long long>(col2 - col1 + 1) * (row2 - row1 + 1);
        if (area <= static_cast<long long>(cells_.size())) {
            for (int r = row1; r <= row2; ++r) {
                for (int c = col1; c <= col2; ++c) {
                    Cell* cell = findCell(c, r);
                    if (cell != nullptr && cell->formula) {
                        visit(cell, cellKey(c, r));
                    }
                }
            }
        } else {
            // A large, sparse range: walk the cells instead of its area.
            for (auto& [k, cell] : cells_) {
                int c = keyCol(k), r = keyRow(k);
                if (cell.formula && c >= col1 && c <= col2 && r >= row1 && r <= row2) {
                    visit(&cell, k);
                }
            }
        }
    });
}

void Grid::forEachDirtyPrecedent(CellKey key, const std::function<void(CellKey)>& visit) {
    forEachPrecedentFormula(key, cells_.at(key).formula, [&](const Cell* cell, CellKey k) {
        if (cell->dirty) {
            visit(k);
        }
    });
}

void Grid::buildEvalOrder() {
    order_.cells.clear();
    order_.state = EvalOrder::State::Stale;
    if (!order_.positionsTried) {
        buildPositions();  // the walk below reads every referenced cell
    }
    // Row by row, so that independent formulas keep reading order.
    const std::vector<CellKey> keys = sortedFormulaKeys();

    enum : std::uint8_t { kNew = 0, kOpen = 1, kDone = 2 };
    struct Frame {
        EvalOrder::Entry entry;
        std::size_t first;  // its precedents are edges[first, end) while it is on top
        std::size_t next;
    };
    std::vector<EvalOrder::Entry> edges;
    std::vector<Frame> frames;
    std::vector<EvalOrder::Entry> order;
    order.reserve(keys.size());
    bool circular = false;
    auto open = [&](Cell* cell, CellKey key) {
        cell->mark = kOpen;
        const std::size_t first = edges.size();
        forEachPrecedentFormula(key, cell->formula, [&](Cell* p, CellKey pk) {
            edges.push_back({p, pk});
        });
        frames.push_back({{cell, key}, first, first});
    };
    for (CellKey key : keys) {
        Cell& root = *findCell(keyCol(key), keyRow(key));
        if (root.mark != kNew) {
            continue;
        }
        open(&root, key);
        while (!frames.empty() && !circular) {
            Frame& top = frames.back();
            if (top.next < edges.size()) {  // the edges above `first` are all its own
                const EvalOrder::Entry p = edges[top.next++];
                if (p.cell->mark == kNew) {
                    open(p.cell, p.key);  // invalidates `top`
                } else if (p.cell->mark == kOpen) {
                    circular = true;  // p is still waiting for this cell
                }
                continue;
            }
            top.entry.cell->mark = kDone;
            order.push_back(top.entry);
            edges.resize(top.first);
            frames.pop_back();
        }
        if (circular) {
            break;
        }
    }
    for (const Frame& f : frames) {
        f.entry.cell->mark = kNew;
    }
    for (const EvalOrder::Entry& e : order) {
        e.cell->mark = kNew;
    }
    if (circular) {
        order_.state = EvalOrder::State::Circular;
        return;
    }
    order_.cells = std::move(order);
    order_.state = EvalOrder::State::Ready;
}

}  // namespace ovgrid
