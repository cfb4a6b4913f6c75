// ovss: the command-line tool of the spreadsheet engine (runs without a display).
#include <CLI/CLI.hpp>

#include "Command.h"
#include "frame/EngineStartup.h"

int main(int argc, char** argv) {
    startEngine();
    CLI::App app{"ovss - connection standards and spreadsheet engine"};
    app.require_subcommand(1, 1);
    int exitCode = ovcli::kExitOk;
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
