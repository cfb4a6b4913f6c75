// Tvx_Settings.cpp - settings defaults from the environment.
#include "core/Tvx_Settings.h"

#include <cstdlib>

#include "core/Paths.h"

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
    settings.libDir = normalizeFolder(fromEnvironmentOr("OVSS_LIBDIR", bundled));
    settings.tvxDir = normalizeFolder(fromEnvironmentOr("OVSS_APPDIR", bundled));
    return settings;
}

void Tvx_Settings::resetForTests(const Tvx_String& libFolder, const Tvx_String& appFolder) {
    *this = Tvx_Settings();
    libDir = normalizeFolder(libFolder);
    tvxDir = normalizeFolder(appFolder);
}
