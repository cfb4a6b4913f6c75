// MacroDetailLaunchers.h - the launchers of the detail dialogs that the macro dialog's pages
// open. They are defined with the detail dialogs; declared weak here so that the pages can test
// whether they are present (a null address) and the module links without them.
#pragma once

#include "core/AcArray.h"
#include "core/Tvx_String.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroRecords.h"
#include "host/AcDbObjectId.h"

// The profile detail of `group` in the tab `moduleName` of `data`; the bool is the dialog's first
// option flag.
__attribute__((weak)) void StartDlgMacroProfAdv(MacroData& data, const Tvx_String& moduleName,
                                                const Tvx_String& group, bool option);
// The detail of one array; true on OK.
__attribute__((weak)) bool StartArrayDlg(DynArrayData& array, const AcArray<AcDbObjectId>& ids,
                                         const Tvx_String& name);
