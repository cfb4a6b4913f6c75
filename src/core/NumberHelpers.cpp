// NumberHelpers.cpp - rounding and sorting.
#include "core/NumberHelpers.h"

#include <algorithm>
#include <cmath>
#include <numeric>

double ObjectExportRoundTo(double value, double step) {
    step = std::fabs(step);
    if (step == 0.0 || !std::isfinite(step)) {
        return value;
    }
    return std::round(value / step) * step;
}

double ObjectExportRoundUp(double value, double step, double /*tolerance*/) {
    step = std::fabs(step);
    if (step == 0.0 || !std::isfinite(step)) {
        return value;
    }
    const double steps = value / step;
    const double nearest = std::round(steps);
    if (std::fabs(steps - nearest) < 1e-9) {
        return nearest * step;
    }
    return std::ceil(steps) * step;
}

void ObjectExportSort(Tvx_Array<double>& values) {
    std::stable_sort(values.begin(), values.end());
}

void ObjectExportSort(Tvx_Array<double>& values, Tvx_Array<int>& indices) {
    if (indices.length() != values.length()) {
        indices.setLogicalLength(values.length());
        std::iota(indices.begin(), indices.end(), 0);
    }
    std::vector<int> order(static_cast<std::size_t>(values.length()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return values[a] < values[b]; });
    Tvx_Array<double> sortedValues;
    Tvx_Array<int> sortedIndices;
    for (int from : order) {
        sortedValues.append(values[from]);
        sortedIndices.append(indices[from]);
    }
    values = std::move(sortedValues);
    indices = std::move(sortedIndices);
}

int ObjectExportAddToSorted(Tvx_Array<double>& sorted, double value) {
    const auto at = std::upper_bound(sorted.begin(), sorted.end(), value);
    const int index = static_cast<int>(at - sorted.begin());
    sorted.insertAt(index, value);
    return index;
}

int ObjectExportAddToSorted(Tvx_StringArray& sorted, const Tvx_String& value, bool caseSensitive) {
    const auto at = std::upper_bound(
        sorted.begin(), sorted.end(), value,
        [&](const Tvx_String& a, const Tvx_String& b) { return a.compare(b, caseSensitive) < 0; });
    const int index = static_cast<int>(at - sorted.begin());
    sorted.insertAt(index, value);
    return index;
}

void sortArray(Tvx_StringArray& array, bool caseSensitive) {
    std::stable_sort(array.begin(), array.end(), [&](const Tvx_String& a, const Tvx_String& b) {
        return a.compare(b, caseSensitive) < 0;
    });
}
