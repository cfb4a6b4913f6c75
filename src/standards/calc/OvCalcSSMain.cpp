// OvCalcSSMain.cpp - the main calculation: the custom functions, duplicate variable names, and
// the Calc area evaluated row by row, each row left to right.
#include "core/StringHelpers.h"
#include "core/Tvx_Timer.h"
#include "standards/calc/CalcMessages.h"
#include "standards/calc/OvCalcSS.h"
#include "standards/calc/PreparedSheet.h"
#include "standards/functions/CustomFunctions.h"
#include "standards/pool/ModuleTimers.h"
#include "standards/variables/SSAreas.h"

Acad::ErrorStatus OvCalcSS::mainCalculation() {
    {
        Tvx_FunctionTimer timer(gRegisterFuntions);
        if (grid() == nullptr || !registerCustomFunctions(*grid())) {
            sheetProblem(OvCalcProblem::Sheet, Tvx_String(),
                         L"the custom functions cannot be registered");
            return Acad::eInvalidInput;
        }
    }
    int headerCol = 0;
    int headerRow = 0;
    const bool headerFound = findAreaHeader(*this, kCalcHeader, headerCol, headerRow);
    if (prepared_ != nullptr &&
        (!headerFound || headerCol != prepared_->headerCol || headerRow != prepared_->headerRow)) {
        restartUnprepared_ = true;  // before any message: the rerun shows them
        return Acad::eInvalidInput;
    }
    {
        Tvx_FunctionTimer timer(gFindDuplicates);
        findDuplicates();
    }
    Tvx_FunctionTimer timer(gCalcCells);
    if (!headerFound) {
        sheetProblem(OvCalcProblem::Sheet, Tvx_String(), L"no \"Calc\" area");
        return Acad::eInvalidInput;
    }
    const int cols = getMaxCols();
    const int rows = getMaxRows();
    planBound_ = plan_ != nullptr && plan_->bind(varCells);
    lookup_ = planBound_ ? plan_->lookup() : buildVarNameLookup(varCells);
    if (prepared_ != nullptr && prepared_->direct) {
        calcDirectArea();
    } else {
        for (int row = headerRow + 1; row <= rows; ++row) {
            for (int col = 1; col <= cols; ++col) {
                calcCell(col, row);  // a failed equation has been reported; the others go on
            }
        }
    }
    lookup_.reset();
    prepareSheetForNextTime(headerCol, headerRow);
    return Acad::eOk;
}

void OvCalcSS::calcDirectArea() {
    const auto& area = prepared_->area;
    bool timing = false;
    for (std::size_t i = 0; i < area.size(); ++i) {
        const OvPreparedSheet::AreaCell& cell = area[i];
        if (!cell.plan) {
            calcCell(cell.col, cell.row);
            continue;
        }
        if (!timing) {
            gCalcCellCalcFunctions.start();
            timing = true;
        }
        Tvx_String reason;
        const bool done = takeDirectResult(cell.col, cell.row, *cell.plan, reason) == Acad::eOk;
        // Equations that follow each other share a clock reading: the end of one run is the
        // start of the next.
        if (done && i + 1 < area.size() && area[i + 1].plan) {
            gCalcCellCalcFunctions.lap();
        } else {
            gCalcCellCalcFunctions.end();
            timing = false;
        }
        if (!done) {
            equationFailed(cell.col, cell.row, cell.plan->left, cell.plan->replaced, reason);
        }
    }
}

void OvCalcSS::prepareSheetForNextTime(int headerCol, int headerRow) {
    if (!planBound_ || prepared_ != nullptr || !preparedAllowed_) {
        return;
    }
    Tvx_StringArray names;
    Tvx_StringArray values;
    preparationKey(genVarNames, genVarValues, names, values);
    if (plan_->prepared(names, values) == nullptr) {
        plan_->addPrepared(
            buildPreparedSheet(*plan_, varCells, names, values, headerCol, headerRow));
    }
}

void OvCalcSS::findDuplicates() {
    if (declaredWithoutDuplicates_) {
        return;
    }
    Tvx_StringArray names;
    for (const OvVarCell& cell : varCells) {
        names.append(cell.name);
    }
    if (!hasDuplicates(names)) {
        return;
    }
    Tvx_Array<int> indices;
    getDuplicates(names, indices);
    Tvx_StringArray duplicates;
    for (int index : indices) {
        duplicates.append(names[index]);
    }
    showDuplicateNames(ssFile, duplicates);
    for (int i = indices.length() - 1; i >= 0; --i) {
        varCells.removeAt(indices[i]);
    }
    cellTyped_.clear();  // the indices moved
}
