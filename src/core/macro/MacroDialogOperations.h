// MacroDialogOperations.h - the operations the macro parameter dialog calls beside the record's
// own methods: another selection, the group filter, block swaps, bolt assemblies and diameters,
// base planes, and the clash status of each open dialog.
#pragma once

#include "core/AcArray.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/MacroData.h"
#include "host/AcDbObjectId.h"

// The installed MacroSelector lets the user pick other macros; false without one or when the
// user picked nothing.
bool SelectOtherMacros(MacroData& data);
// Fills the tabs again from the drawing after the group (`groupChanged`) or the second selector
// changed, keeping both choices, the selection and the initial tab. False when no selected macro
// is in an open drawing (the record is then unchanged).
bool UpdateAllFilterModified(MacroData& data, bool groupChanged);
// The tab of `moduleName` takes the block file `path` (its name without folder and extension);
// false when the tab has no block choice.
bool swapBlockRefs(MacroData& data, const Tvx_String& moduleName, const Tvx_String& path);

// Bolt assemblies the library knows, and the diameters of every bolt tab of the record merged
// with the standard diameters, ascending.
void GetAssemblies(Tvx_StringArray& assemblies);
void GetMergedDiameters(const MacroData& data, Tvx_StringArray& diameters);
// The base planes of a profile, in the order of MacroProfData::basePlane.
void getBasePlaneStrings(Tvx_StringArray& names);

// Clash status per dialog: whether the dialog checks clashes (its image check box) and the
// number of clashes its last check found.
void clashInitDlgStarted(int dialogId);
void clashResetInfo(int dialogId, const AcArray<AcDbObjectId>& selected);
void clashDlgClosed(int dialogId);
bool clashGetStatus(int dialogId);
void clashSetStatus(int dialogId, bool on);
// With checking on, checks every selected macro: the bounding box of each bolt group (bolt rows
// and columns at their pitch and gauge, plus the bolt diameter), centred on the plate, must lie
// inside the plate's box (its Width and Height, or Length and Width). Returns the number of bolt
// groups that stick out; 0 with checking off.
int clashcheck(int dialogId, const AcArray<AcDbObjectId>& selected);
