// OvMACallBackData.cpp - the module's profile detail callback.
#include "macrodlg/detail/OvMACallBackData.h"

#include "core/macro/MacroDataSync.h"

bool macroProfCallBack(OvMACallBackType type, const OvMACallBackData& data, MacroProfData& prof) {
    MacroData* record = data.macroData;
    if (record == nullptr) {
        return false;
    }
    switch (type) {
        case eMACallBackRead:
            record->getMergedPropsOfGroup(data.moduleName, data.groupName, prof);
            break;
        case eMACallBackWrite: {
            record->setMergedPropsOfGroup(data.moduleName, data.groupName, prof);
            const Tvx_Array<int> changed{kDiffProfData};
            UpdateModule(data.moduleName, *record, changed, Tvx_Array<int>());
            record->getMergedPropsOfGroup(data.moduleName, data.groupName, prof);
            break;
        }
        case eMACallBackHide:
        case eMACallBackShow:
            break;
    }
    return true;
}
