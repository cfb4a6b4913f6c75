// KeptFiles.h - what was made of a file's contents, kept while the file stays the same. A
// file's stamp (device, inode, size, modification time) tells its versions apart; a file
// changed within the last two seconds could change again without its stamp showing it
// (the file system's clock is coarse), so while it is that young its contents are compared
// too. Reads and makes happen outside the lock; the last one in wins.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "core/Tvx_String.h"

struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of a regular file (or a link to one); false when there is none.
bool readFileStamp(const std::filesystem::path& path, FileStamp& stamp);
// Whether the file changed so recently that its stamp alone cannot be trusted.
bool isYoungStamp(const FileStamp& stamp);
// The whole file; false when it cannot be read.
bool readStampedBytes(const std::filesystem::path& path, std::string& bytes);

template <typename T>
class KeptFiles {
  public:
    // Made of a file's bytes; null when they are not what the file should hold.
    using Make = std::function<std::shared_ptr<T>(const std::string& bytes)>;
    // What an entry weighs against the allowance (cells, rows, ...).
    using Weigh = std::function<std::size_t(const T&)>;

    // At most `maxFiles` entries weighing `maxWeight` together; the one used longest ago
    // goes first, and a single file heavier than the allowance is made but not kept.
    KeptFiles(std::size_t maxFiles, std::size_t maxWeight, Weigh weigh)
        : maxFiles_(maxFiles), maxWeight_(maxWeight), weigh_(std::move(weigh)) {}

    // What `make` makes of the file's current contents; null when the file cannot be read
    // or `make` refuses it.
    std::shared_ptr<T> get(const Tvx_String& path, const Make& make);
    void clear() {
        std::lock_guard lock(mutex_);
        entries_.clear();
    }

  private:
    struct Entry {
        FileStamp stamp;
        std::string youngBytes;  // the contents while the stamp is young
        bool young = false;
        std::shared_ptr<T> value;
        std::size_t weight = 0;
        std::uint64_t lastUse = 0;
    };

    // Whether a kept entry whose file shows the same stamp still holds its contents.
    static bool stillSame(Entry& entry, const std::filesystem::path& path);
    void dropLeastRecent();

    const std::size_t maxFiles_;
    const std::size_t maxWeight_;
    const Weigh weigh_;
    std::mutex mutex_;
    std::unordered_map<std::string, Entry> entries_;
    std::size_t weight_ = 0;
    std::uint64_t useCounter_ = 0;
};

// The file-system form of an application path.
std::filesystem::path keptFilePath(const Tvx_String& path);

template <typename T>
std::shared_ptr<T> KeptFiles<T>::get(const Tvx_String& path, const Make& make) {
    const std::filesystem::path file = keptFilePath(path);
    const std::string key = file.string();
    FileStamp stamp;
    if (!readFileStamp(file, stamp)) {
        return nullptr;
    }
    {
        std::lock_guard lock(mutex_);
        auto found = entries_.find(key);
        if (found != entries_.end() && found->second.stamp == stamp &&
            stillSame(found->second, file)) {
            found->second.lastUse = ++useCounter_;
            return found->second.value;
        }
    }
    std::string bytes;
    if (!readStampedBytes(file, bytes)) {
        return nullptr;
    }
    std::shared_ptr<T> value = make(bytes);
    if (value == nullptr) {
        return nullptr;
    }
    const std::size_t weight = weigh_(*value);
    std::lock_guard lock(mutex_);
    if (auto old = entries_.find(key); old != entries_.end()) {
        weight_ -= old->second.weight;
        entries_.erase(old);
    }
    if (weight > maxWeight_) {
        return value;
    }
    while (!entries_.empty() && (entries_.size() >= maxFiles_ || weight_ + weight > maxWeight_)) {
        dropLeastRecent();
    }
    Entry& entry = entries_[key];
    entry.stamp = stamp;
    entry.young = isYoungStamp(stamp);
    if (entry.young) {
        entry.youngBytes = std::move(bytes);
    }
    entry.value = value;
    entry.weight = weight;
    entry.lastUse = ++useCounter_;
    weight_ += weight;
    return value;
}

template <typename T>
bool KeptFiles<T>::stillSame(Entry& entry, const std::filesystem::path& path) {
    if (!entry.young) {
        return true;
    }
    std::string bytes;
    if (!readStampedBytes(path, bytes) || bytes != entry.youngBytes) {
        return false;
    }
    if (!isYoungStamp(entry.stamp)) {
        entry.young = false;
        entry.youngBytes.clear();
    }
    return true;
}

template <typename T>
void KeptFiles<T>::dropLeastRecent() {
    auto oldest = entries_.begin();
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->second.lastUse < oldest->second.lastUse) {
            oldest = it;
        }
    }
    weight_ -= oldest->second.weight;
    entries_.erase(oldest);
}
