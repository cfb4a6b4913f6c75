// HeadlessGridHost.cpp - placing a grid without a display.
#include "spread/HeadlessGridHost.h"

#include "spread/Tvx_Spread.h"

bool HeadlessGridHost::controlWindowRect(int controlId, ovgrid::Rect& rect) const {
    auto it = controls_.find(controlId);
    if (it == controls_.end()) {
        return false;
    }
    rect = it->second;
    return true;
}

bool HeadlessGridHost::attachGrid(Tvx_Spread& spread, int controlId, const ovgrid::Rect& rect) {
    ovgrid::Grid* grid = spread.grid();
    if (!grid) {
        return false;
    }
    gridRect_ = rect;
    gridId_ = controlId;
    // The client area is the window's size; fitting works on it as a view would.
    grid->setClientRect({0, 0, rect.right - rect.left, rect.bottom - rect.top});
    grid->setOwner(notificationOwner());
    return true;
}
