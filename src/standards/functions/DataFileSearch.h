// DataFileSearch.h - where the spreadsheet functions look for the data files that a formula names
// (standard-sizes files and lookup tables).
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

namespace ovfunctions {

// The places tried, in order: the name as given, then the library's "Connection Standards\Data\",
// "Connection Standards\" and the library folder itself. No extension is added.
Tvx_StringArray dataFileCandidates(const Tvx_String& name);

// The first candidate that is an existing file; false (path unchanged) when there is none.
bool findDataFile(const Tvx_String& name, Tvx_String& path);

}  // namespace ovfunctions
