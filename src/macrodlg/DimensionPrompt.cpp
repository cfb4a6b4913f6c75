// DimensionPrompt.cpp - totals and offsets of a dimension prompt.
#include "macrodlg/DimensionPrompt.h"

#include <cmath>

#include "designer/Tvx_DesignerControl.h"

namespace {

// "-Name" -> "Name" with the sign marker noted.
Tvx_String withoutSign(const Tvx_String& name, bool& negated) {
    Tvx_String trimmed = name;
    trimmed.trim();
    negated = trimmed.left(1) == L"-";
    if (negated) {
        trimmed = trimmed.mid(1);
        trimmed.trim();
    }
    return trimmed;
}

}  // namespace

DimensionPromptCells dimensionPromptCells(const Tvx_DesignerControl& control) {
    DimensionPromptCells cells;
    bool ignored = false;
    cells.base = withoutSign(control.buttonPart1, ignored);
    cells.offset = withoutSign(control.buttonPart2, cells.offsetNegated);
    cells.second = withoutSign(control.buttonPart3, cells.secondNegated);
    return cells;
}

std::optional<double> dimensionPromptTotal(const DimensionPromptValues& values) {
    if (values.second) {
        return values.base + values.offset + *values.second;
    }
    if (values.kind == 26 || values.factor == 0.0) {
        return std::nullopt;
    }
    return values.base + values.offset / values.factor;
}

DimensionPromptResult dimensionPromptApply(const DimensionPromptValues& values, double total) {
    DimensionPromptResult result;
    if (values.kind == 26) {
        result.offset = total - values.base - values.second.value_or(0.0);
        return result;
    }
    result.offset = values.factor * (total - values.base);
    if (values.second) {
        result.second = result.offset;
    }
    return result;
}

Tvx_String dimensionPromptText(double value) {
    // -0.00000 would read as a change of sign to a person.
    const double shown = std::abs(value) < 0.000005 ? 0.0 : value;
    return Tvx_String(shown, 5, true);
}
