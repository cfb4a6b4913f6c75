// AtomicFile.h - the base layer's whole-file reading and atomic writing (base/AtomicFile.h) for
// paths written as the application writes them (Tvx_String, backslashes allowed).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/Tvx_String.h"

// Writes `bytes` to `path` atomically; false (old file untouched, no temporary left, `error` set
// to the file and the system's reason when given) on failure.
bool atomicWriteFile(const Tvx_String& path, std::string_view bytes, Tvx_String* error = nullptr);

// Reads the whole file; false when it cannot be opened or read, or exceeds maxBytes.
bool readFileBytes(const Tvx_String& path, std::string& bytes,
                   std::size_t maxBytes = std::size_t{1} << 30);
