// DirectEvaluation.cpp - equations computed from the grid's stored values.
#include "standards/calc/DirectEvaluation.h"

#include "base/NumberText.h"

ovgrid::Value evaluateOnGrid(const ovgrid::CompiledFormula& formula, ovgrid::Grid& grid, int col,
                             int row) {
    return grid.evaluateAt(formula, col, row);
}

Tvx_String valueModeText(const ovgrid::Value& value) {
    switch (value.kind) {
        case ovgrid::Value::Kind::Empty:
            return Tvx_String();
        case ovgrid::Value::Kind::Text:
            return Tvx_String(value.text);
        case ovgrid::Value::Kind::Boolean:
            return Tvx_String(value.boolean ? L"1" : L"0");
        case ovgrid::Value::Kind::Error:
            return Tvx_String(ovgrid::errorText(value.error));
        case ovgrid::Value::Kind::Number:
            return Tvx_String(ovbase::displayNumberText(value.number));
    }
    return Tvx_String();
}
