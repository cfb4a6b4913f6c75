// GridViewState.h - a grid's view state, kept apart from its sheet model:
//
// - SheetView: what a view shows of the sheet and lets the user change (active cell,
//   selection, edit state, the last notified cell, action keys, text tip and look). The sheet
//   file keeps it (all but the notified cell) in its "view" section, so loading a sheet
//   replaces it with the sheet's.
// - GridHostState: what the grid's host gives it (text metrics, notification owner, client
//   area, scroll-bar sizes, clipboard). It belongs to the window, not to the sheet: loading a
//   sheet and resetting the grid keep it whole.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "grid/GridClipboard.h"
#include "grid/GridTypes.h"

namespace ovgrid {

class GridMetrics;

struct SheetView {
    int activeCol = 0;
    int activeRow = 0;
    bool hasSelection = false;
    int selCol1 = 0, selRow1 = 0, selCol2 = 0, selRow2 = 0;
    bool editMode = false;
    int editStart = 0, editEnd = 0;
    int notifyCol = 0, notifyRow = 0;
    Appearance appearance;
    std::vector<ActionKey> actionKeys;
    TextTip textTip;
};

struct GridHostState {
    const GridMetrics* metrics = nullptr;  // null: the headless metrics
    std::intptr_t owner = 0;
    Rect clientRect;
    int scrollBarWidth = 0, scrollBarHeight = 0;
    std::shared_ptr<GridClipboard> clipboard;  // null until the host gives one or a copy needs one
};

}  // namespace ovgrid
