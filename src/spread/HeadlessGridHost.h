// HeadlessGridHost.h - a dialog host without a display, for hidden dialogs that only hold a
// grid (standards calculation, table reads, bill output) and for tests. Placeholders are
// declared with their rectangles; attaching a grid gives it a client area of the same size.
#pragma once

#include <map>

#include "spread/OvGridHost.h"

class HeadlessGridHost : public OvGridHost {
  public:
    explicit HeadlessGridHost(const ovgrid::Rect& windowRect = {0, 0, 800, 600})
        : window_(windowRect) {}

    // Declares a placeholder control at a screen rectangle.
    void addControl(int controlId, const ovgrid::Rect& rect) { controls_[controlId] = rect; }

    bool hasControl(int controlId) const override { return controls_.count(controlId) != 0; }
    bool controlWindowRect(int controlId, ovgrid::Rect& rect) const override;
    ovgrid::Rect windowRect() const override { return window_; }
    void destroyControl(int controlId) override { controls_.erase(controlId); }
    bool attachGrid(Tvx_Spread& spread, int controlId, const ovgrid::Rect& rect) override;
    std::intptr_t notificationOwner() const override {
        return reinterpret_cast<std::intptr_t>(this);
    }

    // Where the last grid was put.
    const ovgrid::Rect& lastGridRect() const { return gridRect_; }
    int lastGridId() const { return gridId_; }

  private:
    ovgrid::Rect window_;
    std::map<int, ovgrid::Rect> controls_;
    ovgrid::Rect gridRect_;
    int gridId_ = 0;
};
