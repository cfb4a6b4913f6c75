// OvMACallBackData.h - the callback record of the profile detail dialog and the module's own
// callback, which reads and writes the merged properties of a profile group of a macro record.
#pragma once

#include "core/AcArray.h"
#include "core/Tvx_String.h"
#include "core/macro/MacroData.h"
#include "host/AcDbObjectId.h"

// What the profile detail asks of its callback.
enum OvMACallBackType : int {
    eMACallBackRead = 0,   // fill the MacroProfData
    eMACallBackWrite = 1,  // write it to the drawing
    eMACallBackHide = 2,   // the dialog hides itself for a pick in the drawing
    eMACallBackShow = 3,   // ... and shows itself again after the pick
};

class OvMACallBackData {
  public:
    OvMACallBackData() = default;
    OvMACallBackData(const OvMACallBackData&) = default;
    OvMACallBackData& operator=(const OvMACallBackData&) = default;
    virtual ~OvMACallBackData() = default;

    Tvx_String groupName;
    MacroData* macroData = nullptr;  // may be null
    Tvx_String moduleName;
    AcArray<AcDbObjectId> profileIds;
};

using OvMACallBack = bool (*)(OvMACallBackType, const OvMACallBackData&, MacroProfData&);

// The module's callback over a MacroData: read gives the group's merged properties; write sets
// them, sends them to the drawing (UpdateModule with the profile-data marker) and reads them
// back; hide and show do nothing. False only without a record.
bool macroProfCallBack(OvMACallBackType type, const OvMACallBackData& data, MacroProfData& prof);
