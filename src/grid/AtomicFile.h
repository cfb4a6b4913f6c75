// AtomicFile.h - writing a whole file so that readers see either the old or the new
// contents, never a half-written file: a temporary file in the same folder, flushed to
// disk, then renamed over the target.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ovgrid {

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::wstring* error);
// The whole file; false with a reason when it cannot be read.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes, std::wstring* error);

}  // namespace ovgrid
