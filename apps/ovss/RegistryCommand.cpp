// `ovss registry register|cleanup|print`: the COM module's registration in the registry store.
#include <fmt/core.h>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "Command.h"
#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/Registry.h"
#include "core/UserFolders.h"
#include "registry/ComModuleFolder.h"
#include "registry/SSRegistry.h"

namespace ovcli {

namespace {

// A path as the user's system writes it, for messages.
std::string systemPath(const Tvx_String& path) {
    return toFileSystemPath(path).string();
}

// Applies --module-dir; false (with the message printed) when the folder does not exist.
bool useModuleFolder(const std::string& folder) {
    if (folder.empty()) {
        return true;
    }
    if (!folderExists(Tvx_String::fromUtf8(folder))) {
        fmt::print(stderr, "ovss: the module folder does not exist: {}\n", folder);
        return false;
    }
    setComModuleFolder(Tvx_String::fromUtf8(folder));
    return true;
}

bool useUserDataFolder() {
    const Tvx_String folder = userDataFolder();
    std::error_code ec;
    if (folder.isEmpty() ||
        (std::filesystem::create_directories(toFileSystemPath(folder), ec), ec)) {
        fmt::print(stderr, "ovss: no user data folder for RegistryIDs.dat{}{}\n",
                   folder.isEmpty() ? "" : ": ", ec ? ec.message() : "");
        return false;
    }
    setComModuleFolder(folder);
    return true;
}

void reportStoreProblem() {
    if (!OvRegistry::persistent()) {
        fmt::print(stderr, "ovss: {}\n", OvRegistry::lastError().toUtf8());
    }
}

int registerModule() {
    if (!fileExists(comModulePath())) {
        fmt::print(stderr, "ovss: the COM module was not found: {}\n", systemPath(comModulePath()));
        return kExitFailed;
    }
    if (SSregisterOpmCLSIDs() != Acad::eOk) {
        fmt::print(stderr, "ovss: the registration is incomplete\n");
        reportStoreProblem();
        return kExitFailed;
    }
    fmt::print("registered {} in {}\n", systemPath(comModulePath()),
               OvRegistry::storePath().toUtf8());
    return kExitOk;
}

int cleanupModule() {
    if (SScleanupComRegistry() != Acad::eOk) {
        fmt::print(stderr, "ovss: the registration could not be removed completely\n");
        reportStoreProblem();
        return kExitFailed;
    }
    fmt::print("removed the registration from {}\n", OvRegistry::storePath().toUtf8());
    return kExitOk;
}

int printIdentifiers() {
    const Acad::ErrorStatus status = SSprintCLSIDs();
    fmt::print("\n");  // the declarations start, but do not end, with a line break
    const std::string file = systemPath(comModuleFolder() + L"RegistryIDs.dat");
    if (status != Acad::eOk) {
        const Tvx_String reason = whyNotWritable(comModuleFolder() + L"RegistryIDs.dat");
        fmt::print(stderr, "ovss: cannot write {}{}{}\n", file, reason.isEmpty() ? "" : ": ",
                   reason.toUtf8());
        return kExitFailed;
    }
    fmt::print("identifiers written to {}\n", file);
    return kExitOk;
}

}  // namespace

void addRegistryCommand(CLI::App& app, int& exitCode) {
    auto moduleFolder = std::make_shared<std::string>();
    auto* cmd = app.add_subcommand("registry", "Registration of the COM module's classes");
    cmd->require_subcommand(1, 1);
    cmd->add_option("--module-dir", *moduleFolder,
                    "Folder of the module and its COM module (default: the program's folder)");

    const struct {
        const char* name;
        const char* help;
        int (*run)();
    } actions[] = {
        {"register", "Register the type library, classes and interfaces", registerModule},
        {"cleanup", "Remove the registration", cleanupModule},
        {"print", "Print the class identifiers and write RegistryIDs.dat", printIdentifiers},
    };
    for (const auto& action : actions) {
        auto* sub = cmd->add_subcommand(action.name, action.help);
        const bool listing = std::string(action.name) == "print";
        sub->callback([moduleFolder, run = action.run, listing, &exitCode] {
            // The listing is user data: without --module-dir it goes to the user's data
            // folder, never into the program's folder.
            if (listing && moduleFolder->empty() && !useUserDataFolder()) {
                exitCode = kExitFailed;
                return;
            }
            exitCode = useModuleFolder(*moduleFolder) ? run() : kExitBadInput;
        });
    }
}

}  // namespace ovcli
