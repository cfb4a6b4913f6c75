// `ovss calc`: a standards calculation, in list mode on a sheet with values given by name, or
// in macro mode on a macro of a drawing file.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "Command.h"
#include "standards/calc/CalcCommands.h"

namespace ovcli {

void addCalcCommand(CLI::App& app, int& exitCode) {
    auto* cmd = app.add_subcommand(
        "calc",
        "Calculate a connection standard and print NAME=VALUE for every Output variable.\n"
        "List mode: ovss calc SHEET [--set NAME=VALUE]... [--gen NAME=VALUE]...\n"
        "Macro mode: ovss calc --drawing FILE --macro NAME --standard SHEET [--module NAME_OR_KEY] "
        "[--write]\n"
        "Whole drawing: ovss calc --drawing FILE --all [--jobs N] [--write]\n"
        "(without --module, the mapping the macro's settings store for the standard)\n"
        "Problems of the calculation go to stderr and give exit code 1; bad input gives 2.");
    auto list = std::make_shared<ovcalc::ListCalcOptions>();
    auto macro = std::make_shared<ovcalc::MacroCalcOptions>();
    cmd->add_option("SHEET", list->sheet,
                    "Standards sheet: a .ovs path or a name in <lib>/Connection Standards");
    cmd->add_option("--lib", list->libDir, "Library folder (default: the configured one)");
    cmd->add_option("--set", list->setValues, "Value of an Input or Output variable, NAME=VALUE");
    cmd->add_option("--gen", list->genValues, "General variable, NAME=VALUE (e.g. gen_Gap=10)");
    cmd->add_flag("--warnings", list->warnings, "Print the calculation warnings too");
    auto* drawing = cmd->add_option("--drawing", macro->drawing, "Drawing file (.json)");
    auto* macroName = cmd->add_option("--macro", macro->macro, "Macro of the drawing");
    auto* standard = cmd->add_option("--standard", macro->standard, "Standards sheet");
    auto* module =
        cmd->add_option("--module", macro->module,
                        "Module group (or module) name, \"Module.\" + group, or a mapping key");
    auto all = std::make_shared<bool>(false);
    auto jobs = std::make_shared<int>(1);
    cmd->add_flag("--all", *all,
                  "Every macro of the drawing, with each standard its settings map to it");
    cmd->add_option("--jobs", *jobs,
                    "Threads for --all; the engine keeps process-wide state, so macros are "
                    "calculated one at a time whatever N is")
        ->check(CLI::Range(1, 1024));
    cmd->add_flag("--write", macro->write,
                  "Save the changed drawing (not when the calculation had problems)");
    cmd->add_flag("--write-anyway", macro->writeAnyway,
                  "Save the changed drawing even when the calculation had problems");
    macroName->needs(drawing);
    standard->needs(drawing);
    module->needs(drawing);
    // The callback owns every value CLI11 writes into: they must live until the parse is done.
    cmd->callback([&exitCode, list, macro, all, jobs] {
        (void)jobs;  // accepted, but macros are calculated one at a time
        if (!macro->drawing.empty()) {
            if (!list->sheet.empty() || !list->setValues.empty()) {
                std::cerr << "error: SHEET and --set belong to list mode, not to --drawing\n";
                exitCode = kExitBadInput;
                return;
            }
            if (*all) {
                if (!macro->macro.empty() || !macro->standard.empty() || !macro->module.empty()) {
                    std::cerr << "error: --all calculates every macro with its mapped standards; "
                                 "leave out --macro, --standard and --module\n";
                    exitCode = kExitBadInput;
                    return;
                }
                ovcalc::DrawingCalcOptions options;
                options.drawing = macro->drawing;
                options.libDir = list->libDir;
                options.genValues = list->genValues;
                options.warnings = list->warnings;
                options.write = macro->write;
                options.writeAnyway = macro->writeAnyway;
                options.progress = ::isatty(STDERR_FILENO) != 0;
                exitCode = ovcalc::runDrawingCalc(options, std::cout, std::cerr);
                return;
            }
            if (macro->macro.empty() || macro->standard.empty()) {
                std::cerr << "error: --drawing needs --macro and --standard, or --all\n";
                exitCode = kExitBadInput;
                return;
            }
            macro->libDir = list->libDir;
            macro->genValues = list->genValues;
            macro->warnings = list->warnings;
            exitCode = ovcalc::runMacroCalc(*macro, std::cout, std::cerr);
            return;
        }
        if (*all) {
            std::cerr << "error: --all needs --drawing\n";
            exitCode = kExitBadInput;
            return;
        }
        if (list->sheet.empty()) {
            std::cerr << "error: give a SHEET, or --drawing with --macro, --standard, --module\n";
            exitCode = kExitBadInput;
            return;
        }
        if (macro->write || macro->writeAnyway) {
            std::cerr << "error: --write and --write-anyway need --drawing\n";
            exitCode = kExitBadInput;
            return;
        }
        exitCode = ovcalc::runListCalc(*list, std::cout, std::cerr);
    });
}

}  // namespace ovcli
