// LookupTable.h - the tab-separated lookup tables read by GETCELL and GETPROFCELL: one row per
// line, the first cell the row's key and the second its value; "//" starts a comment.
#pragma once

#include <memory>

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

namespace ovfunctions {

using LookupRows = Tvx_Array<Tvx_StringArray>;

// The rows of the file, read again only when the file changes; null when it cannot be read.
std::shared_ptr<const LookupRows> readLookupTable(const Tvx_String& path);

// The rows of already-read lines: comments removed, lines left empty dropped, cells split at tabs.
LookupRows parseLookupLines(const Tvx_StringArray& lines);

}  // namespace ovfunctions
