// SheetCommands.h - the grid jobs of the ovss tool (convert, eval, read), written against
// streams so that the tool and the tests run the same code. Each returns the process exit
// code: 0 done, 1 the job failed, 2 bad input; messages go to `err`, nothing partial is written.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace ovsheet {

enum CommandStatus : int { kCommandOk = 0, kCommandFailed = 1, kCommandBadInput = 2 };

// Loads `in` and saves it as `out`, each in the format of its extension (.ovs, .csv, .tsv).
int convertSheet(const std::filesystem::path& in, const std::filesystem::path& out,
                 std::ostream& err);
// What-if changes and cost figures for evalSheet.
struct EvalOptions {
    // "CELL=VALUE", applied in order after the sheet is calculated, each recalculating what
    // depends on it; a VALUE starting with "=" is a formula, anything else is typed data.
    std::vector<std::string> changes;
    // Prints the time of each phase (load, calculate, each change, print) on `err`.
    bool timings = false;
    // The process ends right after: the grid is left for the system to reclaim instead of
    // being freed cell by cell.
    bool abandonGrid = false;
};

// Loads the sheet, recalculates it, applies the changes and prints "A1<TAB>value" for every
// non-empty cell in reading order, or for the named cells ("B3") in the order given.
int evalSheet(const std::filesystem::path& sheet, const std::vector<std::string>& cells,
              std::ostream& out, std::ostream& err, const EvalOptions& options = {});
// Prints the column header texts, then every row in data mode, as tab-separated lines.
int readSheet(const std::filesystem::path& sheet, std::ostream& out, std::ostream& err);

}  // namespace ovsheet
