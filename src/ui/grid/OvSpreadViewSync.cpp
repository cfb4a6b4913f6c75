// OvSpreadViewSync.cpp - bringing the view in step with its grid (counts, sizes, hidden rows,
// spans, colours, selection, edit mode) and telling the grid what the user selected.
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <climits>

#include "spread/Tvx_Spread.h"
#include "ui/grid/GridLook.h"
#include "ui/grid/OvSpreadModel.h"
#include "ui/grid/OvSpreadView.h"

namespace ovui::grid {

namespace {

// Sets a flag for the life of a scope.
class FlagScope {
  public:
    explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = old_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
    bool old_;
};

// Where the standard look puts its "colour setting": the area beyond the last row and column.
const QColor kOutsideArea{0xE6, 0xE6, 0xE6};
const QColor kSelection{0x0A, 0x24, 0x6A};

int defaultRowPixels() {
    return ovgrid::heightToPixels(ovgrid::kDefaultRowHeight);
}

}  // namespace

void OvSpreadView::refresh() {
    ovgrid::Grid* grid = spread_ ? spread_->grid() : nullptr;
    // Read before the selection moves: moving it closes an editor and clears the flag.
    const bool editing = grid && grid->isEditModeOn();
    const int rows = grid ? grid->getMaxRows() : 0;
    const int cols = grid ? grid->getMaxCols() : 0;
    const bool reset = rows != synced_.rows || cols != synced_.cols;
    {
        FlagScope applying(applyingGrid_);
        model_->refresh();
    }
    synced_.rows = rows;
    synced_.cols = cols;
    if (!grid) {
        return;
    }
    syncLook();
    syncSizes(reset);
    syncHiddenRows(reset);
    syncSpans(reset);
    syncSelectionFromGrid();
    if (reset) {
        writeSelectionToGrid();
    }
    if (editing && state() != EditingState) {
        const QModelIndex current = currentIndex();
        if (current.isValid() && (model_->flags(current) & Qt::ItemIsEditable)) {
            grid->setEditMode(true);
            QTableView::edit(current);
        }
    }
    viewport()->update();
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
}

void OvSpreadView::syncLook() {
    const ovgrid::Appearance& look = spread_->grid()->appearance();
    QPalette colours = palette();
    const QColor outside = toQColor(look.colorBackground, kOutsideArea);
    const QColor selection = toQColor(look.selBackground, kSelection);
    const QColor selectionText = toQColor(look.selForeground, Qt::white);
    if (colours.color(QPalette::Base) != outside ||
        colours.color(QPalette::Highlight) != selection ||
        colours.color(QPalette::HighlightedText) != selectionText) {
        colours.setColor(QPalette::Base, outside);
        colours.setColor(QPalette::Highlight, selection);
        colours.setColor(QPalette::HighlightedText, selectionText);
        setPalette(colours);
    }
}

void OvSpreadView::syncSizes(bool full) {
    const ovgrid::Grid& grid = *spread_->grid();
    FlagScope applying(applyingGrid_);
    QHeaderView* columns = horizontalHeader();
    QHeaderView* rowHeader = verticalHeader();
    const int cols = grid.getMaxCols(), rows = grid.getMaxRows();
    synced_.colWidths.resize(static_cast<std::size_t>(cols) + 1);
    for (int col = 1; col <= cols; ++col) {
        int pixels = 0;
        grid.getColWidthInPixels(col, pixels);
        synced_.colWidths[static_cast<std::size_t>(col)] = pixels;
        if (columns->sectionSize(col - 1) != pixels) {
            columns->resizeSection(col - 1, pixels);
        }
    }
    // The header column and the header row; a size of 0 hides them.
    int headerWidth = 0, headerHeight = 0;
    grid.getColWidthInPixels(ovgrid::HEADER, headerWidth);
    grid.getRowHeightInPixels(ovgrid::HEADER, headerHeight);
    synced_.colWidths[0] = headerWidth;
    rowHeader->setVisible(headerWidth > 0);
    if (headerWidth > 0 && rowHeader->width() != headerWidth) {
        rowHeader->setFixedWidth(headerWidth);
    }
    columns->setVisible(headerHeight > 0);
    if (headerHeight > 0 && columns->height() != headerHeight) {
        columns->setFixedHeight(headerHeight);
    }

    const std::map<int, double>& heights = grid.rowHeights();
    if (!full && heights == synced_.rowHeights) {
        return;
    }
    // Rows back at the default height first, then every row with a height of its own.
    for (const auto& [row, height] : synced_.rowHeights) {
        if (row >= 1 && row <= rows && heights.count(row) == 0) {
            rowHeader->resizeSection(row - 1, defaultRowPixels());
        }
    }
    for (const auto& [row, height] : heights) {
        if (row >= 1 && row <= rows) {
            rowHeader->resizeSection(row - 1, ovgrid::heightToPixels(height));
        }
    }
    synced_.rowHeights = heights;
}

void OvSpreadView::syncHiddenRows(bool full) {
    const ovgrid::Grid& grid = *spread_->grid();
    const std::set<int>& hidden = grid.hiddenRows();
    if (!full && hidden == synced_.hiddenRows) {
        return;
    }
    // Hiding sizes a row to nothing: that must not reach the grid as the row's height.
    FlagScope applying(applyingGrid_);
    const int rows = grid.getMaxRows();
    for (int row : synced_.hiddenRows) {
        if (row >= 1 && row <= rows && hidden.count(row) == 0) {
            setRowHidden(row - 1, false);
        }
    }
    for (int row : hidden) {
        if (row >= 1 && row <= rows) {
            setRowHidden(row - 1, true);
        }
    }
    synced_.hiddenRows = hidden;
}

void OvSpreadView::syncSpans(bool full) {
    const std::vector<ovgrid::Span>& spans = spread_->grid()->spans();
    if (!full && spans == synced_.spans) {
        return;
    }
    clearSpans();
    // Header spans (anchored in row or column 0) are drawn by the headers.
    for (const ovgrid::Span& span : spans) {
        if (span.col >= 1 && span.row >= 1 && (span.cols > 1 || span.rows > 1)) {
            setSpan(span.row - 1, span.col - 1, span.rows, span.cols);
        }
    }
    synced_.spans = spans;
}

void OvSpreadView::syncSelectionFromGrid() {
    const ovgrid::Grid& grid = *spread_->grid();
    const int cols = grid.getMaxCols(), rows = grid.getMaxRows();
    FlagScope applying(applyingGrid_);

    int activeCol = 0, activeRow = 0;
    if (!grid.getActiveCell(activeCol, activeRow)) {
        activeCol = activeRow = 0;
    }
    const bool activeMoved = activeCol != synced_.activeCol || activeRow != synced_.activeRow;
    if (activeMoved && activeCol >= 1 && activeRow >= 1 && activeCol <= cols && activeRow <= rows) {
        selectionModel()->setCurrentIndex(model_->index(activeRow - 1, activeCol - 1),
                                          QItemSelectionModel::ClearAndSelect);
    }
    synced_.activeCol = activeCol;
    synced_.activeRow = activeRow;

    int block[4] = {0, 0, 0, 0};
    const bool hasBlock = grid.getSelectedBlock(block[0], block[1], block[2], block[3]);
    const bool blockMoved =
        hasBlock != synced_.hasBlock || !std::equal(block, block + 4, synced_.block);
    if (blockMoved && hasBlock && cols > 0 && rows > 0) {
        // A negative bound reaches to the last column or row.
        const int col1 = std::clamp(block[0] < 0 ? 1 : block[0], 1, cols);
        const int row1 = std::clamp(block[1] < 0 ? 1 : block[1], 1, rows);
        const int col2 = std::clamp(block[2] < 0 ? cols : block[2], 1, cols);
        const int row2 = std::clamp(block[3] < 0 ? rows : block[3], 1, rows);
        selectionModel()->select(
            QItemSelection(model_->index(std::min(row1, row2) - 1, std::min(col1, col2) - 1),
                           model_->index(std::max(row1, row2) - 1, std::max(col1, col2) - 1)),
            QItemSelectionModel::ClearAndSelect);
    }
    synced_.hasBlock = hasBlock;
    std::copy(block, block + 4, synced_.block);
    if (activeMoved && !blockMoved) {
        // The active cell moved alone: the selection followed it, so the grid's block does too.
        applyingGrid_ = false;
        writeSelectionToGrid();
    }
}

void OvSpreadView::writeSelectionToGrid() {
    ovgrid::Grid* grid = spread_ ? spread_->grid() : nullptr;
    if (!grid) {
        return;
    }
    const QItemSelection selection = selectionModel()->selection();
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const QItemSelectionRange& range : selection) {
        top = std::min(top, range.top());
        left = std::min(left, range.left());
        bottom = std::max(bottom, range.bottom());
        right = std::max(right, range.right());
    }
    if (bottom < 0 || !grid->setSelectedBlock(left + 1, top + 1, right + 1, bottom + 1)) {
        grid->clearSelection();
    }
    synced_.hasBlock = grid->getSelectedBlock(synced_.block[0], synced_.block[1], synced_.block[2],
                                              synced_.block[3]);
}

}  // namespace ovui::grid
