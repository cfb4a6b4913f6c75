// AtomicFile.h - whole-file reading and the one atomic writer every file of the module goes
// through: the bytes go to a temporary file in the same folder, are flushed to disk, and the
// temporary file is renamed over the target. A failure at any step leaves the old file intact.
#pragma once

#include <string>
#include <string_view>

#include "core/Tvx_String.h"

// Writes `bytes` to `path` atomically; false (old file untouched, no temporary left) on failure.
bool atomicWriteFile(const Tvx_String& path, std::string_view bytes);

// Reads the whole file; false when it cannot be opened or read, or exceeds maxBytes.
bool readFileBytes(const Tvx_String& path, std::string& bytes,
                   std::size_t maxBytes = std::size_t{1} << 30);
