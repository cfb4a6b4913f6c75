// OvCalcSS.cpp - one calculation: loading the sheet, then macro mode or list mode around the
// main calculation, and the general-variable replacement.
#include "standards/calc/OvCalcSS.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/Paths.h"
#include "core/Tvx_Timer.h"
#include "grid/CellStore.h"
#include "grid/Grid.h"
#include "standards/calc/PreparedSheet.h"
#include "standards/calc/SheetCache.h"
#include "standards/calc/StandardsPaths.h"
#include "standards/calc/WholeWordReplace.h"
#include "standards/macroaccess/OvDlgStandardsData.h"
#include "standards/pool/ModuleTimers.h"

namespace {

const wchar_t* const kNoInputOutputAreas = L"no \"Input\" or no \"Output\" area";

// Why a sheet file does not load: the grid's own reason, naming the file.
Tvx_String sheetLoadError(const Tvx_String& path) {
    ovgrid::Grid probe;
    std::wstring error;
    if (probe.loadFromFile(toFileSystemPath(path), &error)) {
        return L"the sheet cannot be loaded";
    }
    return L"cannot load the sheet: " + Tvx_String(error);
}

}  // namespace

void OvCalcSS::preparationKey(const Tvx_StringArray& names, const Tvx_StringArray& values,
                              Tvx_StringArray& keyNames, Tvx_StringArray& keyValues) {
    // Without names or without values nothing is replaced: all such calls share one copy.
    if (!names.isEmpty() && !values.isEmpty()) {
        keyNames = names;
        keyValues = values;
    }
}

Acad::ErrorStatus OvCalcSS::calculate(OvDlgStandardsData& data) {
    preparedAllowed_ = true;
    Acad::ErrorStatus status = calculateOnce(data);
    if (restartUnprepared_) {
        // The prepared copy did not fit this calculation; nothing has left the grid yet.
        preparedAllowed_ = false;
        status = calculateOnce(data);
    }
    data.problems = problems_;
    return status;
}

void OvCalcSS::sheetProblem(OvCalcProblem::Kind kind, const Tvx_String& subject,
                            const Tvx_String& reason) {
    problems_.add(kind, ssFile, subject, reason);
}

Acad::ErrorStatus OvCalcSS::calculateOnce(OvDlgStandardsData& data) {
    restartUnprepared_ = false;
    prepared_.reset();
    failures_.removeAll();
    problems_.removeAll();
    // Nothing of an earlier calculation in this grid may leak into this one (a stale mapping
    // would write values into the wrong objects of the macro); only the variables' storage
    // serves again.
    varCells.releaseVarCells(spareCells_);
    varCells = OvVarCells();
    plan_.reset();
    planBound_ = false;
    declaredWithoutDuplicates_ = false;
    lookup_.reset();
    cellTyped_.clear();
    genVarNames.removeAll();
    genVarValues.removeAll();
    {
        Tvx_FunctionTimer timer(gLoadFile);
        if (loadFile(data) != Acad::eOk) {
            return Acad::eInvalidInput;
        }
    }
    switch (data.mode) {
        case OvDlgStandardsData::MacroMode:
            return calcMacroMode(data);
        case OvDlgStandardsData::ListMode:
            return calcListMode(data);
        default:
            return Acad::eOk;
    }
}

Acad::ErrorStatus OvCalcSS::loadFile(const OvDlgStandardsData& data) {
    const Tvx_String path = resolveStandardsFile(data.ssFile);
    setCalculationProperties(*this);
    plan_ = keptSheet(path);
    if (plan_ == nullptr) {
        problems_.add(OvCalcProblem::Sheet, path, Tvx_String(), sheetLoadError(path));
        return Acad::eInvalidInput;
    }
    if (preparedAllowed_) {
        Tvx_StringArray names;
        Tvx_StringArray values;
        preparationKey(data.genVarNames, data.genVarValues, names, values);
        prepared_ = plan_->prepared(names, values);
        if (prepared_ != nullptr && prepared_->sheet == nullptr) {
            prepared_.reset();
        }
    }
    if (!SSLoadFromSheet(prepared_ != nullptr ? *prepared_->sheet : *plan_->sheet())) {
        problems_.add(OvCalcProblem::Sheet, path, Tvx_String(), L"the sheet cannot be loaded");
        return Acad::eInvalidInput;
    }
    // A sheet file may carry its own settings; the calculation needs its own.
    setCalculationProperties(*this);
    ssFile = path;
    return Acad::eOk;
}

