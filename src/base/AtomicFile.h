// AtomicFile.h - whole-file reading, and the one atomic writer every file of the module goes
// through: the bytes go to a temporary file in the target's folder, are flushed to disk, the
// temporary file is renamed over the target and the folder is flushed, so that readers see
// either the old or the new contents and a crash or a full disk never leaves a half-written file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace ovbase {

// Writes `bytes` to `path`. A file that is replaced keeps its permissions; a new file gets
// 0666 less the umask. A symbolic link is followed: the file it points to is replaced. On failure
// returns false, leaves the old file and no temporary file behind, and sets `error` (when given)
// to a text naming the file and the system's reason.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::wstring* error = nullptr);

// Reads the whole regular file at `path`; false with a reason (when `error` is given) when it is
// missing, no regular file, unreadable or larger than maxBytes. The string's buffer has room
// for kReadAheadRoom bytes past the end, which a parser that reads ahead uses in place.
inline constexpr std::size_t kReadAheadRoom = 64;
bool readWholeFile(const std::filesystem::path& path, std::string& bytes,
                   std::wstring* error = nullptr, std::size_t maxBytes = std::size_t{1} << 30);

}  // namespace ovbase
