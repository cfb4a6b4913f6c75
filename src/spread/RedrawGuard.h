// RedrawGuard.h - brackets a bulk change of a grid: redrawing (property 8) is off while the
// guard lives and on again when it is dropped, also when the change leaves early.
#pragma once

#include "spread/TSpread.h"

class RedrawGuard {
  public:
    explicit RedrawGuard(TSpread& spread) : spread_(spread) { spread_.SSSetBool(kRedraw, false); }
    ~RedrawGuard() { spread_.SSSetBool(kRedraw, true); }
    RedrawGuard(const RedrawGuard&) = delete;
    RedrawGuard& operator=(const RedrawGuard&) = delete;

  private:
    static constexpr int kRedraw = 8;
    TSpread& spread_;
};
