// `ovss lint SHEET`: reports what would go wrong when a standards sheet is calculated.
#include <iostream>
#include <memory>
#include <string>

#include "Command.h"
#include "standards/calc/CalcCommands.h"

namespace ovcli {

void addLintCommand(CLI::App& app, int& exitCode) {
    auto* cmd = app.add_subcommand(
        "lint",
        "Check a standards sheet: missing areas, duplicate names, failing equations, unknown "
        "names (exit 1 when any is found)");
    auto sheet = std::make_shared<std::string>();
    auto lib = std::make_shared<std::string>();
    cmd->add_option("SHEET", *sheet, "Standards sheet: a .ovs path or a standards name")
        ->required();
    cmd->add_option("--lib", *lib, "Library folder (default: the configured one)");
    cmd->callback([&exitCode, sheet, lib] {
        exitCode = ovcalc::runLint(*sheet, *lib, std::cout, std::cerr);
    });
}

}  // namespace ovcli
