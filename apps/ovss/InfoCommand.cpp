// `ovss info`: where the tool finds its library and application folders and texts.
#include <fmt/core.h>

#include "Command.h"
#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/Tvx_Settings.h"

namespace ovcli {

void addInfoCommand(CLI::App& app, int& exitCode) {
    auto* cmd = app.add_subcommand("info", "Show the library and application folders in use");
    cmd->callback([&exitCode] {
        const Tvx_String& lib = gSettings.libDir;
        fmt::print("ovss {}\n", OVSS_VERSION);
        fmt::print("library folder:     {}{}\n", shownPath(lib).toUtf8(),
                   folderExists(lib) ? "" : "  (missing)");
        fmt::print("application folder: {}\n", shownPath(gSettings.tvxDir).toUtf8());
        fmt::print("language:           {}\n", gSettings.workLanguage.toUtf8());
        exitCode = folderExists(lib) ? kExitOk : kExitFailed;
    });
}

}  // namespace ovcli
