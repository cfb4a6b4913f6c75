// ComModuleFolder.cpp - the module folder setting with the running program's folder as default.
#include "registry/ComModuleFolder.h"

#include <filesystem>
#include <system_error>

#include "core/Paths.h"
#include "core/Tvx_Settings.h"
#include "registry/ComIdentifiers.h"

namespace {

Tvx_String& configuredFolder() {
    static Tvx_String folder;
    return folder;
}

Tvx_String runningProgramFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) {
        return Tvx_String();
    }
    return getFolder(fromFileSystemPath(exe));
}

}  // namespace

void setComModuleFolder(const Tvx_String& folder) {
    if (folder.isEmpty()) {
        configuredFolder().empty();
        return;
    }
    // Registered paths must not depend on the working folder of whoever registers.
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(toFileSystemPath(folder), ec);
    configuredFolder() = Tvx_Settings::normalizeFolder(ec ? folder : fromFileSystemPath(absolute));
}

Tvx_String comModuleFolder() {
    if (!configuredFolder().isEmpty()) {
        return configuredFolder();
    }
    return runningProgramFolder();
}

Tvx_String comModulePath() {
    const Tvx_String folder = comModuleFolder();
    return folder.isEmpty() ? Tvx_String() : folder + kComModuleFileName;
}
