// StandardsPaths.h - where standards sheets are looked for: a sheet named by a calculation
// request, and a child sheet named in a "CallChild" equation.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "standards/mapping/StandardsSheetFile.h"

// The places a child sheet is looked for, in order: the name itself, beside the parent sheet,
// and in the standards folder and its "Childs", "Data" and "Parents" sub-folders. No extension
// is added.
Tvx_StringArray childFileCandidates(const Tvx_String& name, const Tvx_String& parentFile);
// The first candidate that exists; false when none does.
bool resolveChildFile(const Tvx_String& name, const Tvx_String& parentFile, Tvx_String& resolved);
