// `ovss prof`: profile tables of the library on the command line.
//   ovss prof show NAME [--lib DIR]                          the table as TSV on stdout
//   ovss prof import TABLE.tsv NAME [--shape S] [--lib DIR]  writes NAME.pr (atomically)
#include <fmt/core.h>

#include <cstdio>

#include "Command.h"
#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/TextFile.h"
#include "core/Tvx_Settings.h"
#include "core/sections/ProfileFile.h"
#include "seclib/ProfTableTsv.h"
#include "seclib/Tvx_ProfValuesTable.h"

namespace ovcli {

namespace {

struct ProfOptions {
    std::string name;
    std::string lib;
    std::string tsvPath;
    std::string shape;
};

// A path as the user's system writes it.
std::string osPath(const Tvx_String& path) {
    return toFileSystemPath(path).string();
}

// ": " + the system's reason, when there is one.
std::string cause(const Tvx_String& reason) {
    return reason.isEmpty() ? std::string() : ": " + reason.toUtf8();
}

void printError(const std::string& message) {
    fmt::print(stderr, "ovss prof: {}\n", message);
}

// Points the settings at --lib when given; false (with a message) when the folder is missing.
bool useLibrary(const std::string& lib) {
    if (!lib.empty()) {
        gSettings.libDir = Tvx_Settings::normalizeFolder(Tvx_String::fromUtf8(lib));
    }
    if (!folderExists(gSettings.libDir)) {
        printError("library folder not found: " + osPath(gSettings.libDir));
        return false;
    }
    return true;
}

int runShow(const ProfOptions& options) {
    const Tvx_String name = Tvx_String::fromUtf8(options.name);
    if (!isValidProfileTableName(name)) {
        printError("invalid table name: " + options.name);
        return kExitBadInput;
    }
    if (!useLibrary(options.lib)) {
        return kExitBadInput;
    }
    Tvx_ProfValuesTable table;
    if (!table.readFromFile(name)) {
        const Tvx_String path = profileTablePath(gSettings.libDir, name);
        const Tvx_String reason = whyNotReadable(path);
        printError("cannot read profile table " + osPath(path) +
                   (reason.isEmpty() ? ": not a valid profile table" : cause(reason)));
        return kExitFailed;
    }
    fmt::print("{}", profTableToTsv(table).toUtf8());
    return kExitOk;
}

int runImport(const ProfOptions& options) {
    const Tvx_String name = Tvx_String::fromUtf8(options.name);
    if (!isValidProfileTableName(name)) {
        printError("invalid table name: " + options.name);
        return kExitBadInput;
    }
    if (!useLibrary(options.lib)) {
        return kExitBadInput;
    }
    Tvx_String text;
    if (!readTextFile(Tvx_String::fromUtf8(options.tsvPath), text)) {
        printError("cannot read " + options.tsvPath +
                   cause(whyNotReadable(Tvx_String::fromUtf8(options.tsvPath))));
        return kExitBadInput;
    }
    Tvx_ProfValuesTable table;
    // Without --shape an existing table keeps its shape; a new one has to be told.
    Tvx_ProfValuesTable existing;
    if (!options.shape.empty()) {
        table.shape = Tvx_String::fromUtf8(options.shape);
        if (!isValidProfileShape(table.shape)) {
            printError("invalid shape \"" + options.shape +
                       "\": give a shape number 1 to 24 or a drawing name ending in .dwg");
            return kExitBadInput;
        }
    } else if (existing.readFromFile(name) && isValidProfileShape(existing.shape)) {
        table.shape = existing.shape;
    } else {
        printError("the table " + options.name + " is new: give its shape with --shape");
        return kExitBadInput;
    }
    Tvx_String error;
    if (!profTableFromTsv(text, table, error)) {
        printError(options.tsvPath + ": " + error.toUtf8());
        return kExitBadInput;
    }
    table.typeName = name.endsWith(L".pr", true) ? name.left(name.length() - 3) : name;
    if (!table.writeToFile(name)) {
        const Tvx_String path = profileTablePath(gSettings.libDir, name);
        printError("cannot write " + osPath(path) + cause(whyNotWritable(path)));
        return kExitFailed;
    }
    fmt::print("{}: {} sections\n", osPath(profileTablePath(gSettings.libDir, name)),
               table.rows.length());
    return kExitOk;
}

}  // namespace

void addProfCommand(CLI::App& app, int& exitCode) {
    auto* prof = app.add_subcommand("prof", "Show or import the profile tables of the library");
    prof->require_subcommand(1, 1);
    // CLI11 writes into the options while parsing, after this function has returned.
    static ProfOptions options;

    auto* show = prof->add_subcommand("show", "Print a profile table as TSV");
    show->add_option("NAME", options.name, "Table name (IPE or IPE.pr)")->required();
    show->add_option("--lib", options.lib, "Library folder (default: the settings')");
    show->callback([&exitCode] { exitCode = runShow(options); });

    auto* import = prof->add_subcommand("import", "Write a profile table from a TSV file");
    import->add_option("TABLE", options.tsvPath, "TSV file: header, then one line per section")
        ->required();
    import->add_option("NAME", options.name, "Table name (IPE or IPE.pr)")->required();
    import->add_option("--shape", options.shape, "Shape number 1-24 or a drawing name (.dwg)");
    import->add_option("--lib", options.lib, "Library folder (default: the settings')");
    import->callback([&exitCode] { exitCode = runImport(options);
});
}  // namespace ovcli

}  // namespace ovcli
