// CFormulaFromTable.cpp - mode 2 of the workbench: answering one FROMTABLE call from the table
// sheet loaded into the workbench's grid.
#include <new>

#include "grid/Grid.h"
#include "host/HostServices.h"
#include "spread/workbench/CFormula.h"

using ovgrid::SSValue;

namespace {

// An argument as the text the caption form compares: a long in decimal, a double with two
// decimals, a string as it is, a cell as that cell's text in the calling sheet.
bool argumentText(const SSValue& arg, const ovgrid::Grid* callingGrid, Tvx_String& text) {
    switch (arg.type) {
        case ovgrid::SS_VALUE_TYPE_LONG:
            text = Tvx_String::fromInt(arg.lValue);
            return true;
        case ovgrid::SS_VALUE_TYPE_DOUBLE:
            text = Tvx_String(arg.dValue, 2, true);
            return true;
        case ovgrid::SS_VALUE_TYPE_STR:
            text = Tvx_String(arg.text);
            return true;
        case ovgrid::SS_VALUE_TYPE_CELL: {
            std::wstring cell;
            if (!callingGrid ||
                !callingGrid->getText(arg.cell.col, arg.cell.row, ovgrid::ReadMode::Value, cell)) {
                return false;
            }
            text = Tvx_String(std::move(cell));
            return true;
        }
        default:
            return false;  // a range names no single text
    }
}

// The first column whose caption equals `caption`; 0 when there is none.
int findCaption(const Tvx_Spread& grid, const Tvx_String& caption) {
    Tvx_String text;
    for (int col = 1; col <= grid.getMaxCols(); ++col) {
        if (grid.getCellText(col, 0, text) && text.equal(caption, false)) {
            return col;
        }
    }
    return 0;
}

// The first row of `col` that reads `key`, as shown or as its plain value; 0 when none does.
int findKeyRow(const Tvx_Spread& grid, int col, const Tvx_String& key) {
    Tvx_String shown, value;
    for (int row = 1; row <= grid.getMaxRows(); ++row) {
        grid.getCellText(col, row, shown, Tvx_Spread::kReadData);
        grid.getCellText(col, row, value, Tvx_Spread::kReadValue);
        if (shown.equal(key, false) || value.equal(key, false)) {
            return row;
        }
    }
    return 0;
}

void printResult(const SSValue& result) {
    switch (result.type) {
        case ovgrid::SS_VALUE_TYPE_LONG:
            acutPrintf(L"Result is long: %i\n", static_cast<int>(result.lValue));
            break;
        case ovgrid::SS_VALUE_TYPE_DOUBLE:
            acutPrintf(L"Result is double: %f\n", result.dValue);
            break;
        case ovgrid::SS_VALUE_TYPE_STR:
            acutPrintf(L"Result is string: %s\n", result.text.c_str());
            break;
        case ovgrid::SS_VALUE_TYPE_CELL:
            acutPrintf(L"Result is cell\n");
            break;
        case ovgrid::SS_VALUE_TYPE_RANGE:
            acutPrintf(L"Result is range\n");
            break;
        default:
            break;
    }
}

// The answer cell's contents as the function's value, typed by the cell's type.
void takeAnswer(const Tvx_Spread& grid, int col, int row, SSValue& result) {
    Tvx_String text;
    if (!grid.getCellText(col, row, text)) {
        result.status = ovgrid::SS_VALUE_STATUS_ERROR;
        return;
    }
    switch (grid.cellTypeCode(col, row)) {
        case 10:
        case ovgrid::kTypeCheck:
            result.type = ovgrid::SS_VALUE_TYPE_LONG;
            result.lValue = text.toInt();
            break;
        case ovgrid::kTypeNumber:
        case 15:
        case 16: {
            double number = 0;
            grid.SSGetCellNumber(col, row, number);
            result.type = ovgrid::SS_VALUE_TYPE_DOUBLE;
            result.dValue = number;
            break;
        }
        default:
            try {
                result.text = text.wstr();
            } catch (const std::bad_alloc&) {
                acutPrintf(L"Reallocate failed\n");
                return;
            }
            result.type = ovgrid::SS_VALUE_TYPE_STR;
            break;
    }
    result.status = ovgrid::SS_VALUE_STATUS_OK;
    printResult(result);
}

}  // namespace

void CFormula::evaluateFromTable() {
    if (!callResult_) {
        return;
    }
    SSValue& result = *callResult_;
    result.status = ovgrid::SS_VALUE_STATUS_EMPTY;
    if (!callArgs_ || callArgCount_ < 2 || callArgCount_ > 5 || !loaded_) {
        return;
    }
    for (int i = 0; i < callArgCount_; ++i) {
        if (callArgs_[i].status != ovgrid::SS_VALUE_STATUS_OK) {
            return;
        }
    }
    if (callArgs_[0].type != ovgrid::SS_VALUE_TYPE_STR) {
        return;
    }
    int col = 0, row = 0;
    if (callArgCount_ <= 3) {
        if (callArgs_[1].type != ovgrid::SS_VALUE_TYPE_CELL) {
            return;
        }
        col = callArgs_[1].cell.col;
        row = callArgs_[1].cell.row;
    } else {
        Tvx_String keyCaption, valueCaption, key;
        if (!argumentText(callArgs_[1], callingGrid_, keyCaption) ||
            !argumentText(callArgs_[2], callingGrid_, valueCaption) ||
            !argumentText(callArgs_[3], callingGrid_, key)) {
            return;
        }
        const int keyCol = findCaption(grid_, keyCaption);
        col = findCaption(grid_, valueCaption);
        row = keyCol > 0 ? findKeyRow(grid_, keyCol, key) : 0;
        if (keyCol == 0 || col == 0 || row == 0) {
            return;
        }
    }
    grid_.SSReCalcCell(col, row);

    const SSValue& last = callArgs_[callArgCount_ - 1];
    const bool targetForm =
        (callArgCount_ == 3 || callArgCount_ == 5) && last.type == ovgrid::SS_VALUE_TYPE_CELL;
    if (!targetForm) {
        takeAnswer(grid_, col, row, result);
        return;
    }
    Tvx_String text;
    if (!callingGrid_ || !grid_.getCellText(col, row, text)) {
        return;
    }
    // Overwriting the calling formula's own cell would drop the formula while it runs.
    int callCol = 0, callRow = 0;
    if (ovgrid::Grid::current() == callingGrid_ && ovgrid::Grid::currentCell(callCol, callRow) &&
        callCol == last.cell.col && callRow == last.cell.row) {
        return;
    }
    // The target is one of the call's own references: rewriting an unchanged text would only
    // start the same call again under automatic calculation.
    std::wstring current;
    if (callingGrid_->getText(last.cell.col, last.cell.row, ovgrid::ReadMode::Data, current) &&
        current == text.wstr()) {
        return;
    }
    callingGrid_->setData(last.cell.col, last.cell.row, text.wstr());
}
