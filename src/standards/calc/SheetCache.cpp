// SheetCache.cpp - parsed standards sheets kept per file while the file stays the same.
#include "standards/calc/SheetCache.h"

#include <sys/stat.h>
#include <time.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

#include "core/Paths.h"
#include "grid/AtomicFile.h"
#include "grid/Grid.h"
#include "standards/calc/CalcPlan.h"

namespace {

// Sheets kept at most, and cells kept at most over all of them; the sheet used longest ago
// goes first. A sheet bigger than the whole allowance is used without being kept.
constexpr std::size_t kMaxKeptSheets = 32;
constexpr std::size_t kMaxKeptCells = 500'000;
// A file changed this recently may change again within the file system's time resolution
// without its time or size showing it: such a version is checked by its contents.
constexpr std::int64_t kRacySeconds = 2;

// What tells one version of a file from another: an atomic rewrite makes a new file, any
// write changes the modification time.
struct FileVersion {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    bool operator==(const FileVersion&) const = default;
};

bool regularFileVersion(const std::string& path, FileVersion& version) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    version.device = static_cast<std::uint64_t>(info.st_dev);
    version.inode = static_cast<std::uint64_t>(info.st_ino);
    version.size = static_cast<std::int64_t>(info.st_size);
    version.modifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    version.modifiedNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    return true;
}

bool isRacy(const FileVersion& version) {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) - version.modifiedSeconds < kRacySeconds;
}

struct KeptSheet {
    FileVersion version;
    std::string racyBytes;  // the file's contents while its version is racy
    bool racy = false;
    std::shared_ptr<OvCalcPlan> plan;  // holds the sheet
    std::uint64_t lastUse = 0;
};

class SheetCache {
  public:
    // The kept sheet of this file version, loading it when needed; null when it cannot be
    // loaded.
    std::shared_ptr<const KeptSheet> get(const std::string& path) {
        FileVersion version;
        if (!regularFileVersion(path, version)) {
            return nullptr;
        }
        {
            std::lock_guard lock(mutex_);
            auto found = sheets_.find(path);
            if (found != sheets_.end() && found->second->version == version &&
                stillSame(*found->second, path)) {
                found->second->lastUse = ++useCounter_;
                return found->second;
            }
        }
        std::string bytes;
        if (!ovgrid::readWholeFile(path, bytes, nullptr)) {
            return nullptr;
        }
        auto loaded = std::make_shared<ovgrid::Grid>();
        if (!loaded->loadFromMemory(bytes)) {
            return nullptr;
        }
        auto kept = std::make_shared<KeptSheet>();
        kept->version = version;
        kept->plan = std::make_shared<OvCalcPlan>(std::move(loaded));
        kept->racy = isRacy(version);
        if (kept->racy) {
            kept->racyBytes = std::move(bytes);
        }
        const std::size_t cells = kept->plan->sheet()->cells().size();
        if (cells > kMaxKeptCells) {
            return kept;
        }
        std::lock_guard lock(mutex_);
        kept->lastUse = ++useCounter_;
        sheets_.erase(path);
        while (!sheets_.empty() &&
               (sheets_.size() >= kMaxKeptSheets || keptCells() + cells > kMaxKeptCells)) {
            dropLeastRecent();
        }
        sheets_[path] = kept;
        return kept;
    }

    void clear() {
        std::lock_guard lock(mutex_);
        sheets_.clear();
    }

  private:
    // Whether a kept sheet whose file shows the same version really is the same; called
    // under the lock.
    static bool stillSame(KeptSheet& kept, const std::string& path) {
        if (!kept.racy) {
            return true;
        }
        std::string bytes;
        if (!ovgrid::readWholeFile(path, bytes, nullptr) || bytes != kept.racyBytes) {
            return false;
        }
        if (!isRacy(kept.version)) {
            kept.racy = false;
            kept.racyBytes.clear();
        }
        return true;
    }

    std::size_t keptCells() const {
        std::size_t total = 0;
        for (const auto& [path, kept] : sheets_) {
            total += kept->plan->sheet()->cells().size();
        }
        return total;
    }

    void dropLeastRecent() {
        auto oldest = sheets_.begin();
        for (auto it = sheets_.begin(); it != sheets_.end(); ++it) {
            if (it->second->lastUse < oldest->second->lastUse) {
                oldest = it;
            }
        }
        if (oldest != sheets_.end()) {
            sheets_.erase(oldest);
        }
    }

    std::mutex mutex_;
    std::unordered_map<std::string, std::shared_ptr<KeptSheet>> sheets_;
    std::uint64_t useCounter_ = 0;
};

SheetCache& sheetCache() {
    static SheetCache cache;
    return cache;
}

}  // namespace

std::shared_ptr<OvCalcPlan> keptSheet(const Tvx_String& path) {
    const auto kept = sheetCache().get(toFileSystemPath(path).string());
    return kept ? kept->plan : nullptr;
}

void clearSheetCache() {
    sheetCache().clear();
}
