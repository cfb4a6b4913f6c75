// MacroDialogOperations.cpp - selection, group filter, block swaps, bolt lists and the clash
// check of the macro parameter dialog.
#include "core/macro/MacroDialogOperations.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "core/Paths.h"
#include "core/macro/BaseProfilesTab.h"
#include "core/macro/MacroDataServices.h"
#include "core/macro/MacroDataSync.h"
#include "core/macro/Tvx_Drawing.h"

namespace {

struct ClashState {
    bool on = true;
    int found = 0;
};

std::map<int, ClashState>& clashStates() {
    static std::map<int, ClashState> states;
    return states;
}

// The first variable of the module whose name is one of `names`; false when none.
bool variableValue(const Tvx_Module& module, std::initializer_list<const wchar_t*> names,
                   double& value) {
    for (const wchar_t* name : names) {
        if (const Tvx_DialogVariable* variable = module.findVariable(name)) {
            value = variable->value;
            return true;
        }
    }
    return false;
}

// Bolt groups of the macro that do not fit inside its plate.
int boltGroupsOutsidePlate(const Tvx_Macro& macro) {
    double plateWidth = 0.0;
    double plateHeight = 0.0;
    bool plateFound = false;
    for (int i = 0; i < macro.moduleCount() && !plateFound; ++i) {
        const Tvx_Module& module = *macro.module(i);
        if (module.type() != kGeneralModuleType) {
            continue;
        }
        plateFound = variableValue(module, {L"Height", L"Length"}, plateHeight) &&
                     variableValue(module, {L"Width"}, plateWidth);
    }
    if (!plateFound) {
        return 0;
    }
    int outside = 0;
    for (int i = 0; i < macro.moduleCount(); ++i) {
        const auto* bolts = dynamic_cast<const Tvx_BoltModule*>(macro.module(i));
        if (bolts == nullptr) {
            continue;
        }
        double pitch = 0.0;
        double gauge = 0.0;
        variableValue(*bolts, {L"Pitch", L"SpacingY"}, pitch);
        variableValue(*bolts, {L"Gauge", L"SpacingX"}, gauge);
        const double diameter = bolts->boltData().diameter;
        for (const Tvx_BoltPattern& pattern : bolts->patterns()) {
            const int columns = pattern.hasSecondDirection() ? pattern.nrBolts2 : 1;
            const double height = (pattern.nrBolts1 - 1) * pitch + diameter;
            const double width = (columns - 1) * gauge + diameter;
            if (height > plateHeight || width > plateWidth) {
                ++outside;
            }
        }
    }
    return outside;
}

}  // namespace

bool SelectOtherMacros(MacroData& data) {
    const MacroSelector& selector = macroSelector();
    return selector && selector(data);
}

bool UpdateAllFilterModified(MacroData& data, bool) {
    MacroData rebuilt;
    bool found = false;
    for (const AcDbObjectId& id : data.selectedIds) {
        MacroData one;
        if (buildDialogMacroData(openDbMacro(id), one) != Acad::eOk) {
            continue;
        }
        if (!found) {
            rebuilt = one;
            found = true;
        }
    }
    if (!found) {
        return false;
    }
    rebuilt.selectedIds = data.selectedIds;
    rebuilt.groupKeys = data.groupKeys;
    rebuilt.groupNames = data.groupNames;
    rebuilt.currentGroup = data.currentGroup;
    rebuilt.secondNames = data.secondNames;
    rebuilt.secondChoice = data.secondChoice;
    rebuilt.title = data.title;
    if (data.findTab(data.initialTab) >= 0) {
        rebuilt.initialTab = data.initialTab;
    }
    data = rebuilt;
    return true;
}

bool swapBlockRefs(MacroData& data, const Tvx_String& moduleName, const Tvx_String& path) {
    MacroTabData* tab = data.getTab(data.findTab(moduleName));
    if (tab == nullptr || !tab->hasBlockChoice) {
        return false;
    }
    tab->blockName = removeExtension(getFileName(path));
    return true;
}

void GetAssemblies(Tvx_StringArray& assemblies) {
    assemblies.removeAll();
    for (const wchar_t* name : {L"HV", L"HR", L"Anchor", L"Standard"}) {
        assemblies.append(name);
    }
}

void GetMergedDiameters(const MacroData& data, Tvx_StringArray& diameters) {
    std::vector<double> values = {12, 16, 20, 24, 27, 30};
    for (const MacroTabData& tab : data.tabs) {
        if (const MacroBoltData* bolt = tab.getBoltData();
            bolt != nullptr && bolt->diameter.isNumber()) {
            values.push_back(bolt->diameter.toDouble());
        }
    }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    diameters.removeAll();
    for (double value : values) {
        diameters.append(Tvx_String(value, 8, false));
    }
}

void getBasePlaneStrings(Tvx_StringArray& names) {
    names.removeAll();
    for (const wchar_t* name : {L"Top", L"Centre", L"Bottom"}) {
        names.append(name);
    }
}

void clashInitDlgStarted(int dialogId) {
    clashStates()[dialogId] = ClashState{};
}

void clashResetInfo(int dialogId, const AcArray<AcDbObjectId>&) {
    clashStates()[dialogId].found = 0;
}

void clashDlgClosed(int dialogId) {
    clashStates().erase(dialogId);
}

bool clashGetStatus(int dialogId) {
    return clashStates()[dialogId].on;
}

void clashSetStatus(int dialogId, bool on) {
    clashStates()[dialogId].on = on;
}

int clashcheck(int dialogId, const AcArray<AcDbObjectId>& selected) {
    ClashState& state = clashStates()[dialogId];
    state.found = 0;
    if (!state.on) {
        return 0;
    }
    for (const AcDbObjectId& id : selected) {
        const Tvx_DbMacro* dbMacro = openDbMacro(id);
        if (dbMacro != nullptr && dbMacro->macro() != nullptr) {
            state.found += boltGroupsOutsidePlate(*dbMacro->macro());
        }
    }
    return state.found;
}
