// OvCalcSSListMode.cpp - list mode: the values come from the record's variable list and the
// Output values go back into it. Binding is by position, not by name: the sheet's Input and
// Output variables take the list's entries in order, Local variables are skipped.
#include "core/Tvx_Timer.h"
#include "standards/calc/OvCalcSS.h"
#include "standards/macroaccess/OvDlgStandardsData.h"
#include "standards/pool/ModuleTimers.h"

Acad::ErrorStatus OvCalcSS::calcListMode(OvDlgStandardsData& data) {
    {
        Tvx_FunctionTimer timer(gGetFromVars);
        if (getFromVars(data) != Acad::eOk) {
            return Acad::eInvalidInput;
        }
        Tvx_FunctionTimer replaceTimer(gSSSreplaceGenVars);
        replaceGenVars();
    }
    {
        Tvx_FunctionTimer timer(gCalcChild);
        if (mainCalculation() != Acad::eOk) {
            return Acad::eInvalidInput;
        }
    }
    Tvx_FunctionTimer timer(gSetToVars);
    if (setToVars(data) != Acad::eOk) {
        sheetProblem(OvCalcProblem::Variable, Tvx_String(),
                     L"the caller passed fewer variables than the sheet's Outputs need");
        return Acad::eInvalidInput;
    }
    return Acad::eOk;
}

Acad::ErrorStatus OvCalcSS::getFromVars(const OvDlgStandardsData& data) {
    genVarNames = data.genVarNames;
    genVarValues = data.genVarValues;
    if (findDeclaredVariables() != Acad::eOk) {
        sheetProblem(OvCalcProblem::Sheet, Tvx_String(), L"no \"Input\" or no \"Output\" area");
        return Acad::eInvalidInput;
    }
    const OvVarCells& passed = data.varCells;
    int locals = 0;
    for (int i = 0; i < varCells.length(); ++i) {
        OvVarCell& cell = varCells[i];
        if (cell.isLocal()) {
            ++locals;
            setVariable(i, Tvx_String());
            continue;
        }
        const int bound = i - locals;
        if (bound >= passed.length()) {
            sheetProblem(OvCalcProblem::Variable, cell.name,
                         L"the caller passed only " + Tvx_String::fromInt(passed.length()) +
                             L" variables; this one is number " + Tvx_String::fromInt(bound + 1));
            return Acad::eInvalidInput;
        }
        if (cell.isOutput() && passed[bound].isInput()) {
            // A caller's Input must never receive a result.
            sheetProblem(OvCalcProblem::Variable, cell.name,
                         L"an Output bound to the caller's Input \"" + passed[bound].name + L"\"");
            return Acad::eInvalidInput;
        }
        if (setVariable(i, passed[bound].value) != Acad::eOk) {
            sheetProblem(OvCalcProblem::Variable, cell.name,
                         L"the value cannot be written into its cell");
            return Acad::eInvalidInput;
        }
    }
    return Acad::eOk;
}

Acad::ErrorStatus OvCalcSS::setToVars(OvDlgStandardsData& data) const {
    OvVarCells& passed = data.varCells;
    int locals = 0;
    for (int i = 0; i < varCells.length(); ++i) {
        const OvVarCell& cell = varCells[i];
        if (cell.isLocal()) {
            ++locals;
            continue;
        }
        if (!cell.isOutput()) {
            continue;
        }
        const int bound = i - locals;
        if (bound >= passed.length()) {
            return Acad::eInvalidInput;
        }
        passed[bound].value = cell.value;
    }
    return Acad::eOk;
}
