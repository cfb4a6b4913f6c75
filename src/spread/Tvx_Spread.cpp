// Tvx_Spread.cpp - creation in place of a placeholder, the standard look, bounds checks and
// the check-box pictures.
#include "spread/Tvx_Spread.h"

namespace {
// The system's button-face colour (0x00BBGGRR) that the standard look uses for headers.
constexpr long kButtonFaceColor = 0xF0F0F0;
}  // namespace

Tvx_Spread::Tvx_Spread() {
    createGrid();
}

// The find dialog goes first: it may still refer to this grid.
Tvx_Spread::~Tvx_Spread() {
    findDialog.reset();
}

bool Tvx_Spread::create(OvGridHost* parent, int placeholderId, bool hasFrame) {
    if (!parent || !hasGrid() || !parent->hasControl(placeholderId)) {
        return false;
    }
    ovgrid::Rect rect;
    if (!parent->controlWindowRect(placeholderId, rect)) {
        return false;
    }
    const ovgrid::Rect dialog = parent->windowRect();
    rect = {rect.left - dialog.left, rect.top - dialog.top, rect.right - dialog.left,
            rect.bottom - dialog.top};
    if (!hasFrame) {
        // Without a frame the window rectangle includes no caption or border to skip.
        rect = {rect.left - 5, rect.top - 20, rect.right - 5, rect.bottom - 20};
    }
    parent->destroyControl(placeholderId);
    if (!parent->attachGrid(*this, placeholderId, rect)) {
        return false;
    }
    grid()->setClipboard(parent->clipboard());
    SSSetMaxCols(0);
    SSSetMaxRows(0);
    created = true;
    parentHandle = parent;
    controlId = placeholderId;
    SSSetAppearance(1);
    for (int action = 0; action <= 2; ++action) {
        SSSetActionKey(action, 0, 0, 0);
    }
    return true;
}

bool Tvx_Spread::setDefaultLook(bool designMode) {
    if (!created) {
        return false;
    }
    SSSetBool(kPropRedraw, false);
    SSSetBool(12, false);
    SSSetBool(kPropAutoCalc, false);
    SSSetBool(21, true);
    SSSetBool(26, false);
    SSSetBool(34, true);
    SSSetBool(32, true);
    SSSetBool(18, false);
    SSSetBool(21, true);
    SSSetBool(22, true);
    SSSetBool(21, true);
    SSSetHeaderColors(kButtonFaceColor, ovgrid::DEFAULT_COLOR);
    SSSetCursor(1, -1);
    SSSetSelColor(0x6A240A, 0xFFFFFF);
    SSSetBool(11, true);
    SSSetBool(3, true);
    SSSetBool(kPropRowHeaderShares, true);
    SSSetBool(18, true);
    SSSetColorSetting(0xE6E6E6, ovgrid::DEFAULT_COLOR);
    SSSetBool(kPropDesignMode, designMode);
    SSSetBool(kPropUserMode, !designMode);
    SSSetModeA(designMode ? 0 : 5);
    SSSetBool(kPropRedraw, true);
    return true;
}

bool Tvx_Spread::inCols(int col) const {
    return col == ovgrid::HEADER || (col >= 0 && col <= SSGetMaxCols());
}

bool Tvx_Spread::inRows(int row) const {
    return row == ovgrid::HEADER || (row >= 0 && row <= SSGetMaxRows());
}

int Tvx_Spread::cellTypeCode(int col, int row) const {
    ovgrid::CellType type;
    if (!created || !SSGetCellType(col, row, type)) {
        return 0;
    }
    return type.type;
}

void Tvx_Spread::loadCheckBitmaps() {
    if (!checkBitmapOff) {
        checkBitmapOff = ovres::loadBitmap(ovres::kCheckBitmapOff);
    }
    if (!checkBitmapOn) {
        checkBitmapOn = ovres::loadBitmap(ovres::kCheckBitmapOn);
    }
}

const ovres::BitmapHandle& Tvx_Spread::checkOffBitmap() {
    loadCheckBitmaps();
    return checkBitmapOff;
}

const ovres::BitmapHandle& Tvx_Spread::checkOnBitmap() {
    loadCheckBitmaps();
    return checkBitmapOn;
}
