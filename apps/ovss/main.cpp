// ovss: the command-line tool of the spreadsheet engine (runs without a display).
#include <CLI/CLI.hpp>

#include <iostream>

#include "Command.h"
#include "base/HeapSettings.h"
#include "core/UserFolders.h"
#include "frame/EngineStartup.h"

int main(int argc, char** argv) {
    ovbase::keepHeapForReuse();
    startEngine();
    CLI::App app{"ovss - connection standards and spreadsheet engine"};
    app.require_subcommand(1, 1);
    int exitCode = ovcli::kExitOk;
    // The first run makes the user's copy of the sample library; without it the bundled one is
    // read (and must not be written).
    Tvx_String folderError;
    if (!installUserFolders(&folderError)) {
        std::cerr << "ovss: " << folderError.toUtf8() << "\n";
    }
    ovcli::addInfoCommand(app, exitCode);
    ovcli::addTemplateCommand(app, exitCode);
    ovcli::addRegistryCommand(app, exitCode);
    ovcli::addConvertCommand(app, exitCode);
    ovcli::addEvalCommand(app, exitCode);
    ovcli::addReadCommand(app, exitCode);
    ovcli::addProfCommand(app, exitCode);
    ovcli::addBillCommand(app, exitCode);
    ovcli::addCalcCommand(app, exitCode);
    ovcli::addLintCommand(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int rc = app.exit(e);
        return rc == 0 ? 0 : ovcli::kExitBadInput;
    }
    return exitCode;
}
