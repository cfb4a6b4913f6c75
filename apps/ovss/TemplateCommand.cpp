// `ovss template list|controls`: the designer templates of a library and the variable names of
// one template.
#include <fmt/core.h>

#include <memory>
#include <string>

#include "Command.h"
#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/Tvx_Settings.h"
#include "designer/DesignerTemplates.h"
#include "designer/Tvx_DlgDesignerData.h"

namespace ovcli {

namespace {

// A path as the user's system writes it, for messages.
std::string systemPath(const Tvx_String& path) {
    return toFileSystemPath(path).string();
}

struct TemplateOptions {
    std::string lib;
    std::string file;
};

// Applies --lib; false (with the message printed) when the folder does not exist.
bool useLibrary(const std::string& lib) {
    if (lib.empty()) {
        return true;
    }
    const Tvx_String folder = Tvx_String::fromUtf8(lib);
    if (!folderExists(folder)) {
        fmt::print(stderr, "ovss: the library folder does not exist: {}\n", lib);
        return false;
    }
    gSettings.libDir = Tvx_Settings::normalizeFolder(folder);
    return true;
}

int listTemplates(const TemplateOptions& options) {
    if (!useLibrary(options.lib)) {
        return kExitBadInput;
    }
    Tvx_StringArray names;
    if (!getModuleImages(names)) {
        fmt::print(stderr, "ovss: the library has no designer folder: {}\n",
                   systemPath(getDesignerRootFolder()));
        return kExitFailed;
    }
    for (const Tvx_String& name : names) {
        fmt::print("{}\n", name.toUtf8());
    }
    return kExitOk;
}

int listControls(const TemplateOptions& options) {
    if (!useLibrary(options.lib)) {
        return kExitBadInput;
    }
    // A file path, or else a template name below the designer folder.
    Tvx_String path = Tvx_String::fromUtf8(options.file);
    if (!fileExists(path) && fileExists(getFileFromName(path))) {
        path = getFileFromName(path);
    }
    Tvx_DlgDesignerData data;
    if (!data.readFromFile(path, false)) {
        fmt::print(stderr, "ovss: {}\n", data.lastError().toUtf8());
        return kExitBadInput;
    }
    Tvx_StringArray names;
    data.getAllCtrlNames(names);
    for (const Tvx_String& name : names) {
        fmt::print("{}\n", name.toUtf8());
    }
    return kExitOk;
}

}  // namespace

void addTemplateCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<TemplateOptions>();
    auto* cmd = app.add_subcommand("template", "Designer templates of the library");
    cmd->require_subcommand(1, 1);

    auto* list = cmd->add_subcommand("list", "List the designer templates by name");
    list->add_option("--lib", options->lib, "Library folder (default: the configured one)");
    list->callback([options, &exitCode] { exitCode = listTemplates(*options); });

    auto* controls =
        cmd->add_subcommand("controls", "List the variable names of a template's edit controls");
    controls->add_option("FILE", options->file, "Template file, or a template name")->required();
    controls->add_option("--lib", options->lib, "Library folder (default: the configured one)");
    controls->callback([options, &exitCode] { exitCode = listControls(*options); });
}

}  // namespace ovcli
