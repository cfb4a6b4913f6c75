// `ovss eval SHEET [CELL...] [--set CELL=VALUE...] [--timings]`: recalculates a sheet,
// applies what-if changes and prints cell values (and the time of each phase).
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
    auto options = std::make_shared<ovsheet::EvalOptions>();
    cmd->add_option("CELL", *cells, "Cells to print, e.g. B3 (default: every non-empty cell)");
    cmd->add_option("--set", options->changes,
                    "Change a cell after loading, e.g. B3=12.5 or C1==A1*2 (repeatable, in order)")
        ->allow_extra_args(false)
        ->take_all();
    cmd->add_flag("--timings", options->timings,
                  "Print the time of each phase (load, calculate, each change, print) on stderr");
    cmd->callback([&exitCode, sheet, cells, options] {
        options->abandonGrid = true;  // the process ends right after
        exitCode = ovsheet::evalSheet(*sheet, *cells, std::cout, std::cerr, *options);
    });
}

}  // namespace ovcli
