// OvGridHost.h - what a grid needs of the dialog it is created in: the placeholder control
// it replaces, the rectangles to place it, a way to put the grid in, and the clipboard the
// dialog's grids share. A Qt dialog base implements it with a real grid view;
// HeadlessGridHost serves dialogs that are never shown.
#pragma once

#include <cstdint>
#include <memory>

#include "grid/GridClipboard.h"
#include "grid/GridTypes.h"

class Tvx_Spread;

class OvGridHost {
  public:
    OvGridHost() = default;
    virtual ~OvGridHost() = default;
    // A host is one dialog: its grids know it by identity.
    OvGridHost(const OvGridHost&) = delete;
    OvGridHost& operator=(const OvGridHost&) = delete;

    // True when the dialog has a child control with this id (the placeholder).
    virtual bool hasControl(int controlId) const = 0;
    // The control's window rectangle in screen coordinates; false when there is no such control.
    virtual bool controlWindowRect(int controlId, ovgrid::Rect& rect) const = 0;
    // The dialog's own window rectangle in screen coordinates.
    virtual ovgrid::Rect windowRect() const = 0;
    // Removes the placeholder control.
    virtual void destroyControl(int controlId) = 0;
    // Puts the grid into the dialog with this id and rectangle (relative to the dialog);
    // false when the window cannot be made.
    virtual bool attachGrid(Tvx_Spread& spread, int controlId, const ovgrid::Rect& rect) = 0;
    // The window that receives the grid's notifications.
    virtual std::intptr_t notificationOwner() const = 0;

    // What the grids created in this dialog copy to and paste from: they share it, while
    // another dialog has its own. Tvx_Spread::create hands it to the grid.
    const std::shared_ptr<ovgrid::GridClipboard>& clipboard() const { return clipboard_; }

  private:
    std::shared_ptr<ovgrid::GridClipboard> clipboard_ = std::make_shared<ovgrid::GridClipboard>();
};