Acad::ErrorStatus OvCalcSS::findDeclaredVariables() {
    if (plan_ != nullptr) {
        if (const auto declared = plan_->declared()) {
            varCells.assignVarCells(*declared, spareCells_);
            declaredWithoutDuplicates_ = !plan_->declaredHasDuplicates();
            if (prepared_ != nullptr && declaredWithoutDuplicates_) {
                // The prepared copy was made for this very list, its cells typed already.
                cellTyped_.assign(static_cast<std::size_t>(varCells.length()), true);
            }
            return Acad::eOk;
        }
    }
    const Acad::ErrorStatus status = varCells.findVarCells(*this);
    if (status == Acad::eOk && plan_ != nullptr) {
        plan_->setDeclared(varCells);
    }
    return status;
}

Acad::ErrorStatus OvCalcSS::calcMacroMode(OvDlgStandardsData& data) {
    {
        Tvx_FunctionTimer timer(gInitSSForInput);
        if (data.dbMacro == nullptr || data.transaction == nullptr) {
            sheetProblem(OvCalcProblem::Sheet, Tvx_String(),
                         data.dbMacro == nullptr ? L"macro mode without a macro"
                                                 : L"macro mode without a transaction");
            return Acad::eInvalidInput;
        }
        genVarNames = data.genVarNames;
        genVarValues = data.genVarValues;
        if (findDeclaredVariables() != Acad::eOk) {
            sheetProblem(OvCalcProblem::Sheet, Tvx_String(), kNoInputOutputAreas);
            return Acad::eInvalidInput;
        }
    }
    {
        Tvx_FunctionTimer timer(gSSSGetFromMacro);
        if (varCells.getFromMacro(data, &problems_) != Acad::eOk) {
            sheetProblem(OvCalcProblem::Mapping, Tvx_String(),
                         L"no mapping: neither a module group nor a macro");
            return Acad::eInvalidInput;
        }
    }
    {
        Tvx_FunctionTimer timer(gSetMacroValuelsToSS);
        if (varCells.setValuesToSS(*this) != Acad::eOk) {
            sheetProblem(OvCalcProblem::Sheet, Tvx_String(),
                         L"the variables' values cannot be written into their cells");
            return Acad::eInvalidInput;
        }
        cellTyped_.assign(static_cast<std::size_t>(varCells.length()), true);
    }
    {
        Tvx_FunctionTimer timer(gSSSreplaceGenVars);
        replaceGenVars();
    }
    {
        Tvx_FunctionTimer timer(gCalcMain);
        if (mainCalculation() != Acad::eOk) {
            return Acad::eInvalidInput;
        }
        if (varCells.getValuesFromSS(*this) != Acad::eOk) {
            sheetProblem(OvCalcProblem::Sheet, Tvx_String(),
                         L"the Output values cannot be read from their cells");
            return Acad::eInvalidInput;
        }
    }
    {
        Tvx_FunctionTimer timer(gSetToMacro);
        varCells.setToMacro(data, &problems_);
    }
    data.varCells = varCells;
    return Acad::eOk;
}

void OvCalcSS::replaceGenVars() {
    if (genVarNames.isEmpty() || genVarValues.isEmpty() || !isCreated()) {
        return;
    }
    // Only cells that hold something can hold a name; visit them column by column, each column
    // top to bottom.
    std::vector<std::pair<int, int>> filled;
    filled.reserve(grid()->cells().size());
    const int cols = getMaxCols();
    const int rows = getMaxRows();
    for (const auto& entry : grid()->cells()) {
        const int col = ovgrid::keyCol(entry.first);
        const int row = ovgrid::keyRow(entry.first);
        if (col >= 1 && row >= 1 && col <= cols && row <= rows) {
            filled.emplace_back(col, row);
        }
    }
    std::sort(filled.begin(), filled.end());
    for (const auto& [col, row] : filled) {
        Tvx_String text;
        if (!getCellText(col, row, text, kReadValue) || text.isEmpty()) {
            continue;
        }
        if (replaceWholeWords(text, genVarNames, genVarValues, true)) {
            setCellText(col, row, text);
        }
    }
}
