// StartDlgStandardsSS.cpp - the exported launcher of a standards calculation, its development
// aid, and the development listing of a variable list.
#include "standards/calc/StartDlgStandardsSS.h"

#include "core/FileLookupScope.h"
#include "core/OvTempResourceOverride.h"
#include "host/HostServices.h"
#include "standards/CDlgSSStandards.h"
#include "standards/calc/StandardsPaths.h"
#include "standards/macroaccess/OvDlgStandardsData.h"
#include "standards/pool/OvSSDlgsMgr.h"

bool StartDlgStandardsSS(OvDlgStandardsData& data) {
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    // The calculation (with its children) sees one state of its files, each looked at once.
    const FileLookupScope files;
    auto* dlg = static_cast<CDlgSSStandards*>(gSSDlgsMgr.getDlg());
    if (dlg == nullptr) {
        data.problems.removeAll();
        data.problems.add(OvCalcProblem::Sheet, data.ssFile, Tvx_String(),
                          L"no calculation dialog could be had from the pool");
        return false;
    }
    dlg->data() = data;
    dlg->data().problems.removeAll();
    const bool done = dlg->calculate() == Acad::eOk;
    if (done) {
        data = dlg->data();
    } else {
        // The record stays as it was, but for why the calculation failed.
        data.problems = dlg->data().problems;
    }
    gSSDlgsMgr.releaseDlg(dlg);
    return done;
}

namespace {

OvVarCell testVariable(const wchar_t* name, OvCellType cellType, const wchar_t* value) {
    OvVarCell cell;
    cell.name = name;
    cell.cellType = cellType;
    cell.valueType = OvValueDouble;
    cell.value = value;
    return cell;
}

}  // namespace

bool StartDlgStandardsSStest() {
    OvDlgStandardsData data;
    data.mode = OvDlgStandardsData::ListMode;
    data.ssFile = standardsFolder() + L"Test\\StandardsTest.ovs";
    data.varCells.append(testVariable(L"Thickness", OvCellInput, L"10"));
    data.varCells.append(testVariable(L"Width", OvCellInput, L"200"));
    data.varCells.append(testVariable(L"Area", OvCellOutput, L"0"));
    data.varCells.append(testVariable(L"Weight", OvCellOutput, L"0"));
    const bool done = StartDlgStandardsSS(data);
    listVarCells(data.varCells);
    return done;
}

void listVarCells(const OvVarCells& cells) {
    acutPrintf(L"\n------------ New SS -----------------\n");
    for (int i = 0; i < cells.length(); ++i) {
        const OvVarCell& cell = cells[i];
        if (cell.isInput()) {
            continue;
        }
        acutPrintf(L"------ Varname %s (%i) -------\n", cell.name.c_str(), i);
        acutPrintf(L"------ Type: %i\n", static_cast<int>(cell.cellType));
        acutPrintf(L"------ Value: %s\n", cell.value.c_str());
        acutPrintf(L"-----------------------------\n");
    }
}
