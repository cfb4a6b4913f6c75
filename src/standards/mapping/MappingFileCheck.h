// MappingFileCheck.h - why the mapping of a standards sheet cannot be used: the file is
// missing or unreadable, has no line for the key, or holds entries that do not parse. Used to
// refuse a calculation request up front and to name the cause when a calculation had to run
// without macro values.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// The keys of the sheet's mapping file, in line order; false with `reason` (naming the file and
// the system's cause) when it cannot be read.
bool readMappingKeys(const Tvx_String& ssName, Tvx_StringArray& keys, Tvx_String& reason);

// True when the mapping file of `ssName` has a line for `key` whose every entry parses; else
// false with `reason` naming the file, the line and the cause.
bool checkMappingFile(const Tvx_String& ssName, const Tvx_String& key, Tvx_String& reason);
