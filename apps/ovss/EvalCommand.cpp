// `ovss eval SHEET [CELL...]`: recalculates a sheet and prints cell values.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Command.h"
#include "spread/SheetCommands.h"

namespace ovcli {

void addEvalCommand(CLI::App& app, int& exitCode) {
    auto* cmd = app.add_subcommand(
        "eval", "Recalculate a sheet and print CELL<TAB>value for non-empty or named cells");
    auto sheet = std::make_shared<std::string>();
    auto cells = std::make_shared<std::vector<std::string>>();
    cmd->add_option("SHEET", *sheet, "Sheet file (.ovs, .csv, .tsv)")->required();
    cmd->add_option("CELL", *cells, "Cells to print, e.g. B3 (default: every non-empty cell)");
    cmd->callback([&exitCode, sheet, cells] {
        exitCode = ovsheet::evalSheet(*sheet, *cells, std::cout, std::cerr);
    });
}

}  // namespace ovcli
