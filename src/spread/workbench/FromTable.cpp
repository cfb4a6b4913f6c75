// FromTable.cpp - FROMTABLE: registration and the callback that runs a hidden workbench.
#include "spread/workbench/FromTable.h"

#include "grid/Grid.h"
#include "spread/TSpread.h"
#include "spread/workbench/CFormula.h"

namespace {

// Workbenches currently answering a call on this thread. A table whose answer cell calls
// FROMTABLE on itself would otherwise nest without end.
thread_local int tDepth = 0;

class DepthScope {
  public:
    DepthScope() { ++tDepth; }
    ~DepthScope() { --tDepth; }
    DepthScope(const DepthScope&) = delete;
    DepthScope& operator=(const DepthScope&) = delete;
};

bool argumentsAnswerable(const ovgrid::SSValue* args, int argCount) {
    if (!args || argCount < 1) {
        return false;
    }
    for (int i = 0; i < argCount; ++i) {
        if (args[i].status != ovgrid::SS_VALUE_STATUS_OK) {
            return false;
        }
    }
    return args[0].type == ovgrid::SS_VALUE_TYPE_STR;
}

}  // namespace

// Up to 5 arguments: the caption form with a target cell (table, key caption, value caption,
// key, target) needs the fifth.
bool registerFromTable(TSpread& grid) {
    return grid.SSAddCustomFunctionExt(L"FROMTABLE", 2, 5, &fromTableFunction,
                                       ovgrid::SS_CUSTFUNC_WANTCELLREF);
}

bool fromTableFunction(ovgrid::SSValue* result, ovgrid::SSValue* args, int argCount) {
    if (!result) {
        return false;
    }
    result->status = ovgrid::SS_VALUE_STATUS_EMPTY;
    if (!argumentsAnswerable(args, argCount) || tDepth >= kMaxFromTableDepth) {
        return true;
    }
    DepthScope depth;
    CFormula workbench(CFormula::kFromTable, Tvx_String(args[0].text));
    workbench.setFromTableCall(result, args, argCount, ovgrid::Grid::current());
    workbench.doModal();
    return true;
}
