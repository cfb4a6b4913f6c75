// `ovss read SHEET`: the column headers and every row as shown, tab-separated.
#include <iostream>
#include <memory>
#include <string>

#include "Command.h"
#include "spread/SheetCommands.h"

namespace ovcli {

void addReadCommand(CLI::App& app, int& exitCode) {
    auto* cmd = app.add_subcommand("read", "Print a sheet's headers and rows as TSV");
    auto sheet = std::make_shared<std::string>();
    cmd->add_option("SHEET", *sheet, "Sheet file (.ovs, .csv, .tsv)")->required();
    cmd->callback(
        [&exitCode, sheet] { exitCode = ovsheet::readSheet(*sheet, std::cout, std::cerr); });
}

}  // namespace ovcli
