// NumberHelpers.h - rounding to steps and sorting of numbers and names.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// The multiple of |step| nearest to `value` (halves away from zero); step 0 returns value.
double ObjectExportRoundTo(double value, double step);

// The smallest multiple of |step| that is >= value; step 0 returns value. The tolerance does not
// move the result: callers compare the result with their own up tolerance. It is accepted so
// that callers pass what they know; a value that lies within 1e-9 steps above a multiple counts as
// that multiple, so that 0.30000000000000004 rounds up to 0.3 with step 0.1, not to 0.4.
double ObjectExportRoundUp(double value, double step, double tolerance);

// Ascending sort.
void ObjectExportSort(Tvx_Array<double>& values);
// Ascending, stable sort that applies the same moves to `indices`. When `indices` does not have
// the length of `values` it is first set to 0..n-1, so it reports where each value came from.
void ObjectExportSort(Tvx_Array<double>& values, Tvx_Array<int>& indices);

// Inserts `value` into the ascending array behind any equal entries; returns its index.
int ObjectExportAddToSorted(Tvx_Array<double>& sorted, double value);
int ObjectExportAddToSorted(Tvx_StringArray& sorted, const Tvx_String& value,
                            bool caseSensitive = true);

// Stable ascending sort by character code (case-folded when caseSensitive is false).
void sortArray(Tvx_StringArray& array, bool caseSensitive = true);
