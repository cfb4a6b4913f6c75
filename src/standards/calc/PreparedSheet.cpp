// PreparedSheet.cpp - calculation grid settings, equation cell types and prepared sheets.
#include "standards/calc/PreparedSheet.h"

#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"
#include "standards/calc/WholeWordReplace.h"
#include "standards/variables/OvVarCells.h"

namespace {

constexpr long kStringFormulaStyle = 0x110000;
constexpr int kStringFormulaMaxLength = 200;
constexpr int kNumberDecimals = 7;

bool holdsFormulas(const ovgrid::Grid& sheet) {
    for (const auto& entry : sheet.cells()) {
        if (sheet.hasFormula(ovgrid::keyCol(entry.first), ovgrid::keyRow(entry.first))) {
            return true;
        }
    }
    return false;
}

bool readsRowsBelow(const ovgrid::CompiledFormula& formula, int col, int row, int headerRow) {
    bool below = false;
    formula.forEachReference(col, row, [&](const ovgrid::CellRange& range) {
        below = below || range.row1 > headerRow || range.row2 > headerRow;
    });
    return below;
}

}  // namespace

void setCalculationProperties(Tvx_Spread& spread) {
    spread.SSSetBool(Tvx_Spread::kPropDesignMode, true);
    spread.SSSetBool(Tvx_Spread::kPropRedraw, false);
    spread.SSSetBool(12, true);
    spread.SSSetBool(Tvx_Spread::kPropAutoCalc, false);
}

void setEquationCellType(Tvx_Spread& spread, int col, int row, OvValueType type) {
    if (type == OvValueString) {
        ovgrid::CellType edit;
        Tvx_Spread::SSSetTypeEdit(edit, kStringFormulaStyle, kStringFormulaMaxLength, 0, 0);
        spread.SSSetCellType(col, row, edit);
    } else {
        spread.setNumberType(col, row, col, row, kNumberDecimals, false);
    }
}

std::shared_ptr<const OvPreparedSheet> buildPreparedSheet(const OvCalcPlan& plan,
                                                          const OvVarCells& variables,
                                                          const Tvx_StringArray& names,
                                                          const Tvx_StringArray& values,
                                                          int headerCol, int headerRow) {
    auto prepared = std::make_shared<OvPreparedSheet>();
    prepared->genVarNames = names;
    prepared->genVarValues = values;
    prepared->headerCol = headerCol;
    prepared->headerRow = headerRow;
    // A value written below the header could land in an equation's cell.
    for (const OvVarCell& variable : variables) {
        if (variable.row > headerRow) {
            return prepared;
        }
    }
    HeadlessGridHost host;
    host.addControl(1, {0, 0, 400, 300});
    Tvx_Spread spread;
    if (!spread.create(&host, 1, false) || !spread.SSLoadFromSheet(*plan.sheet())) {
        return prepared;
    }
    setCalculationProperties(spread);
    // Every calculation types each variable's cell before anything reads it.
    for (const OvVarCell& variable : variables) {
        variable.setTypeToSS(spread);
    }
    const bool replace = !names.isEmpty() && !values.isEmpty();
    const bool direct = !holdsFormulas(*spread.grid());
    std::unordered_map<ovgrid::CellKey, std::shared_ptr<const OvCalcCellPlan>> cells;
    std::vector<OvPreparedSheet::AreaCell> area;
    for (int row = headerRow + 1; row <= spread.getMaxRows(); ++row) {
        for (int col = 1; col <= spread.getMaxCols(); ++col) {
            Tvx_String text;
            if (!spread.getCellText(col, row, text, Tvx_Spread::kReadValue) || text.isEmpty()) {
                continue;
            }
            if (replace) {
                replaceWholeWords(text, names, values, true);  // as the calculation does
            }
            const auto cell = plan.find(col, row, text.wstr());
            if (!cell) {
                return prepared;
            }
            if (!cell->hasEquals || cell->native || cell->varIndex < 0 ||
                cell->varIndex >= variables.length() || !cell->formula) {
                area.push_back({col, row, nullptr});  // computed (or reported) from its text
                continue;
            }
            // An equation reading a cell below the header could read one still in text form.
            if (readsRowsBelow(cell->formula, col, row, headerRow)) {
                return prepared;
            }
            setEquationCellType(spread, col, row, variables[cell->varIndex].valueType);
            if (!direct && !spread.grid()->setCompiledFormula(col, row, cell->formula, false)) {
                return prepared;
            }
            cells.emplace(ovgrid::cellKey(col, row), cell);
            area.push_back({col, row, cell});
        }
    }
    auto sheet = std::make_shared<ovgrid::Grid>();
    if (!sheet->loadFromSheet(*spread.grid())) {
        return prepared;
    }
    prepared->direct = direct;
    prepared->sheet = std::move(sheet);
    prepared->cells = std::move(cells);
    if (direct) {
        prepared->area = std::move(area);
    }
    return prepared;
}
