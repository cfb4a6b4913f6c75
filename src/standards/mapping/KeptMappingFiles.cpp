// KeptMappingFiles.cpp - decoded mapping files kept per file version.
#include "standards/mapping/KeptMappingFiles.h"

#include <string>

#include "base/Utf8.h"
#include "core/KeptFiles.h"
#include "core/StringHelpers.h"
#include "core/TextFile.h"

namespace {

// Files kept at most, and lines kept at most over all of them.
constexpr std::size_t kMaxKeptFiles = 32;
constexpr std::size_t kMaxKeptLines = 200'000;

KeptFiles<const Tvx_StringArray>& mappingFiles() {
    static KeptFiles<const Tvx_StringArray> files(
        kMaxKeptFiles, kMaxKeptLines,
        [](const Tvx_StringArray& lines) { return static_cast<std::size_t>(lines.length()); });
    return files;
}

}  // namespace

std::shared_ptr<const Tvx_StringArray> keptMappingFileLines(const Tvx_String& path) {
    return mappingFiles().get(
        path, [](const std::string& bytes) -> std::shared_ptr<const Tvx_StringArray> {
            if (bytes.find('\0') != std::string::npos) {
                return nullptr;
            }
            return std::make_shared<const Tvx_StringArray>(
                splitLines(Tvx_String(ovbase::decodeTextFile(bytes))));
        });
}
