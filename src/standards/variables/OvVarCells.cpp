// OvVarCells.cpp - finding the variables of a sheet and moving their values to and from cells.
#include "standards/variables/OvVarCells.h"

#include "spread/Tvx_Spread.h"
#include "standards/variables/SSAreas.h"

Acad::ErrorStatus OvVarCells::findVarCells(const Tvx_Spread& spread) {
    resetVarCells();
    const SSAreas areas = findSSAreas(spread);
    if (!areas.input.exists() || !areas.output.exists()) {
        return Acad::eInvalidInput;
    }
    appendArea(spread, areas.input.begin, areas.input.end, OvCellInput);
    appendArea(spread, areas.output.begin, areas.output.end, OvCellOutput);
    if (areas.local.exists()) {
        appendArea(spread, areas.local.begin, areas.local.end, OvCellLocal);
    }
    return Acad::eOk;
}

void OvVarCells::appendArea(const Tvx_Spread& spread, int begin, int end, OvCellType type) {
    const int cols = spread.getMaxCols();
    for (int row = begin; row <= end; ++row) {
        for (int col = 1; col <= cols; ++col) {
            OvVarCell cell;
            if (cell.initialize(spread, col, row, type) == Acad::eOk) {
                cells_.append(cell);  // notes, empty cells and headers are skipped
            }
        }
    }
}

Acad::ErrorStatus OvVarCells::findVarCell(const Tvx_String& name, int& index) const {
    for (int i = 0; i < cells_.length(); ++i) {
        if (cells_[i].name.equal(name, false)) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus OvVarCells::getValuesFromSS(const Tvx_Spread& spread) {
    for (OvVarCell& cell : cells_) {
        if (!cell.isOutput()) {
            continue;
        }
        Tvx_String current;
        if (cell.getCurrentValue(spread, current) != Acad::eOk) {
            return Acad::eInvalidInput;
        }
        cell.setNewValue(current);
    }
    return Acad::eOk;
}

Acad::ErrorStatus OvVarCells::setValuesToSS(Tvx_Spread& spread) const {
    for (const OvVarCell& cell : cells_) {
        if (cell.setValueToSS(spread) != Acad::eOk) {
            return Acad::eInvalidInput;
        }
    }
    return Acad::eOk;
}

bool OvVarCells::hasSameInput(const OvVarCells& other) const {
    for (const OvVarCell& cell : cells_) {
        if (!cell.isInput()) {
            continue;
        }
        bool matched = false;
        for (const OvVarCell& candidate : other.cells_) {
            if (candidate.name.equal(cell.name, false) && candidate.valueType == cell.valueType &&
                candidate.value.equal(cell.value, false)) {
                matched = true;
                break;
            }
        }
        if (!matched) {
            return false;
        }
    }
    return true;
}
