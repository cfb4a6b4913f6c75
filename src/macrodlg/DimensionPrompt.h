// DimensionPrompt.h - the arithmetic of a dimension-prompt control (designed kinds 25 and 26):
// the total a person is shown and the offsets that give a new total. The control names a base
// cell, an offset cell and a second cell; a "-" in front of the offset or second name negates the
// value read from, and written to, that cell's control.
#pragma once

#include <optional>

#include "core/Tvx_String.h"

class Tvx_DesignerControl;

struct DimensionPromptCells {
    Tvx_String base;
    Tvx_String offset;
    Tvx_String second;
    bool offsetNegated = false;
    bool secondNegated = false;
};

DimensionPromptCells dimensionPromptCells(const Tvx_DesignerControl& control);

// The numbers as the controls hold them (signs already applied).
struct DimensionPromptValues {
    int kind = 25;
    double factor = 1.0;  // kind 25: the control's own content
    double base = 0.0;
    double offset = 0.0;
    std::optional<double> second;  // set when the second cell has a control
};

// The total shown; none when kind 26 has no second control, or kind 25 without a second control
// has a factor of 0 (the total would be infinite, and no offset could give a new one).
std::optional<double> dimensionPromptTotal(const DimensionPromptValues& values);

// What the controls take for a new total: the offset, and for kind 25 with a second control the
// same value for the second control.
struct DimensionPromptResult {
    double offset = 0.0;
    std::optional<double> second;
};
DimensionPromptResult dimensionPromptApply(const DimensionPromptValues& values, double total);

// A value as the prompt shows it and the controls take it: five decimals.
Tvx_String dimensionPromptText(double value);
