// SSRegistry.h - the exported registry service for the core library: write, remove and list the
// registration of the COM module's type library, classes and interfaces under HKEY_CLASSES_ROOT.
// Each function attempts every step and returns eOk when all succeeded, eInvalidInput otherwise.
#pragma once

#include "core/Tvx_String.h"
#include "host/ErrorStatus.h"

// Registers the type library, every class and every interface for the COM module file
// ("Qmod.arx" in comModuleFolder()). Without that file nothing is written and the result is 3.
Acad::ErrorStatus SSregisterOpmCLSIDs();
// Removes the type library key, every class key and every interface key.
Acad::ErrorStatus SScleanupComRegistry();
// Prints each class identifier as a constant declaration on the host's command line and writes
// all identifiers as key=value lines to "RegistryIDs.dat" in comModuleFolder().
Acad::ErrorStatus SSprintCLSIDs();

// The declaration printed for one class ("\nconst cCLSID CLSID_Bolt = {0x2CE559DB,...}};"), from
// its identifier text; false (nothing to print) when the text is not in the 8-4-4-4-12 form.
bool clsidDeclaration(const Tvx_String& name, const Tvx_String& idText, Tvx_String& declaration);
