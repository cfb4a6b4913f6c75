// Tvx_ControlSelection.h - the selection rules of the designer's tracker: which drawn controls
// are registered (in registration order) and which are selected (in selection order), and what a
// click or a rubber band does to the selection. The painting and mouse dragging live in the
// window layer; the rules live here so that they are tested without a display.
#pragma once

#include <vector>

#include "designer/DesignerWindows.h"

class Tvx_ControlSelection {
  public:
    // What a click on a registered control leads to.
    enum class ClickResult {
        None,    // the selection changed (or not); nothing to drag
        Move,    // drag the whole selection by one offset
        Resize,  // drag a handle of this one control
    };

    void registerControl(int id);
    void unregisterControl(int id);
    void unregisterAll();
    const std::vector<int>& registered() const { return registered_; }

    // Selected identifiers in selection order.
    const std::vector<int>& selectedIds() const { return selected_; }
    // The identifier of the single selected control; -1 unless exactly one is selected.
    int singleSelection() const;
    bool isSelected(int id) const;
    // Selects a registered control (optionally clearing the selection first); false for an
    // identifier that is not registered.
    bool select(int id, bool clearFirst);
    void deselect(int id);
    void clear() { selected_.clear(); }

    // A click on control `id`: with Ctrl it is toggled, with Shift it is added, otherwise it is
    // selected (the selection cleared first when it was not selected) and then dragged: moved
    // when the click was inside it, resized when it was on a handle.
    ClickResult click(int id, bool ctrl, bool shift, bool onHandle);
    // A click outside every control: without modifier keys the selection is cleared and a rubber
    // band starts (true); with Shift or Ctrl nothing happens (false).
    bool clickOutside(bool ctrl, bool shift);
    // After the rubber band: selects every control whose rectangle lies wholly inside `band`.
    void selectInside(const DesignerRect& band, const std::vector<DesignerRect>& rects,
                      const std::vector<int>& ids);

  private:
    std::vector<int> registered_;
    std::vector<int> selected_;
};
