// `ovss convert IN OUT`: a sheet from one file format into another (.ovs, .csv, .tsv).
#include <iostream>
#include <memory>
#include <string>

#include "Command.h"
#include "spread/SheetCommands.h"

namespace ovcli {

void addConvertCommand(CLI::App& app, int& exitCode) {
    auto* cmd = app.add_subcommand("convert", "Convert a sheet between .ovs, .csv and .tsv");
    auto in = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    cmd->add_option("IN", *in, "Sheet to read")->required();
    cmd->add_option("OUT", *out, "Sheet to write (replaced atomically)")->required();
    cmd->callback([&exitCode, in, out] { exitCode = ovsheet::convertSheet(*in, *out, std::cerr); });
}

}  // namespace ovcli
