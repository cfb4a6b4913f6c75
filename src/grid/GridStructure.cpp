// GridStructure.cpp - edits of the sheet's structure: inserting and deleting rows and
// columns, copying and moving blocks, copy and paste through the host's clipboard, and reset.
// Formulas are adjusted so that they keep reading the cells they read before.
#include <algorithm>
#include <optional>

#include "grid/Delimited.h"
#include "grid/Grid.h"

namespace ovgrid {
namespace {

// One insertion or deletion along one axis.
struct AxisEdit {
    int at = 0;
    int count = 0;
    bool insert = true;

    // The index after the edit, or nothing for a deleted index.
    std::optional<int> map(int index) const {
        if (index < at) {
            return index;
        }
        if (insert) {
            return index + count;
        }
        if (index < at + count) {
            return std::nullopt;
        }
        return index - count;
    }
    // A span's extent [first, last] after the edit; nothing when it vanished.
    std::optional<std::pair<int, int>> mapExtent(int first, int last) const {
        if (insert) {
            if (first >= at) {
                return std::pair{first + count, last + count};
            }
            return std::pair{first, last >= at ? last + count : last};
        }
        int newFirst = first < at ? first : (first >= at + count ? first - count : at);
        int newLast = last < at ? last : (last >= at + count ? last - count : at - 1);
        if (newLast < newFirst) {
            return std::nullopt;
        }
        return std::pair{newFirst, newLast};
    }
};

template <typename T>
std::map<int, T> remapAxis(const std::map<int, T>& values, const AxisEdit& edit, int limit) {
    std::map<int, T> out;
    for (const auto& [index, value] : values) {
        if (index == 0) {
            out.emplace(0, value);  // the header keeps its place
        } else if (auto moved = edit.map(index); moved && *moved <= limit) {
            out.emplace(*moved, value);
        }
    }
    return out;
}

}  // namespace

template <typename Remap>
void Grid::remapCells(Remap remap) {
    std::unordered_map<CellKey, Cell> moved;
    moved.reserve(cells_.size());
    for (auto& [key, cell] : cells_) {
        int c = keyCol(key), r = keyRow(key);
        if (remap(c, r)) {
            moved.emplace(cellKey(c, r), std::move(cell));
        }
    }
    cells_ = std::move(moved);
    order_.invalidate();  // it pointed at the cells just replaced
}

namespace {

// Adjusts every formula for an edit (a formula copies its program first where an evaluation
// in progress or another cell shares it).
template <typename Adjust>
void adjustFormulas(std::unordered_map<CellKey, Cell>& cells, Adjust adjust) {
    for (auto& [key, cell] : cells) {
        if (!cell.formula) {
            continue;
        }
        adjust(cell.formula, keyCol(key), keyRow(key));
        cell.dirty = true;
    }
}

}  // namespace

bool Grid::insertRows(int row, int count) {
    return editAxis(true, row, count, true);
}

bool Grid::deleteRows(int row, int count) {
    return editAxis(true, row, count, false);
}

bool Grid::insertCols(int col, int count) {
    return editAxis(false, col, count, true);
}

bool Grid::deleteCols(int col, int count) {
    return editAxis(false, col, count, false);
}

bool Grid::editAxis(bool rows, int at, int count, bool insert) {
    at = toInternalIndex(at);
    const int limit = rows ? maxRows_ : maxCols_;
    if (structureLocked() || at < 1 || count < 1 || at > (insert ? limit + 1 : limit) ||
        (insert && count > (rows ? kMaxGridRows : kMaxGridCols))) {
        return false;
    }
    if (!insert) {
        count = std::min(count, limit - at + 1);
    }
    const AxisEdit edit{at, count, insert};
    adjustFormulas(cells_, [&](CompiledFormula& f, int c, int r) {
        if (rows) {
            insert ? f.insertRows(at, count, c, r) : f.deleteRows(at, count, c, r);
        } else {
            insert ? f.insertCols(at, count, c, r) : f.deleteCols(at, count, c, r);
        }
    });
    // Headers (index 0) keep their place; indexes pushed past the end or deleted go.
    auto moved = [&](int index) -> std::optional<int> {
        if (index == 0) {
            return 0;
        }
        auto target = edit.map(index);
        return target && *target <= limit ? target : std::nullopt;
    };
    remapCells([&](int& c, int& r) {
        int& index = rows ? r : c;
        const auto target = moved(index);
        if (target) {
            index = *target;
        }
        return target.has_value();
    });
    if (rows) {
        rowHeights_ = remapAxis(rowHeights_, edit, limit);
        std::set<int> hidden;
        for (int r : hiddenRows_) {
            if (const auto target = moved(r)) {
                hidden.insert(*target);
            }
        }
        hiddenRows_ = std::move(hidden);
    } else {
        colWidths_ = remapAxis(colWidths_, edit, limit);
    }
    int Span::*first = rows ? &Span::row : &Span::col;
    int Span::*length = rows ? &Span::rows : &Span::cols;
    std::vector<Span> spans;
    for (Span s : spans_) {
        if (s.*first != 0) {
            const auto extent = edit.mapExtent(s.*first, s.*first + s.*length - 1);
            if (!extent) {
                continue;  // all its lines were deleted
            }
            s.*first = extent->first;
            s.*length = extent->second - extent->first + 1;
        }
        spans.push_back(s);
    }
    spans_ = std::move(spans);
    if (insert) {
        dropCellsOutside();  // spans pushed past the end are cut there
    }
    rebuildDependencies();
    recalcAfterStructureEdit();
    return true;
}

bool Grid::copyRange(int col1, int row1, int col2, int row2, int targetCol, int targetRow) {
    if (structureLocked() || !toInternalRange(col1, row1, col2, row2)) {
        return false;
    }
    targetCol = toInternalIndex(targetCol);
    targetRow = toInternalIndex(targetRow);
    if (targetCol < 0 || targetRow < 0 || targetCol > maxCols_ || targetRow > maxRows_) {
        return false;
    }
    {
        // Snapshot first: source and target may overlap.
        std::vector<std::pair<CellKey, Cell>> blockCells;
        for (const auto& [key, cell] : cells_) {
            int c = keyCol(key), r = keyRow(key);
            if (c >= col1 && c <= col2 && r >= row1 && r <= row2) {
                blockCells.emplace_back(key, cell);
            }
        }
        int dCol = targetCol - col1, dRow = targetRow - row1;
        int lastCol = std::min(maxCols_, col2 + dCol), lastRow = std::min(maxRows_, row2 + dRow);
        std::vector<CellKey> changed;
        // Empty the target block, then place the copies.
        for (auto it = cells_.begin(); it != cells_.end();) {
            int c = keyCol(it->first), r = keyRow(it->first);
            if (c >= targetCol && c <= lastCol && r >= targetRow && r <= lastRow) {
                dropFormula(it->first, it->second);
                changed.push_back(it->first);
                it = cells_.erase(it);
                order_.cellsReshaped();
            } else {
                ++it;
            }
        }
        for (auto& [key, cell] : blockCells) {
            int c = keyCol(key) + dCol, r = keyRow(key) + dRow;
            if (c > lastCol || r > lastRow) {
                continue;
            }
            CellKey target = cellKey(c, r);
            CompiledFormula formula;
            if (cell.formula && c > 0 && r > 0) {
                formula = cell.formula.copiedBy(keyCol(key), keyRow(key), dCol, dRow);
            }
            cell.formula = CompiledFormula();
            Cell& placed = cells_[target] = std::move(cell);
            order_.cellsReshaped();
            if (formula) {
                attachFormula(target, placed, std::move(formula));
                placed.dirty = true;
            }
            changed.push_back(target);
        }
        for (const Span& s : std::vector<Span>(spans_)) {
            if (s.col >= col1 && s.col <= col2 && s.row >= row1 && s.row <= row2 &&
                (dCol != 0 || dRow != 0)) {
                addCellSpan(s.col + dCol, s.row + dRow, s.cols, s.rows);
            }
        }
        settleChanges(changed);
        return true;
    }
}

bool Grid::moveRange(int col1, int row1, int col2, int row2, int targetCol, int targetRow) {
    if (structureLocked() || !toInternalRange(col1, row1, col2, row2)) {
        return false;
    }
    targetCol = toInternalIndex(targetCol);
    targetRow = toInternalIndex(targetRow);
    if (targetCol < 0 || targetRow < 0 || targetCol > maxCols_ || targetRow > maxRows_) {
        return false;
    }
    int dCol = targetCol - col1, dRow = targetRow - row1;
    int lastCol = std::min(maxCols_, col2 + dCol), lastRow = std::min(maxRows_, row2 + dRow);
    std::vector<std::pair<CellKey, Cell>> block;
    std::vector<CellKey> changed;
    auto inSource = [&](int c, int r) { return c >= col1 && c <= col2 && r >= row1 && r <= row2; };
    auto inTarget = [&](int c, int r) {
        return c >= targetCol && c <= lastCol && r >= targetRow && r <= lastRow;
    };
    for (auto it = cells_.begin(); it != cells_.end();) {
        int c = keyCol(it->first), r = keyRow(it->first);
        bool source = inSource(c, r);
        if (source || inTarget(c, r)) {
            // A moved formula reads the same cells from its new place: rebuild it from its
            // text as it reads at the old place (A1 names absolute positions).
            if (source && it->second.formula && c + dCol > 0 && r + dRow > 0) {
                std::wstring text = it->second.formula.toText(RefStyle::A1, c, r);
                dropFormula(it->first, it->second);
                auto compiled = CompiledFormula::compile(text, RefStyle::A1, c + dCol, r + dRow);
                if (compiled) {
                    it->second.formula = std::move(*compiled);
                }
            } else {
                dropFormula(it->first, it->second);
            }
            changed.push_back(it->first);
            if (source) {
                block.emplace_back(it->first, std::move(it->second));
            }
            it = cells_.erase(it);
            order_.cellsReshaped();
        } else {
            ++it;
        }
    }
    for (auto& [key, cell] : block) {
        int c = keyCol(key) + dCol, r = keyRow(key) + dRow;
        if (c > lastCol || r > lastRow) {
            continue;
        }
        CellKey target = cellKey(c, r);
        CompiledFormula formula = std::move(cell.formula);
        Cell& placed = cells_[target] = std::move(cell);
        order_.cellsReshaped();
        if (formula) {
            attachFormula(target, placed, std::move(formula));
            placed.dirty = true;
        }
        changed.push_back(target);
    }
    std::vector<Span> movedSpans;
    std::erase_if(spans_, [&](const Span& s) {
        if (inSource(s.col, s.row)) {
            movedSpans.push_back(s);
            return true;
        }
        return false;
    });
    for (const Span& s : movedSpans) {
        addCellSpan(s.col + dCol, s.row + dRow, s.cols, s.rows);
    }
    settleChanges(changed);
    return true;
}

void Grid::recalcAfterStructureEdit() {
    if (getBool(kPropAutoCalc)) {
        recalculateAll();
    }
}

void Grid::settleChanges(const std::vector<CellKey>& changed) {
    std::vector<CellKey> touched;
    for (CellKey key : changed) {
        auto it = cells_.find(key);
        if (it != cells_.end() && it->second.formula) {
            it->second.dirty = true;
            touched.push_back(key);
        }
        markDependentsDirty(keyCol(key), keyRow(key), &touched);
    }
    if (!getBool(kPropAutoCalc)) {
        return;
    }
    addVolatile(touched);
    computeDirty(touched);
    runPendingAutoCalc();
}

// --- clipboard

bool Grid::clipboardCopy() {
    int col1 = 0, row1 = 0, col2 = 0, row2 = 0;
    if (!getSelectedBlock(col1, row1, col2, row2)) {
        if (!getActiveCell(col1, row1)) {
            return false;
        }
        col2 = col1;
        row2 = row1;
    }
    if (col1 < 0)
        col1 = 1;
    if (row1 < 0)
        row1 = 1;
    if (col2 < 0)
        col2 = maxCols_;
    if (row2 < 0)
        row2 = maxRows_;
    if (!toInternalRange(col1, row1, col2, row2) || col1 < 1 || row1 < 1) {
        return false;
    }
    TextTable rows;
    for (int r = row1; r <= row2; ++r) {
        auto& row = rows.emplace_back();
        for (int c = col1; c <= col2; ++c) {
            row.push_back(readText(c, r, ReadMode::Data));
        }
    }
    if (!host_.clipboard) {
        host_.clipboard = std::make_shared<GridClipboard>();
    }
    host_.clipboard->text = joinDelimited(rows, L'\t');
    return true;
}

bool Grid::clipboardPaste() {
    int col = 0, row = 0, col2 = 0, row2 = 0;
    if (getSelectedBlock(col, row, col2, row2)) {
        col = std::max(col, 1);
        row = std::max(row, 1);
    } else if (!getActiveCell(col, row)) {
        return false;
    }
    // A grid that never copied and was given no clipboard pastes as from an empty one.
    const std::wstring_view text = host_.clipboard ? host_.clipboard->text : std::wstring_view();
    TextTable rows;
    if (!splitDelimited(text, L'\t', rows, nullptr)) {
        return false;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j = 0; j < rows[i].size(); ++j) {
            long long c = col + static_cast<long long>(j), r = row + static_cast<long long>(i);
            if (c <= maxCols_ && r <= maxRows_) {
                setData(static_cast<int>(c), static_cast<int>(r), rows[i][j]);
            }
        }
    }
    return true;
}

void Grid::reset() {
    if (structureLocked()) {
        return;
    }
    Grid fresh;
    fresh.functions_ = std::move(functions_);
    fresh.host_ = std::move(host_);
    *this = std::move(fresh);
}

}  // namespace ovgrid
