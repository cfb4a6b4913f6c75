// Grid.cpp - coordinates, counts, properties and cell contents (data, values, formulas,
// numbers, tags) with their four reading modes.
#include "grid/Grid.h"

#include <algorithm>
#include <cmath>

#include "base/CaseFolding.h"
#include "base/NumberText.h"

namespace ovgrid {

Grid::Grid() {
    fonts_.emplace_back();
}
Grid::~Grid() = default;
Grid& Grid::operator=(const Grid&) = default;
Grid::Grid(Grid&&) noexcept = default;
Grid& Grid::operator=(Grid&&) noexcept = default;

// --- coordinates

bool Grid::toInternalRange(int& col1, int& row1, int& col2, int& row2) const {
    // -1 as an end means "through the last one".
    if (col2 == -1) {
        col2 = maxCols_;
    }
    if (row2 == -1) {
        row2 = maxRows_;
    }
    if (col1 == -1) {
        col1 = 1;
    }
    if (row1 == -1) {
        row1 = 1;
    }
    if (!toInternal(col1, row1) || !toInternal(col2, row2)) {
        return false;
    }
    if (col1 > col2) {
        std::swap(col1, col2);
    }
    if (row1 > row2) {
        std::swap(row1, row2);
    }
    return true;
}

const Cell* Grid::findCell(int col, int row) const {
    if (order_.covers(col, row)) {
        return order_.at(col, row);
    }
    auto it = cells_.find(cellKey(col, row));
    return it == cells_.end() ? nullptr : &it->second;
}

Cell* Grid::findCell(int col, int row) {
    if (order_.covers(col, row)) {
        return order_.at(col, row);
    }
    auto it = cells_.find(cellKey(col, row));
    return it == cells_.end() ? nullptr : &it->second;
}

Cell& Grid::cellAt(int col, int row) {
    if (order_.covers(col, row)) {
        if (Cell* cell = order_.at(col, row)) {
            return *cell;
        }
    }
    auto [it, added] = cells_.try_emplace(cellKey(col, row));
    if (added) {
        order_.cellsReshaped();
    }
    return it->second;
}

void Grid::eraseIfBlank(int col, int row) {
    auto it = cells_.find(cellKey(col, row));
    if (it != cells_.end() && it->second.isBlank()) {
        cells_.erase(it);
        order_.cellsReshaped();
    }
}

void Grid::buildPositions() {
    order_.positionsTried = true;
    const long long cols = maxCols_ + 1LL, rows = maxRows_ + 1LL;
    // Worth it where the sheet is fairly dense; bounded so that a huge sparse sheet does
    // not allocate a table of empty slots.
    const long long slots = cols * rows;
    if (slots > 4 * static_cast<long long>(cells_.size()) + 4096 || slots > (1LL << 26)) {
        return;
    }
    order_.positions.assign(static_cast<std::size_t>(slots), nullptr);
    order_.positionCols = static_cast<int>(cols);
    order_.positionRows = static_cast<int>(rows);
    for (auto& [key, cell] : cells_) {
        const int col = keyCol(key), row = keyRow(key);
        if (col < cols && row < rows) {
            order_.positions[static_cast<std::size_t>(row * cols + col)] = &cell;
        }
    }
}

const CellStyle& Grid::styleOf(const Cell* cell) const {
    return styles_.at(cell ? cell->style : 0);
}

// --- counts and properties

bool Grid::setMaxCols(int count) {
    if (count < 0 || count > kMaxGridCols || structureLocked()) {
        return false;
    }
    bool shrinks = count < maxCols_;
    maxCols_ = count;
    order_.cellsReshaped();
    if (shrinks) {
        dropCellsOutside();
    }
    return true;
}

bool Grid::setMaxRows(int count) {
    if (count < 0 || count > kMaxGridRows || structureLocked()) {
        return false;
    }
    bool shrinks = count < maxRows_;
    maxRows_ = count;
    order_.cellsReshaped();
    if (shrinks) {
        dropCellsOutside();
    }
    return true;
}

void Grid::dropCellsOutside() {
    bool droppedFormula = false;
    for (auto it = cells_.begin(); it != cells_.end();) {
        if (keyCol(it->first) > maxCols_ || keyRow(it->first) > maxRows_) {
            droppedFormula = droppedFormula || static_cast<bool>(it->second.formula);
            it = cells_.erase(it);
            order_.cellsReshaped();
        } else {
            ++it;
        }
    }
    std::erase_if(spans_, [&](const Span& s) { return s.col > maxCols_ || s.row > maxRows_; });
    for (Span& s : spans_) {
        s.cols = std::min(s.cols, maxCols_ - s.col + 1);
        s.rows = std::min(s.rows, maxRows_ - s.row + 1);
    }
    std::erase_if(colWidths_, [&](const auto& e) { return e.first > maxCols_; });
    std::erase_if(rowHeights_, [&](const auto& e) { return e.first > maxRows_; });
    std::erase_if(hiddenRows_, [&](int r) { return r > maxRows_; });
    if (droppedFormula) {
        rebuildDependencies();
    }
}

void Grid::setBool(int code, bool value) {
    bool wasAuto = getBool(kPropAutoCalc);
    properties_[code] = value;
    if (code == kPropAutoCalc && value && !wasAuto && evalDepth_ == 0) {
        // Switching automatic calculation on brings every stale formula up to date.
        std::vector<CellKey> stale;
        for (const auto& [k, cell] : cells_) {
            if (cell.formula && cell.dirty) {
                stale.push_back(k);
            }
        }
        computeExact(stale);
    }
}

bool Grid::getBool(int code) const {
    auto it = properties_.find(code);
    if (it != properties_.end()) {
        return it->second;
    }
    // A fresh grid redraws and calculates automatically.
    return code == kPropRedraw || code == kPropAutoCalc;
}

// --- contents

bool Grid::storeText(int col, int row, std::wstring_view text) {
    Cell* existing = findCell(col, row);
    const CellStyle& style = styleOf(existing);
    Value value;
    if (style.hasType && style.cellType.type == kTypeNumber) {
        if (text.find_first_not_of(L" \t") != std::wstring_view::npos) {
            auto number = ovbase::parseNumberText(text);
            const CellType& t = style.cellType;
            bool ranged = t.minimum != 0 || t.maximum != 0;
            if (!number || (ranged && (*number < t.minimum || *number > t.maximum))) {
                return false;  // a number cell takes numbers in its range only
            }
            value = Value::fromNumber(*number);
        }
    } else if (!text.empty()) {
        value = Value::fromText(std::wstring(text));
    }
    CellKey key = cellKey(col, row);
    Cell& cell = existing != nullptr ? *existing : cellAt(col, row);
    dropFormula(key, cell);
    cell.value = std::move(value);
    if (cell.isBlank()) {
        eraseIfBlank(col, row);
    }
    contentChanged(col, row);
    return true;
}

bool Grid::setData(int col, int row, std::wstring_view text) {
    return toInternal(col, row) && storeText(col, row, text);
}

bool Grid::setValue(int col, int row, std::wstring_view text) {
    return toInternal(col, row) && storeText(col, row, text);
}

bool Grid::setCellNumber(int col, int row, double number) {
    if (!toInternal(col, row)) {
        return false;
    }
    CellKey key = cellKey(col, row);
    Cell& cell = cellAt(col, row);
    dropFormula(key, cell);
    cell.value = Value::fromNumber(number);
    contentChanged(col, row);
    return true;
}

bool Grid::getCellNumber(int col, int row, double& number) const {
    number = 0;
    if (!toInternal(col, row)) {
        return false;
    }
    const Cell* cell = findCell(col, row);
    if (!cell) {
        return true;
    }
    const Value& v = cell->value;
    if (v.isNumber()) {
        number = v.number;
    } else if (v.isBool()) {
        number = v.boolean ? 1 : 0;
    } else if (v.isText()) {
        number = ovbase::parseNumberText(v.text).value_or(0);
    }
    return true;
}

bool Grid::setFormula(int col, int row, std::wstring_view text, bool recalc, std::wstring* error) {
    if (!toInternal(col, row) || col == 0 || row == 0) {
        if (error) {
            *error = L"the cell lies outside the sheet";
        }
        return false;
    }
    std::wstring_view body = text;
    while (!body.empty() && (body.front() == L' ' || body.front() == L'\t')) {
        body.remove_prefix(1);
    }
    CellKey key = cellKey(col, row);
    if (body.empty() || body == L"=") {
        // An empty formula clears the cell's formula and value.
        if (auto it = cells_.find(key); it != cells_.end()) {
            dropFormula(key, it->second);
            it->second.value = Value{};
            eraseIfBlank(col, row);
            contentChanged(col, row);
        }
        return true;
    }
    auto compiled = CompiledFormula::compile(text, refStyle_, col, row, error);
    if (!compiled) {
        return false;
    }
    storeFormula(key, std::move(*compiled), recalc);
    return true;
}

bool Grid::setCompiledFormula(int col, int row, CompiledFormula formula, bool recalc) {
    if (!formula || !toInternal(col, row) || col == 0 || row == 0) {
        return false;
    }
    storeFormula(cellKey(col, row), std::move(formula), recalc);
    return true;
}

void Grid::storeFormula(CellKey key, CompiledFormula formula, bool recalc) {
    Cell& cell = cellAt(keyCol(key), keyRow(key));
    dropFormula(key, cell);
    attachFormula(key, cell, std::move(formula));
    cell.value = Value{};
    cell.dirty = true;
    formulaChanged(key, recalc);
}

Value Grid::cellValue(int col, int row) const {
    if (!toInternal(col, row)) {
        return Value{};
    }
    const Cell* cell = findCell(col, row);
    if (!cell) {
        return Value{};
    }
    if (cell->value.isText() && !cell->formula) {
        if (auto number = ovbase::parseNumberText(cell->value.text)) {
            return Value::fromNumber(*number);
        }
    }
    return cell->value;
}

const std::wstring* Grid::valueText(int col, int row) const {
    if (!toInternal(col, row)) {
        return nullptr;
    }
    const Cell* cell = findCell(col, row);
    return cell != nullptr && cell->value.isText() ? &cell->value.text : nullptr;
}

std::wstring Grid::readText(int col, int row, ReadMode mode) const {
    const Cell* cell = findCell(col, row);
    if (!cell) {
        return {};
    }
    switch (mode) {
        case ReadMode::Tag:
            return cell->tag ? *cell->tag : std::wstring();
        case ReadMode::Formula:
            return cell->formula ? cell->formula.toText(refStyle_, col, row) : std::wstring();
        case ReadMode::Data:
        case ReadMode::Value:
            break;
    }
    const Value& v = cell->value;
    if (v.isNumber() && mode == ReadMode::Data && std::isfinite(v.number)) {
        const CellStyle& style = styles_.at(cell->style);
        if (style.hasType && style.cellType.type == kTypeNumber) {
            return ovbase::fixedNumberText(v.number, style.cellType.decimals);
        }
    }
    return displayText(v);
}

bool Grid::getText(int col, int row, ReadMode mode, std::wstring& out) const {
    out.clear();
    if (!toInternal(col, row)) {
        return false;
    }
    out = readText(col, row, mode);
    return true;
}

bool Grid::getData(int col, int row, std::wstring& out) const {
    return getText(col, row, ReadMode::Data, out);
}
bool Grid::getValue(int col, int row, std::wstring& out) const {
    return getText(col, row, ReadMode::Value, out);
}
bool Grid::getFormula(int col, int row, std::wstring& out) const {
    return getText(col, row, ReadMode::Formula, out);
}
bool Grid::getCellTag(int col, int row, std::wstring& out) const {
    return getText(col, row, ReadMode::Tag, out);
}

bool Grid::hasFormula(int col, int row) const {
    if (!toInternal(col, row)) {
        return false;
    }
    const Cell* cell = findCell(col, row);
    return cell && cell->formula;
}

bool Grid::setCellTag(int col, int row, std::wstring_view tag) {
    if (!toInternal(col, row)) {
        return false;
    }
    if (tag.empty()) {
        auto it = cells_.find(cellKey(col, row));
        if (it != cells_.end()) {
            it->second.tag.reset();
            eraseIfBlank(col, row);
        }
        return true;
    }
    cellAt(col, row).tag = std::make_unique<std::wstring>(tag);
    return true;
}

bool Grid::clearRange(int col1, int row1, int col2, int row2) {
    if (!toInternalRange(col1, row1, col2, row2)) {
        return false;
    }
    std::vector<CellKey> keys;
    for (const auto& [key, cell] : cells_) {
        int c = keyCol(key);
        int r = keyRow(key);
        if (c >= col1 && c <= col2 && r >= row1 && r <= row2 &&
            (!cell.value.isEmpty() || cell.formula)) {
            keys.push_back(key);
        }
    }
    for (CellKey key : keys) {
        Cell& cell = cells_.at(key);
        dropFormula(key, cell);
        cell.value = Value{};
        eraseIfBlank(keyCol(key), keyRow(key));
        contentChanged(keyCol(key), keyRow(key));
    }
    return true;
}

// --- formulas and their dependencies

void Grid::dropFormula(CellKey key, Cell& cell) {
    if (!cell.formula) {
        return;
    }
    dependents_.remove(key, cell.formula);
    order_.invalidate();
    --formulaCount_;
    volatileCells_.erase(key);
    cell.formula = CompiledFormula();
    cell.dirty = false;
}

void Grid::attachFormula(CellKey key, Cell& cell, CompiledFormula formula) {
    cell.formula = std::move(formula);
    dependents_.add(key, cell.formula);
    order_.invalidate();
    ++formulaCount_;
    if (cell.formula.isVolatile()) {
        volatileCells_.insert(key);
    }
}

void Grid::rebuildDependencies() {
    dependents_.clear();
    order_.invalidate();
    formulaCount_ = 0;
    volatileCells_.clear();
    for (auto& [key, cell] : cells_) {
        if (cell.formula) {
            dependents_.add(key, cell.formula);
            ++formulaCount_;
            if (cell.formula.isVolatile()) {
                volatileCells_.insert(key);
            }
        }
    }
}

// --- registered functions

std::vector<CellKey> Grid::sortedFormulaKeys() const {
    std::vector<CellKey> keys;
    keys.reserve(formulaCount_);
    if (!order_.positions.empty()) {
        // The position table is in row order already. It holds every cell inside the sheet,
        // which is every cell unless one was left outside.
        for (int row = 0; row < order_.positionRows; ++row) {
            for (int col = 0; col < order_.positionCols; ++col) {
                const Cell* cell = order_.at(col, row);
                if (cell != nullptr && cell->formula) {
                    keys.push_back(cellKey(col, row));
                }
            }
        }
        if (keys.size() == formulaCount_) {
            return keys;
        }
        keys.clear();
    }
    for (const auto& [key, cell] : cells_) {
        if (cell.formula) {
            keys.push_back(key);
        }
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

bool Grid::addCustomFunctionExt(std::wstring_view name, int minArgs, int maxArgs,
                                SSCustomFunctionProc proc, long flags) {
    if (name.empty() || !proc || minArgs < 0 || maxArgs < minArgs) {
        return false;
    }
    CustomFunction f;
    // The formula parser looks names up in the same case (formula/Parser.cpp).
    f.name = ovbase::toUpper(name);
    f.minArgs = minArgs;
    f.maxArgs = maxArgs;
    f.proc = proc;
    f.flags = flags;
    std::wstring key = f.name;
    functions_.insert_or_assign(std::move(key), std::move(f));
    return true;
}

const CustomFunction* Grid::customFunction(std::wstring_view upperName) const {
    auto it = functions_.find(std::wstring(upperName));
    return it == functions_.end() ? nullptr : &it->second;
}

}  // namespace ovgrid
