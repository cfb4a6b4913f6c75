// FileLookupScope.cpp - the lookups of the open scope, per thread.
#include "core/FileLookupScope.h"

#include <optional>
#include <string>
#include <unordered_map>

#include <sys/stat.h>

namespace {

struct Lookups {
    int depth = 0;
    std::unordered_map<std::string, std::optional<FileStamp>> stamps;
};

thread_local Lookups tLookups;

bool statFile(const std::filesystem::path& path, FileStamp& stamp) {
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

}  // namespace

FileLookupScope::FileLookupScope() {
    ++tLookups.depth;
}

FileLookupScope::~FileLookupScope() {
    if (--tLookups.depth == 0) {
        tLookups.stamps.clear();
    }
}

bool lookUpFileStamp(const std::filesystem::path& path, FileStamp& stamp) {
    if (tLookups.depth == 0) {
        return statFile(path, stamp);
    }
    auto [entry, added] = tLookups.stamps.try_emplace(path.native());
    if (added) {
        FileStamp found;
        if (statFile(path, found)) {
            entry->second = found;
        }
    }
    if (!entry->second) {
        return false;
    }
    stamp = *entry->second;
    return true;
}

void forgetFileLookups() {
    tLookups.stamps.clear();
}
