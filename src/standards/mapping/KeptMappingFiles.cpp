// KeptMappingFiles.cpp - decoded mapping files kept per file version.
#include "standards/mapping/KeptMappingFiles.h"

#include <string>

#include "base/Utf8.h"
#include "core/KeptFiles.h"
#include "core/TextFile.h"

namespace {

// Files kept at most, and lines kept at most over all of them.
constexpr std::size_t kMaxKeptFiles = 32;
constexpr std::size_t kMaxKeptLines = 200'000;

KeptFiles<const KeptMappingFile>& mappingFiles() {
    static KeptFiles<const KeptMappingFile> files(
        kMaxKeptFiles, kMaxKeptLines, [](const KeptMappingFile& file) {
            return static_cast<std::size_t>(file.lines().length());
        });
    return files;
}

}  // namespace

bool KeptMappingFile::checkedSound(const Tvx_String& key) const {
    std::lock_guard lock(mutex_);
    return sound_.count(key.wstr()) != 0;
}

void KeptMappingFile::setCheckedSound(const Tvx_String& key) const {
    std::lock_guard lock(mutex_);
    if (sound_.size() >= kMaxKeys) {
        sound_.clear();
    }
    sound_[key.wstr()] = true;
}

std::shared_ptr<const KeptMappingFile> keptMappingFile(const Tvx_String& path) {
    return mappingFiles().get(
        path, [](const std::string& bytes) -> std::shared_ptr<const KeptMappingFile> {
            if (bytes.find('\0') != std::string::npos) {
                return nullptr;
            }
            return std::make_shared<const KeptMappingFile>(
                splitLines(Tvx_String(ovbase::decodeTextFile(bytes))));
        });
}
