// StandardsPaths.h - where standards sheets are looked for: a sheet named by a calculation
// request, and a child sheet named in a "CallChild" equation.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// The library's folder of connection standards: libDir + "Connection Standards\\".
Tvx_String standardsFolder();

// The file of a request: `name` itself when it is an existing file, else the standards folder
// + name + ".ovs" (which may not exist; loading then fails).
Tvx_String resolveStandardsFile(const Tvx_String& name);

// The places a child sheet is looked for, in order: the name itself, beside the parent sheet,
// and in the standards folder and its "Childs", "Data" and "Parents" sub-folders. No extension
// is added.
Tvx_StringArray childFileCandidates(const Tvx_String& name, const Tvx_String& parentFile);
// The first candidate that exists; false when none does.
bool resolveChildFile(const Tvx_String& name, const Tvx_String& parentFile, Tvx_String& resolved);
