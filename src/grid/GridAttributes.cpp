// GridAttributes.cpp - the looks and behaviour of cells (types, lock, colours, fonts,
// borders), spans, row and column sizes, selection, edit state and presentation settings.
#include <algorithm>
#include <cmath>
#include <type_traits>

#include "base/NumberText.h"
#include "grid/Grid.h"

namespace ovgrid {
namespace {

// Styling is per cell; a bigger block than this would cost gigabytes and is refused.
constexpr long long kMaxStyledBlock = 20'000'000;

}  // namespace

template <typename Change>
bool Grid::changeStyleRange(int col1, int row1, int col2, int row2, Change change) {
    if (!toInternalRange(col1, row1, col2, row2)) {
        return false;
    }
    long long area = static_cast<long long>(col2 - col1 + 1) * (row2 - row1 + 1);
    if (area > kMaxStyledBlock) {
        return false;
    }
    // `change` edits a style, or (given a style index) answers the changed style's index.
    auto restyle = [&](std::uint32_t old) -> std::uint32_t {
        if constexpr (std::is_invocable_r_v<std::uint32_t, Change, std::uint32_t>) {
            return change(old);
        } else {
            CellStyle style = styles_.at(old);
            change(style);
            return style == styles_.at(old) ? old : styles_.intern(std::move(style));
        }
    };
    std::unordered_map<std::uint32_t, std::uint32_t> memo;  // old style -> new style
    for (int r = row1; r <= row2; ++r) {
        for (int c = col1; c <= col2; ++c) {
            auto it = cells_.find(cellKey(c, r));
            std::uint32_t old = it == cells_.end() ? 0 : it->second.style;
            std::uint32_t next;
            if (area == 1) {
                next = restyle(old);
            } else if (auto known = memo.find(old); known != memo.end()) {
                next = known->second;
            } else {
                next = restyle(old);
                memo.emplace(old, next);
            }
            if (next == old) {
                continue;
            }
            if (it == cells_.end()) {
                cellAt(c, r).style = next;
            } else {
                it->second.style = next;
                eraseIfBlank(c, r);
            }
        }
    }
    return true;
}

const CellStyle& Grid::cellStyle(int col, int row) const {
    if (!toInternal(col, row)) {
        return styles_.at(0);
    }
    return styleOf(findCell(col, row));
}

// --- cell types

bool Grid::setCellType(int col, int row, const CellType& type) {
    return setCellTypeRange(col, row, col, row, type);
}

bool Grid::setCellTypeRange(int col1, int row1, int col2, int row2, const CellType& type) {
    // Setting a cell's type again is common (a value written into a typed cell) and then
    // needs no new style.
    int col = col1;
    int row = row1;
    bool sameType = false;
    if (col1 == col2 && row1 == row2 && toInternal(col, row)) {
        const Cell* cell = findCell(col, row);
        const CellStyle& current = styleOf(cell);
        sameType = current.hasType && current.cellType == type;
        if (sameType && (cell == nullptr || cell->formula || !cell->value.isText())) {
            return true;  // nothing to restyle or to convert
        }
    }
    bool ok = sameType || changeStyleRange(col1, row1, col2, row2, [&](std::uint32_t old) {
                  return styles_.withType(old, type);
              });
    if (ok && type.type == kTypeNumber && toInternalRange(col1, row1, col2, row2)) {
        // A number cell holds numbers: a numeric text becomes its number; any other text
        // stays as it is rather than being lost.
        auto convert = [](Cell& cell) {
            if (!cell.formula && cell.value.isText()) {
                if (auto number = ovbase::parseNumberText(cell.value.text)) {
                    cell.value = Value::fromNumber(*number);
                }
            }
        };
        long long area = static_cast<long long>(col2 - col1 + 1) * (row2 - row1 + 1);
        if (area <= static_cast<long long>(cells_.size())) {
            for (int r = row1; r <= row2; ++r) {
                for (int c = col1; c <= col2; ++c) {
                    if (auto it = cells_.find(cellKey(c, r)); it != cells_.end()) {
                        convert(it->second);
                    }
                }
            }
        } else {
            for (auto& [key, cell] : cells_) {
                int c = keyCol(key), r = keyRow(key);
                if (c >= col1 && c <= col2 && r >= row1 && r <= row2) {
                    convert(cell);
                }
            }
        }
    }
    return ok;
}

bool Grid::getCellType(int col, int row, CellType& out) const {
    if (!toInternal(col, row)) {
        out = CellType{};
        return false;
    }
    const CellStyle& style = styleOf(findCell(col, row));
    out = style.hasType ? style.cellType : CellType{};
    return true;
}

bool Grid::hasCellType(int col, int row) const {
    return toInternal(col, row) && styleOf(findCell(col, row)).hasType;
}

// --- lock, colours, fonts, borders

bool Grid::lockCell(int col, int row, bool locked) {
    return lockRange(col, row, col, row, locked);
}

bool Grid::lockRange(int col1, int row1, int col2, int row2, bool locked) {
    return changeStyleRange(col1, row1, col2, row2, [&](CellStyle& s) { s.locked = locked; });
}

bool Grid::isLocked(int col, int row) const {
    return toInternal(col, row) && styleOf(findCell(col, row)).locked;
}

bool Grid::setColor(int col, int row, long background, long foreground) {
    return setColorRange(col, row, col, row, background, foreground);
}

bool Grid::setColorRange(int col1, int row1, int col2, int row2, long background, long foreground) {
    return changeStyleRange(col1, row1, col2, row2, [&](CellStyle& s) {
        s.background = background;
        s.foreground = foreground;
    });
}

bool Grid::getColor(int col, int row, long& background, long& foreground) const {
    background = foreground = DEFAULT_COLOR;
    if (!toInternal(col, row)) {
        return false;
    }
    const CellStyle& s = styleOf(findCell(col, row));
    background = s.background;
    foreground = s.foreground;
    return true;
}

int Grid::createFont(const FontInfo& font) {
    auto it = std::find(fonts_.begin(), fonts_.end(), font);
    if (it != fonts_.end()) {
        return static_cast<int>(it - fonts_.begin());
    }
    fonts_.push_back(font);
    return static_cast<int>(fonts_.size() - 1);
}

const FontInfo& Grid::font(int handle) const {
    if (handle < 0 || handle >= static_cast<int>(fonts_.size())) {
        return fonts_.front();
    }
    return fonts_[handle];
}

bool Grid::setFont(int col, int row, int fontHandle) {
    return setFontRange(col, row, col, row, fontHandle);
}

bool Grid::setFontRange(int col1, int row1, int col2, int row2, int fontHandle,
                        bool /*deleteFont: fonts are always the grid's*/) {
    if (fontHandle < 0 || fontHandle >= static_cast<int>(fonts_.size())) {
        return false;
    }
    return changeStyleRange(col1, row1, col2, row2, [&](CellStyle& s) { s.font = fontHandle; });
}

int Grid::getFont(int col, int row) const {
    return toInternal(col, row) ? styleOf(findCell(col, row)).font : 0;
}

bool Grid::setBorder(int col, int row, int type, int style, long color) {
    return setBorderRange(col, row, col, row, type, style, color);
}

bool Grid::setBorderRange(int col1, int row1, int col2, int row2, int type, int style, long color) {
    return changeStyleRange(col1, row1, col2, row2, [&](CellStyle& s) {
        s.border = Border{type, style, color};
    });
}

bool Grid::getBorder(int col, int row, int& type, int& style, long& color) const {
    type = style = 0;
    color = DEFAULT_COLOR;
    if (!toInternal(col, row)) {
        return false;
    }
    const Border& b = styleOf(findCell(col, row)).border;
    type = b.type;
    style = b.style;
    color = b.color;
    return true;
}

// --- spans

bool Grid::addCellSpan(int col, int row, int cols, int rows) {
    if (!toInternal(col, row) || cols < 1 || rows < 1) {
        return false;
    }
    if (static_cast<long long>(col) + cols - 1 > maxCols_ ||
        static_cast<long long>(row) + rows - 1 > maxRows_) {
        return false;
    }
    Span span{col, row, cols, rows};
    for (const Span& s : spans_) {
        bool apart = span.col + span.cols <= s.col || s.col + s.cols <= span.col ||
                     span.row + span.rows <= s.row || s.row + s.rows <= span.row;
        if (!apart) {
            return false;
        }
    }
    spans_.push_back(span);
    return true;
}

bool Grid::getCellSpan(int col, int row, int& anchorCol, int& anchorRow, int& cols,
                       int& rows) const {
    anchorCol = anchorRow = cols = rows = 0;
    if (!toInternal(col, row)) {
        return false;
    }
    for (const Span& s : spans_) {
        if (s.contains(col, row)) {
            anchorCol = s.col;
            anchorRow = s.row;
            cols = s.cols;
            rows = s.rows;
            return true;
        }
    }
    return false;
}

bool Grid::removeCellSpan(int anchorCol, int anchorRow) {
    if (!toInternal(anchorCol, anchorRow)) {
        return false;
    }
    auto removed = std::erase_if(
        spans_, [&](const Span& s) { return s.col == anchorCol && s.row == anchorRow; });
    return removed > 0;
}

// --- sizes

bool Grid::setColWidth(int col, double width) {
    col = toInternalIndex(col);
    if (col < 0 || col > maxCols_ || !std::isfinite(width) || width < 0) {
        return false;
    }
    colWidths_[col] = width;
    return true;
}

double Grid::getColWidth(int col) const {
    auto it = colWidths_.find(toInternalIndex(col));
    return it == colWidths_.end() ? kDefaultColWidth : it->second;
}

bool Grid::setRowHeight(int row, double height) {
    row = toInternalIndex(row);
    if (row < 0 || row > maxRows_ || !std::isfinite(height) || height < 0) {
        return false;
    }
    rowHeights_[row] = height;
    return true;
}

double Grid::getRowHeight(int row) const {
    auto it = rowHeights_.find(toInternalIndex(row));
    return it == rowHeights_.end() ? kDefaultRowHeight : it->second;
}

bool Grid::getColWidthInPixels(int col, int& pixels) const {
    int c = toInternalIndex(col);
    pixels = 0;
    if (c < 0 || c > maxCols_) {
        return false;
    }
    pixels = widthToPixels(getColWidth(c));
    return true;
}

bool Grid::setColWidthInPixels(int col, int pixels) {
    return pixels >= 0 && setColWidth(col, pixelsToWidth(pixels));
}

bool Grid::getRowHeightInPixels(int row, int& pixels) const {
    int r = toInternalIndex(row);
    pixels = 0;
    if (r < 0 || r > maxRows_) {
        return false;
    }
    pixels = heightToPixels(getRowHeight(r));
    return true;
}

bool Grid::setRowHeightInPixels(int row, int pixels) {
    return pixels >= 0 && setRowHeight(row, pixelsToHeight(pixels));
}

void Grid::setMetrics(const GridMetrics* metrics) {
    host_.metrics = metrics;
}

bool Grid::getPreferredCellSize(int col, int row, double& width, double& height) const {
    width = height = 0;
    if (!toInternal(col, row)) {
        return false;
    }
    const Cell* cell = findCell(col, row);
    const CellStyle& style = styleOf(cell);
    std::wstring text = readText(col, row, ReadMode::Data);
    if (style.hasType &&
        (style.cellType.type == kTypeCheck || style.cellType.type == kTypeButton)) {
        text = style.cellType.text;
    }
    const GridMetrics& metrics = host_.metrics ? *host_.metrics : headlessMetrics();
    TextExtent extent = metrics.textExtent(text, font(style.font));
    if (style.hasType && style.cellType.type == kTypeCheck) {
        extent.width += font(style.font).height + 4;  // the box beside the caption
    }
    width = pixelsToWidth(extent.width + kCellPaddingX);
    height = pixelsToHeight(extent.height + kCellPaddingY);
    return true;
}

bool Grid::getPreferredColWidth(int col, double& width) const {
    int c = toInternalIndex(col);
    width = 0;
    if (c < 0 || c > maxCols_) {
        return false;
    }
    width = pixelsToWidth(kCellPaddingX);
    for (const auto& [key, cell] : cells_) {
        if (keyCol(key) == c) {
            double w = 0, h = 0;
            getPreferredCellSize(c, keyRow(key), w, h);
            width = std::max(width, w);
        }
    }
    return true;
}

bool Grid::getPreferredRowHeight(int row, double& height) const {
    int r = toInternalIndex(row);
    height = 0;
    if (r < 0 || r > maxRows_) {
        return false;
    }
    double w = 0;
    getPreferredCellSize(0, r, w, height);  // an empty row still needs one line
    for (const auto& [key, cell] : cells_) {
        if (keyRow(key) == r) {
            double h = 0;
            getPreferredCellSize(keyCol(key), r, w, h);
            height = std::max(height, h);
        }
    }
    return true;
}

bool Grid::isRowHidden(int row) const {
    return hiddenRows_.count(toInternalIndex(row)) > 0;
}

bool Grid::setRowHidden(int row, bool hidden) {
    row = toInternalIndex(row);
    if (row < 1 || row > maxRows_) {
        return false;
    }
    if (hidden) {
        hiddenRows_.insert(row);
    } else {
        hiddenRows_.erase(row);
    }
    return true;
}

// --- selection and edit state

bool Grid::getActiveCell(int& col, int& row) const {
    col = view_.activeCol;
    row = view_.activeRow;
    return view_.activeCol >= 1 && view_.activeRow >= 1 && view_.activeCol <= maxCols_ &&
           view_.activeRow <= maxRows_;
}

bool Grid::setActiveCell(int col, int row) {
    if (col < 1 || row < 1 || col > maxCols_ || row > maxRows_) {
        return false;
    }
    view_.activeCol = col;
    view_.activeRow = row;
    return true;
}

bool Grid::getSelectedBlock(int& col1, int& row1, int& col2, int& row2) const {
    col1 = view_.selCol1;
    row1 = view_.selRow1;
    col2 = view_.selCol2;
    row2 = view_.selRow2;
    return view_.hasSelection;
}

bool Grid::setSelectedBlock(int col1, int row1, int col2, int row2) {
    auto valid = [](int v, int count) { return v < 0 || (v >= 1 && v <= count); };
    if (!valid(col1, maxCols_) || !valid(col2, maxCols_) || !valid(row1, maxRows_) ||
        !valid(row2, maxRows_)) {
        return false;
    }
    view_.selCol1 = col1;
    view_.selRow1 = row1;
    view_.selCol2 = col2;
    view_.selRow2 = row2;
    view_.hasSelection = true;
    return true;
}

void Grid::getEditSelection(int& start, int& end) const {
    start = view_.editStart;
    end = view_.editEnd;
}

void Grid::setEditSelection(int start, int end) {
    view_.editStart = std::max(0, start);
    view_.editEnd = std::max(view_.editStart, end);
}

bool Grid::getNotificationCell(int& col, int& row) const {
    col = view_.notifyCol;
    row = view_.notifyRow;
    return view_.notifyCol != 0 || view_.notifyRow != 0;
}

void Grid::setNotificationCell(int col, int row) {
    view_.notifyCol = col;
    view_.notifyRow = row;
}

// --- presentation settings

bool Grid::setActionKey(int action, int shift, int control, int key) {
    if (action < 0) {
        return false;
    }
    auto it = std::find_if(view_.actionKeys.begin(), view_.actionKeys.end(),
                           [&](const ActionKey& a) { return a.action == action; });
    ActionKey entry{action, shift, control, key};
    if (it != view_.actionKeys.end()) {
        *it = entry;
    } else {
        view_.actionKeys.push_back(entry);
    }
    return true;
}

void Grid::setSelColor(long background, long foreground) {
    view_.appearance.selBackground = background;
    view_.appearance.selForeground = foreground;
}

void Grid::setOddEvenRowColor(long oddBack, long oddFore, long evenBack, long evenFore) {
    view_.appearance.oddEvenColors = {oddBack, oddFore, evenBack, evenFore};
}

void Grid::setHeaderColors(long background, long foreground) {
    view_.appearance.headerBackground = background;
    view_.appearance.headerForeground = foreground;
}

void Grid::setColorSetting(long background, long foreground) {
    view_.appearance.colorBackground = background;
    view_.appearance.colorForeground = foreground;
}

void Grid::setCursorSetting(int code, int value) {
    view_.appearance.cursorCode = code;
    view_.appearance.cursorValue = value;
}

void Grid::setTwoCodeSetting(int first, int second) {
    view_.appearance.twoCodeFirst = first;
    view_.appearance.twoCodeSecond = second;
}

void Grid::setScrollBarSize(int verticalWidth, int horizontalHeight) {
    host_.scrollBarWidth = verticalWidth;
    host_.scrollBarHeight = horizontalHeight;
}

void Grid::getScrollBarSize(int& verticalWidth, int& horizontalHeight) const {
    verticalWidth = host_.scrollBarWidth;
    horizontalHeight = host_.scrollBarHeight;
}

}  // namespace ovgrid
