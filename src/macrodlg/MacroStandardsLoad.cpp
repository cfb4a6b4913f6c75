// MacroStandardsLoad.cpp - recomputing macros through their connection standards.
#include "macrodlg/MacroStandardsLoad.h"

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/TextFile.h"
#include "core/Tvx_Settings.h"
#include "core/macro/MacroDataServices.h"
#include "core/macro/MacroDataSync.h"
#include "core/macro/MacroDialogOperations.h"
#include "core/macro/Tvx_Drawing.h"
#include "host/AcTransaction.h"
#include "standards/calc/StartDlgStandardsSS.h"
#include "standards/macroaccess/OvDlgStandardsData.h"

namespace {

bool mappingHasKey(const Tvx_String& mapPath, const Tvx_String& key) {
    Tvx_StringArray lines;
    if (!ObjectExportReadFile(mapPath, lines)) {
        return false;
    }
    for (const Tvx_String& line : lines) {
        if (line.left(key.length() + 1).equal(key + L"=", false)) {
            return true;
        }
    }
    return false;
}

// The calculation writes variables straight into the macro but the bolt blocks and pattern
// counts into the record it was given: carry those into the drawing without letting the
// record's older variable values overwrite the new ones.
void writeBoltRecords(Tvx_DbMacro* dbMacro, const MacroData& computed) {
    MacroData fresh;
    if (buildMacroData(dbMacro, fresh) != Acad::eOk) {
        return;
    }
    Tvx_Array<Tvx_Array<int>> changed;
    for (MacroTabData& tab : fresh.tabs) {
        Tvx_Array<int> marks;
        for (const MacroTabData& source : computed.tabs) {
            if (source.moduleName.equal(tab.moduleName, false) && source.hasBoltData) {
                tab.patterns = source.patterns;
                tab.boltData = source.boltData;
                marks.append(0);
            }
        }
        changed.append(marks);
    }
    setAllToMacro(fresh, changed, changed);
}

bool computeMacro(Tvx_DbMacro* dbMacro) {
    Tvx_Macro* macro = dbMacro != nullptr ? dbMacro->macroWrite() : nullptr;
    Tvx_String standard;
    if (macro == nullptr || !findStandardForMacro(macro->name(), standard)) {
        return false;
    }
    MacroData record;
    if (buildMacroData(dbMacro, record) != Acad::eOk) {
        return false;
    }
    AcTransaction transaction;
    OvDlgStandardsData data;
    data.initialize(dbMacro, standard, macro->name(), &record);
    data.transaction = &transaction;
    Tvx_StringArray generalNames;
    macro->getGeneralVariables(generalNames);
    for (const Tvx_String& name : generalNames) {
        data.genVarNames.append(name);
        data.genVarValues.append(Tvx_String(macro->generalVariableValue(name), 8, false));
    }
    if (!StartDlgStandardsSS(data)) {
        transaction.abort();
        return false;
    }
    writeBoltRecords(dbMacro, record);
    transaction.commit();
    return true;
}

}  // namespace

bool findStandardForMacro(const Tvx_String& macroName, Tvx_String& standard) {
    const Tvx_String folder = gSettings.libDir + L"Connection Standards\\";
    for (const Tvx_String& mapPath : listFiles(folder, L"*.map", true)) {
        if (mappingHasKey(mapPath, macroName) && fileExists(changeExtension(mapPath, L"ovs"))) {
            standard = removeExtension(getFileName(mapPath));
            return true;
        }
    }
    return false;
}

bool recomputeFromStandards(MacroData& data) {
    bool computed = false;
    for (const AcDbObjectId& id : data.selectedIds) {
        computed = computeMacro(openDbMacro(id)) || computed;
    }
    if (computed) {
        UpdateAllFilterModified(data, true);
    }
    return computed;
}

void installMacroStandardsCalculator() {
    setMacroStandardsCalculator(recomputeFromStandards);
}
