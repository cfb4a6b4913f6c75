// DirectEvaluation.cpp - equations computed from the grid's stored values.
#include "standards/calc/DirectEvaluation.h"

#include "base/NumberText.h"

namespace {

// What a formula sees of the grid: the values the grid itself would hand its own formulas.
class StoredCells final : public ovgrid::EvalContext {
  public:
    explicit StoredCells(const ovgrid::Grid& grid) : grid_(grid) {}

    ovgrid::Value cellValue(int col, int row) override { return grid_.cellValue(col, row); }
    int maxCols() const override { return grid_.getMaxCols(); }
    int maxRows() const override { return grid_.getMaxRows(); }
    const ovgrid::CustomFunction* customFunction(std::wstring_view upperName) const override {
        return grid_.customFunction(upperName);
    }

  private:
    const ovgrid::Grid& grid_;
};

}  // namespace

ovgrid::Value evaluateOnGrid(const ovgrid::CompiledFormula& formula, const ovgrid::Grid& grid,
                             int col, int row) {
    StoredCells cells(grid);
    return ovgrid::evaluate(formula, cells, col, row);
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
