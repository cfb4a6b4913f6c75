// CalcCommands.h - the standards jobs of the ovss tool (calc in list and macro mode, lint),
// written against streams so that the tool and the tests run the same code. Each returns the
// process exit code: 0 done, 1 the calculation failed (lint: problems found), 2 bad input.
// Message boxes of the calculation go to `err`; so does every problem the calculation record
// lists, whatever the warnings setting, and any problem makes the exit code 1 (and, in macro
// mode, keeps the drawing unwritten unless writeAnyway).
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ovcalc {

enum CalcStatus : int { kCalcOk = 0, kCalcFailed = 1, kCalcBadInput = 2 };

struct ListCalcOptions {
    std::string sheet;                   // a path or a standards name
    std::string libDir;                  // empty: the configured library folder
    std::vector<std::string> setValues;  // NAME=VALUE for Input / Output variables
    std::vector<std::string> genValues;  // NAME=VALUE general variables
    bool warnings = false;
};

struct MacroCalcOptions {
    std::string drawing;
    std::string macro;
    std::string standard;
    // "Module." + group, a bare group name, or a mapping key; empty: the target the macro's
    // settings store for the standard.
    std::string module;
    std::string libDir;
    std::vector<std::string> genValues;
    bool warnings = false;
    bool write = false;
    // Write the drawing even when the calculation had problems (they are still reported and
    // the exit code is still 1).
    bool writeAnyway = false;
};

// Every macro of a drawing with each standard its settings map to it.
struct DrawingCalcOptions {
    std::string drawing;
    std::string libDir;
    std::vector<std::string> genValues;  // given to every calculation
    bool warnings = false;
    bool write = false;
    bool writeAnyway = false;
    bool progress = false;  // a progress bar on `err` (the caller knows whether it is a terminal)
};

// Prints NAME=VALUE for every Output variable, in sheet order.
int runListCalc(const ListCalcOptions& options, std::ostream& out, std::ostream& err);
int runMacroCalc(const MacroCalcOptions& options, std::ostream& out, std::ostream& err);
// Prints each changed macro and a summary on `out`; each failed macro and its problems on `err`.
// Any failure gives 1 and keeps the drawing unwritten unless writeAnyway.
int runDrawingCalc(const DrawingCalcOptions& options, std::ostream& out, std::ostream& err);
// Reports missing areas, duplicate names, failing equations and unknown names.
int runLint(const std::string& sheet, const std::string& libDir, std::ostream& out,
            std::ostream& err);

}  // namespace ovcalc
