// Command.h - how the sub-commands of the ovss tool plug into the command line.
//
// Each sub-command lives in its own file and registers itself on the CLI11 application; its
// callback stores the process exit code: 0 success, 1 the job failed, 2 bad input.
#pragma once

#include <CLI/CLI.hpp>

namespace ovcli {

enum ExitCode : int { kExitOk = 0, kExitFailed = 1, kExitBadInput = 2 };

// Registration functions, one per command file.
void addInfoCommand(CLI::App& app, int& exitCode);
void addTemplateCommand(CLI::App& app, int& exitCode);
void addRegistryCommand(CLI::App& app, int& exitCode);
void addConvertCommand(CLI::App& app, int& exitCode);
void addEvalCommand(CLI::App& app, int& exitCode);
void addReadCommand(CLI::App& app, int& exitCode);
void addProfCommand(CLI::App& app, int& exitCode);
void addBillCommand(CLI::App& app, int& exitCode);
void addCalcCommand(CLI::App& app, int& exitCode);
void addLintCommand(CLI::App& app, int& exitCode);

}  // namespace ovcli
