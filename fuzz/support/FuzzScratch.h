// FuzzScratch.h - what the file-based fuzz targets share: a scratch folder of their own for the
// process, the input written there as a file, and the input as lines.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "core/TextFile.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

namespace fuzzsupport {

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Made once per process and left behind on purpose: libFuzzer ends the process with exit().
inline const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ovss-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::abort();
        }
        return std::filesystem::path(pattern);
    }();
    return folder;
}

// Writes `bytes` to `relative` under the scratch folder and gives the file's path.
inline Tvx_String writeScratchFile(const std::string& relative, std::string_view bytes) {
    const std::filesystem::path path = scratchFolder() / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return Tvx_String(path.wstring());
}

inline Tvx_StringArray linesOf(std::string_view bytes) {
    return splitLines(Tvx_String::fromUtf8(bytes));
}

}  // namespace fuzzsupport
