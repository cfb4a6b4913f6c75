// KeptMappingFiles.h - mapping files kept while each file stays the same. Every macro
// calculation reads its sheet's mapping file (for its binding, then to check it), so each
// version of a file is read and decoded once, and the binding read for a key is parsed once.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "host/ErrorStatus.h"
#include "standards/mapping/OvObjectMap.h"

// What reading the objects of one key from one version of a mapping file gives: the result,
// and whether the object list is replaced by `objects` (an empty file, a missing key or a line
// without "=" leave the list as it was).
struct MappingRead {
    Acad::ErrorStatus status = Acad::eInvalidInput;
    bool replaces = false;
    Tvx_Array<OvObjectMap> objects;
};

// One version of a mapping file: its lines (header included) and what was read from them.
class KeptMappingFile {
  public:
    explicit KeptMappingFile(Tvx_StringArray lines) : lines_(std::move(lines)) {}

    const Tvx_StringArray& lines() const { return lines_; }

    // The read for `key` (keys compare exactly), made by `make` the first time.
    template <typename Make>
    std::shared_ptr<const MappingRead> readFor(const Tvx_String& key, Make make) const;

    // Whether the line of `key` was found sound (every entry parses) in this version.
    bool checkedSound(const Tvx_String& key) const;
    void setCheckedSound(const Tvx_String& key) const;

  private:
    // Keys remembered at most per version; callers may ask for any text.
    static constexpr std::size_t kMaxKeys = 1024;

    const Tvx_StringArray lines_;
    mutable std::mutex mutex_;
    mutable std::unordered_map<std::wstring, std::shared_ptr<const MappingRead>> reads_;
    mutable std::unordered_map<std::wstring, bool> sound_;
};

// The current version of the file at `path`; null when the file is missing or unreadable, or
// holds a NUL byte (not a text file: the callers' own reading explains or tolerates that).
std::shared_ptr<const KeptMappingFile> keptMappingFile(const Tvx_String& path);

template <typename Make>
std::shared_ptr<const MappingRead> KeptMappingFile::readFor(const Tvx_String& key,
                                                            Make make) const {
    {
        std::lock_guard lock(mutex_);
        if (const auto found = reads_.find(key.wstr()); found != reads_.end()) {
            return found->second;
        }
    }
    auto read = std::make_shared<const MappingRead>(make());
    std::lock_guard lock(mutex_);
    if (reads_.size() >= kMaxKeys) {
        reads_.clear();
    }
    reads_[key.wstr()] = read;
    return read;
}
