// ComModuleFolder.h - the folder of this module's own file: the COM module is looked for there and
// "RegistryIDs.dat" is written there. The module entry sets it from the loaded library's path;
// until then (and in programs that link the engine directly) it is the running program's folder.
#pragma once

#include "core/Tvx_String.h"

// Sets the folder (any separator form; made absolute, with a trailing separator added). An empty
// text returns to the default, the running program's folder.
void setComModuleFolder(const Tvx_String& folder);
// The folder in the application's form, ending in "\\"; empty when it cannot be determined.
Tvx_String comModuleFolder();
// comModuleFolder() + "Qmod.arx".
Tvx_String comModulePath();
