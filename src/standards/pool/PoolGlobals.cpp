// PoolGlobals.cpp - the standards engine's process-wide objects, defined in one place so that
// they are constructed in this order: timers, then the dialog pool (and destroyed in reverse
// order when the library is released).
#include "core/Tvx_String.h"
#include "standards/pool/ModuleTimers.h"
#include "standards/pool/OvSSDlgsMgr.h"

Tvx_Timer gLoadFile(L"gLoadFile");
Tvx_Timer gInitMapping(L"gInitMapping");
Tvx_Timer gInitSSForInput(L"gInitSSForInput");
Tvx_Timer gInitFromMacro(L"gInitFromMacro");
Tvx_Timer gSSSGetFromMacro(L"gSSSGetFromMacro");
Tvx_Timer gSetMacroValuelsToSS(L"gSetMacroValuelsToSS");
Tvx_Timer gSSSreplaceGenVars(L"gSSSreplaceGenVars");
Tvx_Timer gCalcMain(L"gCalcMain");
Tvx_Timer gSetToMacro(L"gSetToMacro");
Tvx_Timer gGetFromVars(L"gGetFromVars");
Tvx_Timer gCalcChild(L"gCalcChild");
Tvx_Timer gSetToVars(L"gSetToVars");
Tvx_Timer gRegisterFuntions(L"gRegisterFuntions");
Tvx_Timer gFindDuplicates(L"gFindDuplicates");
Tvx_Timer gCalcCells(L"gCalcCells");
Tvx_Timer gCalcCellSplitSymbol(L"gCalcCellSplitSymbol");
Tvx_Timer gCalcCellFindVarCell(L"gCalcCellFindVarCell");
Tvx_Timer gCalcCellFindFunctions(L"gCalcCellFindFunctions");
Tvx_Timer gCalcCellCalcNativeFunctions(L"gCalcCellCalcNativeFunctions");
Tvx_Timer gCalcCellCalcFunctionsPrepare(L"gCalcCellCalcFunctionsPrepare");
Tvx_Timer gCalcCellCalcFunctions(L"gCalcCellCalcFunctions");
Tvx_Timer gCalcCellGetVarNames(L"gCalcCellGetVarNames");
Tvx_Timer gCalcCellGetVarCoordName(L"gCalcCellGetVarCoordName");
Tvx_Timer gCalcCellGetVarCoords(L"gCalcCellGetVarCoords");
Tvx_Timer gCalcCellReplaceVariables(L"gCalcCellReplaceVariables");

Tvx_Timer* const* moduleTimers() {
    static Tvx_Timer* const timers[kModuleTimerCount] = {
        &gLoadFile,
        &gInitMapping,
        &gInitSSForInput,
        &gInitFromMacro,
        &gSSSGetFromMacro,
        &gSetMacroValuelsToSS,
        &gSSSreplaceGenVars,
        &gCalcMain,
        &gSetToMacro,
        &gGetFromVars,
        &gCalcChild,
        &gSetToVars,
        &gRegisterFuntions,
        &gFindDuplicates,
        &gCalcCells,
        &gCalcCellSplitSymbol,
        &gCalcCellFindVarCell,
        &gCalcCellFindFunctions,
        &gCalcCellCalcNativeFunctions,
        &gCalcCellCalcFunctionsPrepare,
        &gCalcCellCalcFunctions,
        &gCalcCellGetVarNames,
        &gCalcCellGetVarCoordName,
        &gCalcCellGetVarCoords,
        &gCalcCellReplaceVariables,
    };
    return timers;
}

OvSSDlgsMgr gSSDlgsMgr;
