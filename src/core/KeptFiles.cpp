// KeptFiles.cpp - file stamps and reading for the kept-files template.
#include "core/KeptFiles.h"

#include <time.h>

#include "core/AtomicFile.h"
#include "core/FileLookupScope.h"
#include "core/Paths.h"

namespace {

// How long after a change a file's stamp is not trusted alone.
constexpr std::int64_t kYoungSeconds = 2;

}  // namespace

bool readFileStamp(const std::filesystem::path& path, FileStamp& stamp) {
    return lookUpFileStamp(path, stamp);
}

bool isYoungStamp(const FileStamp& stamp) {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) - stamp.modifiedSeconds < kYoungSeconds;
}

bool readStampedBytes(const std::filesystem::path& path, std::string& bytes) {
    return readFileBytes(fromFileSystemPath(path), bytes);
}

std::filesystem::path keptFilePath(const Tvx_String& path) {
    return toFileSystemPath(path);
}
