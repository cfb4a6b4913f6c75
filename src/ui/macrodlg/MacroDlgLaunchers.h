// MacroDlgLaunchers.h - the exported launchers of the macro parameter dialog and its registry of
// modeless dialogs. DestroyAllMacroDlgs itself is the module's (frame/ModuleEntry.h); it closes
// the dialogs through destroyModelessMacroDlgs.
#pragma once

#include "core/macro/MacroData.h"

class CDlgMacro;

// Modal; the record is copied back whatever the dialog's result.
void StartDlgMacro(MacroData& data);
// Opens a modeless dialog in the highest empty slot (or a new one); `dialogId` gets the slot, -1
// on failure. Without keep-focus the focus goes back to the host's main window.
bool StartDlgMacroModeless(bool keepFocus, MacroData& data, int& dialogId);
// The current record of the dialog in `dialogId`; false for an empty or unknown slot.
bool GetDlgMacroData(int dialogId, MacroData& data);
// Closes the dialog in `dialogId`; with the record's deferred-close flag set the close is retried
// by a 50 ms timer. False for an empty or unknown slot.
bool EndDlgMacroModeless(int dialogId);
// EndDlgMacroModeless for every slot from the last to the first.
void destroyModelessMacroDlgs();

// The registry as tests and the studio see it.
CDlgMacro* macroDlgInSlot(int dialogId);
int macroDlgSlotCount();
// Closes put off and not yet retried.
int pendingMacroDlgCloses();
