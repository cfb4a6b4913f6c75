// KeptFiles.cpp - file stamps and reading for the kept-files template.
#include "core/KeptFiles.h"

#include <sys/stat.h>
#include <time.h>

#include "core/AtomicFile.h"
#include "core/Paths.h"

namespace {

// How long after a change a file's stamp is not trusted alone.
constexpr std::int64_t kYoungSeconds = 2;

}  // namespace

bool readFileStamp(const std::filesystem::path& path, FileStamp& stamp) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    stamp.device = static_cast<std::uint64_t>(info.st_dev);
    stamp.inode = static_cast<std::uint64_t>(info.st_ino);
    stamp.size = static_cast<std::int64_t>(info.st_size);
    stamp.modifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    stamp.modifiedNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    return true;
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
