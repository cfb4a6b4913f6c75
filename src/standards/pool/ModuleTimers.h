// ModuleTimers.h - the 25 exported profiling timers; each measures one step of a
// standards calculation. They only measure: no behaviour depends on them.
#pragma once

#include "core/Tvx_Timer.h"

extern Tvx_Timer gLoadFile;
extern Tvx_Timer gInitMapping;
extern Tvx_Timer gInitSSForInput;
extern Tvx_Timer gInitFromMacro;
extern Tvx_Timer gSSSGetFromMacro;
extern Tvx_Timer gSetMacroValuelsToSS;
extern Tvx_Timer gSSSreplaceGenVars;
extern Tvx_Timer gCalcMain;
extern Tvx_Timer gSetToMacro;
extern Tvx_Timer gGetFromVars;
extern Tvx_Timer gCalcChild;
extern Tvx_Timer gSetToVars;
extern Tvx_Timer gRegisterFuntions;
extern Tvx_Timer gFindDuplicates;
extern Tvx_Timer gCalcCells;
extern Tvx_Timer gCalcCellSplitSymbol;
extern Tvx_Timer gCalcCellFindVarCell;
extern Tvx_Timer gCalcCellFindFunctions;
extern Tvx_Timer gCalcCellCalcNativeFunctions;
extern Tvx_Timer gCalcCellCalcFunctionsPrepare;
extern Tvx_Timer gCalcCellCalcFunctions;
extern Tvx_Timer gCalcCellGetVarNames;
extern Tvx_Timer gCalcCellGetVarCoordName;
extern Tvx_Timer gCalcCellGetVarCoords;
extern Tvx_Timer gCalcCellReplaceVariables;

// All 25, in the order above, for listings.
Tvx_Timer* const* moduleTimers();
constexpr int kModuleTimerCount = 25;
