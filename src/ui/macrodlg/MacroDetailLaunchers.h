// MacroDetailLaunchers.h - the exported launchers of the macro detail dialogs, and the calls
// with which the macro dialog's pages open the bolt, pattern and segmented-profile details.
// Every launcher runs its dialog modally on a copy of the caller's record and copies it back only
// on OK (the profile detail writes through its callback while it is open instead).
#pragma once

#include <functional>

#include "core/AcArray.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroDetailRecords.h"
#include "dialogs/OpenSaveFiles.h"
#include "host/AcDbObjectId.h"
#include "macrodlg/detail/OvMACallBackData.h"

// The cuts dialog. `changed` is set in any case: true when the dialog ended with OK and the cut
// differs from the one given.
bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& changed);

// The profile detail on group `groupName` of module `moduleName` of the record, through the
// module's own callback; `firstOption` is the dialog's first option flag.
void StartDlgMacroProfAdv(MacroData& data, const Tvx_String& moduleName,
                          const Tvx_String& groupName, bool firstOption);
// The profile detail on the given profiles through the caller's callback; nothing happens for a
// null or empty list. With `option` true on entry the dialog offers check 1257, and on OK
// `option` returns its state.
void StartDlgMacroProfAdv(AcArray<AcDbObjectId>* profileIds, bool& option,
                          bool (*callback)(OvMACallBackType, const OvMACallBackData&,
                                           MacroProfData&));

// The array dialog on an array of the objects `ids`, titled with `name`.
bool StartArrayDlg(DynArrayData& data, const AcArray<AcDbObjectId>& ids, const Tvx_String& name);

// The bolt detail of a bolt page: on a valid OK `applyToOwner` (may be empty) applies the data
// and the result is copied back into `bolt`.
bool StartDlgMacroBoltAdv(MacroBoltData& bolt, const Tvx_StringArray& assemblies,
                          const Tvx_StringArray& diameters,
                          const std::function<void(MacroBoltData&)>& applyToOwner);
// The bolt pattern detail; the owner sends the differences after an OK.
bool StartDlgMacroPattern(MacroPatternProps& pattern);
// The segmented-profile detail.
bool StartDlgMacroProfSegm(MacroProfSegmentedData& data);
// The filtered open-save dialog; on OK `files.chosen` holds the name.
bool StartDlgOpenSave(OpenSaveFiles& files);
