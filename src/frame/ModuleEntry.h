// ModuleEntry.h - the host's entry points into the module.
#pragma once

#include "host/AcadTypes.h"

extern "C" {
AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId);
int acrxGetApiVersion();
// The host journal as one text, a line per call (for hosts that load the module).
const char* ovssHostJournal();
}

// Closers of the modeless dialogs the unload message ends; empty until those dialogs exist.
void DestroyAllMacroDlgs();
void EndDlgEditConstraints();
