// KeptMappingFiles.h - the lines of mapping files, kept while each file stays the same. Every
// macro calculation reads its sheet's mapping file (for its binding, then to check it), so
// each version of a file is read and decoded once.
#pragma once

#include <memory>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// The lines of the file at `path` (header included) as its current contents decode; null when
// the file is missing or unreadable, or holds a NUL byte (not a text file: the callers' own
// reading explains or tolerates that).
std::shared_ptr<const Tvx_StringArray> keptMappingFileLines(const Tvx_String& path);
