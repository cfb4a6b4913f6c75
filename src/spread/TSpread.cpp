// TSpread.cpp - grid ownership and the forwarders that need more than one line.
#include "spread/TSpread.h"

TSpread::~TSpread() = default;

void TSpread::createGrid() {
    owned_ = std::make_unique<ovgrid::Grid>();
    grid_ = owned_.get();
}

void TSpread::attachGrid(ovgrid::Grid* grid) {
    if (grid != owned_.get()) {
        owned_.reset();
    }
    grid_ = grid;
}

bool TSpread::SSSetBool(int code, bool value) {
    if (!grid_) {
        return false;
    }
    grid_->setBool(code, value);
    return true;
}

int TSpread::textLength(int col, int row, ovgrid::ReadMode mode) const {
    std::wstring text;
    if (!grid_ || !grid_->getText(col, row, mode, text)) {
        return 0;
    }
    return static_cast<int>(text.size());
}

int TSpread::SSGetCellTag(int col, int row, std::wstring* out) const {
    std::wstring tag;
    if (!grid_ || !grid_->getCellTag(col, row, tag)) {
        return 0;
    }
    if (out) {
        *out = tag;
    }
    return static_cast<int>(tag.size());
}

bool TSpread::SSGetClientRect(ovgrid::Rect& rect) const {
    rect = grid_ ? grid_->getClientRect() : ovgrid::Rect{};
    return grid_ != nullptr;
}

void TSpread::SSGetScrollBarSize(int& verticalWidth, int& horizontalHeight) const {
    verticalWidth = horizontalHeight = 0;
    if (grid_) {
        grid_->getScrollBarSize(verticalWidth, horizontalHeight);
    }
}

bool TSpread::SSGetNotificationCell(int& col, int& row) const {
    col = row = 0;
    return grid_ && grid_->getNotificationCell(col, row);
}

bool TSpread::SSGetActiveCell(int& col, int& row) const {
    col = row = 0;
    return grid_ && grid_->getActiveCell(col, row);
}

bool TSpread::SSGetSelectedBlock(int& col1, int& row1, int& col2, int& row2) const {
    col1 = row1 = col2 = row2 = 0;
    return grid_ && grid_->getSelectedBlock(col1, row1, col2, row2);
}

void TSpread::SSGetEditSel(int& start, int& end) const {
    start = end = 0;
    if (grid_) {
        grid_->getEditSelection(start, end);
    }
}

// Presentation settings: kept by the grid for the view.
void TSpread::SSSetAppearance(int code) {
    if (grid_)
        grid_->setAppearance(code);
}
void TSpread::SSSetSelColor(long background, long foreground) {
    if (grid_)
        grid_->setSelColor(background, foreground);
}
void TSpread::SSSetBackColorStyle(int style) {
    if (grid_)
        grid_->setBackColorStyle(style);
}
void TSpread::SSSetOddEvenRowColor(long oddBack, long oddFore, long evenBack, long evenFore) {
    if (grid_)
        grid_->setOddEvenRowColor(oddBack, oddFore, evenBack, evenFore);
}
void TSpread::SSSetActiveCellHighlightStyle(int style) {
    if (grid_)
        grid_->setActiveCellHighlightStyle(style);
}
void TSpread::SSSetGridType(int type) {
    if (grid_)
        grid_->setGridLineType(type);
}
void TSpread::SSSetGridColor(long color) {
    if (grid_)
        grid_->setGridLineColor(color);
}
void TSpread::SSSetHeaderColors(long background, long foreground) {
    if (grid_)
        grid_->setHeaderColors(background, foreground);
}
void TSpread::SSSetColorSetting(long background, long foreground) {
    if (grid_)
        grid_->setColorSetting(background, foreground);
}
void TSpread::SSSetCursor(int code, int value) {
    if (grid_)
        grid_->setCursorSetting(code, value);
}
void TSpread::SSSetModeA(int code) {
    if (grid_)
        grid_->setModeA(code);
}
void TSpread::SSSetTwoCodeSetting(int first, int second) {
    if (grid_)
        grid_->setTwoCodeSetting(first, second);
}
void TSpread::SSSetModeB(int code) {
    if (grid_)
        grid_->setModeB(code);
}
void TSpread::SSSetTextTip(const ovgrid::TextTip& tip) {
    if (grid_)
        grid_->setTextTip(tip);
}
void TSpread::SSSetCellNoteIndicator(int style) {
    if (grid_)
        grid_->setCellNoteIndicator(style);
}
