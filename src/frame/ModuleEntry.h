// ModuleEntry.h - the host's entry points into the module.
#pragma once

#include "host/AcadTypes.h"

extern "C" {
AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId);
int acrxGetApiVersion();
// The host journal as one text, a line per call (for hosts that load the module).
const char* ovssHostJournal();
// Starts the module and the engine's services (startEngine) before the initialisation message,
// for a host that calls launchers first; the initialisation message does the same. Idempotent.
void ovssStartEngine();
}
