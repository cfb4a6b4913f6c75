// UserFolders.cpp - the user's data and configuration folders and the first-run library copy.
#include "core/UserFolders.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/Paths.h"
#include "core/Tvx_Settings.h"

namespace {

bool environmentSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

Tvx_String xdgFolder(const char* variable, const char* homeRelative) {
    if (environmentSet(variable)) {
        return Tvx_Settings::normalizeFolder(Tvx_String::fromUtf8(std::getenv(variable)) +
                                             L"/ovss");
    }
    if (environmentSet("HOME")) {
        return Tvx_Settings::normalizeFolder(Tvx_String::fromUtf8(std::getenv("HOME")) + L"/" +
                                             Tvx_String::fromUtf8(homeRelative) + L"/ovss");
    }
    return {};
}

// Copies the bundled library into `target` through a temporary sibling folder, so that an
// interrupted copy never leaves a half library that later runs would take for the real one.
bool copyLibrary(const std::filesystem::path& source, const std::filesystem::path& target,
                 Tvx_String* error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    const fs::path temporary =
        target.parent_path() / (".library-" + std::to_string(static_cast<long>(::getpid())));
    fs::remove_all(temporary, ec);
    ec.clear();
    fs::copy(source, temporary, fs::copy_options::recursive, ec);
    if (!ec) {
        fs::rename(temporary, target, ec);
    }
    if (ec) {
        std::error_code ignored;
        fs::remove_all(temporary, ignored);
        if (fs::is_directory(target, ignored)) {
            return true;  // another program made it meanwhile
        }
        if (error != nullptr) {
            *error = Tvx_String::fromUtf8("cannot copy the sample library to " + target.string() +
                                          ": " + ec.message());
        }
        return false;
    }
    return true;
}

}  // namespace

Tvx_String userDataFolder() {
    return xdgFolder("XDG_DATA_HOME", ".local/share");
}

Tvx_String userConfigFolder() {
    return xdgFolder("XDG_CONFIG_HOME", ".config");
}

Tvx_String userLibraryFolder() {
    const Tvx_String data = userDataFolder();
    return data.isEmpty() ? Tvx_String() : data + L"library\\";
}

bool installUserFolders(Tvx_String* error) {
    bool ok = true;
    std::error_code ec;
    // Folders a program (or a test) has set itself are left as they are.
    const Tvx_String bundled = Tvx_Settings::bundledLibraryFolder();
    if (!environmentSet("OVSS_LIBDIR") && gSettings.libDir == bundled) {
        const Tvx_String library = userLibraryFolder();
        if (library.isEmpty()) {
            if (error != nullptr) {
                *error =
                    L"neither $XDG_DATA_HOME nor $HOME is set: no folder for the user's library";
            }
            ok = false;
        } else {
            const std::filesystem::path target = toFileSystemPath(library).parent_path();
            if (!std::filesystem::is_directory(target, ec)) {
                ok = copyLibrary(
                    toFileSystemPath(Tvx_Settings::bundledLibraryFolder()).parent_path(), target,
                    error);
            }
            if (ok) {
                gSettings.libDir = library;
            }
        }
    }
    if (!environmentSet("OVSS_APPDIR") && gSettings.tvxDir == bundled) {
        const Tvx_String config = userConfigFolder();
        if (!config.isEmpty()) {
            std::filesystem::create_directories(toFileSystemPath(config), ec);
            if (!ec) {
                gSettings.tvxDir = config;
            }
        }
    }
    return ok;
}
