// Tvx_Settings.cpp - settings defaults from the environment.
#include "core/Tvx_Settings.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/Paths.h"
#include "core/UserFolders.h"

#ifndef OVSS_BUNDLED_LIBRARY
#define OVSS_BUNDLED_LIBRARY "library/"
#endif

namespace {
Tvx_String fromEnvironmentOr(const char* name, const Tvx_String& fallback) {
    const char* value = std::getenv(name);
    return (value && *value) ? Tvx_String::fromUtf8(value) : fallback;
}
}  // namespace

Tvx_Settings gSettings = Tvx_Settings::fromEnvironment();

Tvx_String Tvx_Settings::bundledLibraryFolder() {
    return normalizeFolder(Tvx_String::fromUtf8(OVSS_BUNDLED_LIBRARY));
}

Tvx_String Tvx_Settings::normalizeFolder(const Tvx_String& folder) {
    return withTrailingSeparator(toBackslashes(folder));
}

Tvx_Settings Tvx_Settings::fromEnvironment() {
    Tvx_Settings settings;
    const Tvx_String bundled = bundledLibraryFolder();
    // The user's copy of the library once the first run has made it (installUserFolders); the
    // bundled sample library, read-only, until then.
    const Tvx_String user = userLibraryFolder();
    std::error_code ec;
    const bool userLibrary =
        !user.isEmpty() && std::filesystem::is_directory(toFileSystemPath(user), ec);
    settings.libDir =
        normalizeFolder(fromEnvironmentOr("OVSS_LIBDIR", userLibrary ? user : bundled));
    settings.tvxDir = normalizeFolder(fromEnvironmentOr("OVSS_APPDIR", bundled));
    return settings;
}

void Tvx_Settings::resetForTests(const Tvx_String& libFolder, const Tvx_String& appFolder) {
    *this = Tvx_Settings();
    libDir = normalizeFolder(libFolder);
    tvxDir = normalizeFolder(appFolder);
}
