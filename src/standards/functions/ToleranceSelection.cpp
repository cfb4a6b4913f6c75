// ToleranceSelection.cpp - standard-size selection within tolerances.
#include "standards/functions/ToleranceSelection.h"

#include <cmath>
#include <optional>

#include "core/NumberHelpers.h"

namespace ovfunctions {

namespace {

// Stands for "no candidate on this side" when the two sides are compared.
constexpr double kMissingDistance = 999999999.0;

struct Limits {
    double low;
    double high;
};

Limits limitsOf(const ToleranceRequest& r) {
    return {r.wanted - r.down, r.wanted + r.up};
}

// The candidate nearest to the wanted value at or below it; the first one on a tie.
std::optional<double> nearestBelow(const Tvx_Array<double>& candidates, double wanted) {
    std::optional<double> best;
    for (double k : candidates) {
        if (k <= wanted && (!best || wanted - k < wanted - *best)) {
            best = k;
        }
    }
    return best;
}

// The candidate nearest to the wanted value strictly above it; the first one on a tie.
std::optional<double> nearestAbove(const Tvx_Array<double>& candidates, double wanted) {
    std::optional<double> best;
    for (double k : candidates) {
        if (k > wanted && (!best || k - wanted < *best - wanted)) {
            best = k;
        }
    }
    return best;
}

}  // namespace

double roundWithinTolerance(const ToleranceRequest& r) {
    const Limits limits = limitsOf(r);
    double v = r.wanted;
    if (limits.high < v) {
        v = limits.high;
    }
    if (v < limits.low) {
        v = limits.low;
    }
    const double upValue = ObjectExportRoundUp(v, r.step, r.up);
    const double rounded = ObjectExportRoundTo(v, r.step);
    // The magnitude of the step: a negative step must still give a down value below v.
    const double downValue = v < rounded ? rounded - std::fabs(r.step) : rounded;

    const bool downFits = r.wanted - downValue <= r.down && downValue >= limits.low;
    const bool upFits = upValue - r.wanted <= r.up && upValue <= limits.high;
    if (r.wanted - downValue <= upValue - r.wanted) {
        if (downFits) {
            return downValue;
        }
        if (upFits) {
            return upValue;
        }
    } else {
        if (upFits) {
            return upValue;
        }
        if (downFits) {
            return downValue;
        }
    }
    return v;
}

double selectWithTolerance(const Tvx_Array<double>& candidates, const ToleranceRequest& r) {
    warnOnInvalidTolerances(r.down, r.up);
    const Limits limits = limitsOf(r);
    const std::optional<double> below = nearestBelow(candidates, r.wanted);
    const std::optional<double> above = nearestAbove(candidates, r.wanted);
    const bool belowFits = below && r.wanted - *below <= r.down && *below <= limits.high;
    const bool aboveFits = above && *above - r.wanted <= r.up && *above >= limits.low;
    const double belowDistance = below ? r.wanted - *below : kMissingDistance;
    const double aboveDistance = above ? *above - r.wanted : kMissingDistance;

    if (belowDistance <= aboveDistance) {
        if (belowFits) {
            return *below;
        }
        if (aboveFits) {
            return *above;
        }
    } else {
        if (aboveFits) {
            return *above;
        }
        if (belowFits) {
            return *below;
        }
    }
    return roundWithinTolerance(r);
}

}  // namespace ovfunctions
