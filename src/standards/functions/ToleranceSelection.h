// ToleranceSelection.h - choosing a standard size (a plate width, a thickness, any size) within a
// down and up tolerance around the wanted value, falling back to rounding to a step.
#pragma once

#include "core/Tvx_Array.h"

namespace ovfunctions {

struct ToleranceRequest {
    double wanted = 0.0;
    double down = 0.0;  // how far below `wanted` a result may lie
    double up = 0.0;    // how far above
    double step = 0.0;  // rounding step when no candidate fits
};

// Warns (when calculation warnings are on) that the tolerances do not add up to a positive value.
// Returns true when they are invalid; the selection goes on with them anyway.
bool warnOnInvalidTolerances(double down, double up);

// The nearest acceptable candidate (the closer side is tried first, below wins a tie); else the
// step rounding of the wanted value that lies within the tolerances; else the wanted value
// clamped to [wanted - down, wanted + up]. Warns about invalid tolerances first.
double selectWithTolerance(const Tvx_Array<double>& candidates, const ToleranceRequest& request);

// The fallback on its own: rounding to the step within the tolerances.
double roundWithinTolerance(const ToleranceRequest& request);

}  // namespace ovfunctions
