// SheetCommands.cpp - convert, eval and read of whole sheets for the command line.
#include "spread/SheetCommands.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <iomanip>
#include <memory>
#include <utility>

#include "base/ColumnLetters.h"
#include "core/Tvx_String.h"
#include "grid/Grid.h"
#include "spread/SheetFileIo.h"

namespace ovsheet {

namespace {

std::string utf8(const std::wstring& text) {
    return Tvx_String(text).toUtf8();
}

std::string shown(const std::filesystem::path& path) {
    return path.string();
}

// Loads a sheet or says why not; every load failure is a problem with the input.
bool load(ovgrid::Grid& grid, const std::filesystem::path& path, std::ostream& err) {
    if (sheetFileFormatOf(path) == SheetFileFormat::Unknown) {
        err << "ovss: " << shown(path) << ": unknown sheet file type (use .ovs, .csv or .tsv)\n";
        return false;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        err << "ovss: " << shown(path) << ": no such file\n";
        return false;
    }
    std::wstring error;
    if (!loadSheetFile(grid, path, &error)) {
        err << "ovss: " << shown(path) << ": " << utf8(error) << "\n";
        return false;
    }
    return true;
}

// Appends "NAME<TAB>value<LF>"; plain ASCII (the usual number) is copied as it is, anything
// else goes through the quoting and the encoder.
void appendCellLine(std::string& text, int col, int row, const std::wstring& value) {
    for (wchar_t letter : ovbase::columnLetters(col)) {
        text += static_cast<char>(letter);
    }
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, row);
    text.append(digits, written.ptr);
    text += '\t';
    const bool plain = std::all_of(value.begin(), value.end(), [](wchar_t ch) {
        return ch >= 0x20 && ch < 0x7F && ch != L'"';
    });
    if (plain) {
        for (wchar_t ch : value) {
            text += static_cast<char>(ch);
        }
    } else {
        text += utf8(tsvField(value));
    }
    text += '\n';
}

}  // namespace

int convertSheet(const std::filesystem::path& in, const std::filesystem::path& out,
                 std::ostream& err) {
    if (sheetFileFormatOf(out) == SheetFileFormat::Unknown) {
        err << "ovss: " << shown(out) << ": unknown sheet file type (use .ovs, .csv or .tsv)\n";
        return kCommandBadInput;
    }
    ovgrid::Grid grid;
    if (!load(grid, in, err)) {
        return kCommandBadInput;
    }
    std::wstring error;
    if (!saveSheetFile(grid, out, &error)) {
        err << "ovss: " << shown(out) << ": " << utf8(error) << "\n";
        return kCommandFailed;
    }
    return kCommandOk;
}

namespace {

struct CellChange {
    std::string argument;
    int col = 0;
    int row = 0;
    std::wstring text;
};

// "B3=12.5" or "B3==A1*2"; says why not on `err`.
bool parseChange(const std::string& argument, CellChange& change, std::ostream& err) {
    const std::size_t eq = argument.find('=');
    if (eq == std::string::npos) {
        err << "ovss: --set \"" << argument << "\": expected CELL=VALUE, e.g. B3=12.5\n";
        return false;
    }
    const std::string name = argument.substr(0, eq);
    if (!parseCellName(Tvx_String::fromUtf8(name).wstr(), change.col, change.row)) {
        err << "ovss: --set \"" << argument << "\": \"" << name
            << "\" is not a cell name (use A1 style, e.g. B3)\n";
        return false;
    }
    change.argument = argument;
    change.text = Tvx_String::fromUtf8(argument.substr(eq + 1)).wstr();
    return true;
}

bool insideSheet(const ovgrid::Grid& grid, int col, int row, std::ostream& err) {
    if (col > grid.getMaxCols() || row > grid.getMaxRows()) {
        err << "ovss: cell " << utf8(cellName(col, row)) << " lies outside the sheet ("
            << grid.getMaxCols() << " columns, " << grid.getMaxRows() << " rows)\n";
        return false;
    }
    return true;
}

bool applyChange(ovgrid::Grid& grid, const CellChange& change, std::ostream& err) {
    if (change.text.starts_with(L"=")) {
        std::wstring error;
        if (!grid.setFormula(change.col, change.row, change.text, true, &error)) {
            err << "ovss: --set \"" << change.argument << "\": " << utf8(error) << "\n";
            return false;
        }
        return true;
    }
    if (!grid.setValue(change.col, change.row, change.text)) {
        err << "ovss: --set \"" << change.argument
            << "\": the cell does not take this value (a number cell takes numbers in its "
               "range)\n";
        return false;
    }
    return true;
}

// Phase times for --timings, in milliseconds on `err`.
class PhaseClock {
  public:
    explicit PhaseClock(bool on) : on_(on), start_(std::chrono::steady_clock::now()) {}
    void lap(std::ostream& err, const std::string& phase) {
        const auto now = std::chrono::steady_clock::now();
        if (on_) {
            const double ms = std::chrono::duration<double, std::milli>(now - start_).count();
            err << "ovss: " << phase << " " << std::fixed << std::setprecision(3) << ms << " ms\n";
            err.unsetf(std::ios::floatfield);
        }
        start_ = std::chrono::steady_clock::now();
    }

  private:
    bool on_;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace

int evalSheet(const std::filesystem::path& sheet, const std::vector<std::string>& cells,
              std::ostream& out, std::ostream& err, const EvalOptions& options) {
    // Cell names and changes are checked before anything is loaded or printed.
    std::vector<std::pair<int, int>> wanted;
    for (const std::string& name : cells) {
        int col = 0, row = 0;
        if (!parseCellName(Tvx_String::fromUtf8(name).wstr(), col, row)) {
            err << "ovss: \"" << name << "\" is not a cell name (use A1 style, e.g. B3)\n";
            return kCommandBadInput;
        }
        wanted.emplace_back(col, row);
    }
    std::vector<CellChange> changes(options.changes.size());
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (!parseChange(options.changes[i], changes[i], err)) {
            return kCommandBadInput;
        }
    }
    PhaseClock clock(options.timings);
    auto owned = std::make_unique<ovgrid::Grid>();
    ovgrid::Grid& grid = *owned;
    if (options.abandonGrid) {
        // Never freed; reachable from here, so that leak checkers do not count it.
        static auto* abandoned = new std::vector<ovgrid::Grid*>();
        abandoned->push_back(owned.release());
    }
    if (!load(grid, sheet, err)) {
        return kCommandBadInput;
    }
    clock.lap(err, "load (read and compile)");
    for (const auto& [col, row] : wanted) {
        if (!insideSheet(grid, col, row, err)) {
            return kCommandBadInput;
        }
    }
    for (const CellChange& change : changes) {
        if (!insideSheet(grid, change.col, change.row, err)) {
            return kCommandBadInput;
        }
    }
    grid.recalculateAll();
    clock.lap(err, "calculate");
    if (!changes.empty()) {
        grid.setBool(ovgrid::kPropAutoCalc, true);  // each change recalculates its dependents
        for (const CellChange& change : changes) {
            if (!applyChange(grid, change, err)) {
                return kCommandBadInput;
            }
            clock.lap(err, "change " + change.argument);
        }
    }
    if (cells.empty()) {
        // Cell keys order by row, then column.
        std::vector<ovgrid::CellKey> keys;
        keys.reserve(grid.cells().size());
        for (const auto& entry : grid.cells()) {
            if (ovgrid::keyCol(entry.first) >= 1 && ovgrid::keyRow(entry.first) >= 1) {
                keys.push_back(entry.first);
            }
        }
        std::sort(keys.begin(), keys.end());
        wanted.reserve(keys.size());
        for (ovgrid::CellKey key : keys) {
            wanted.emplace_back(ovgrid::keyCol(key), ovgrid::keyRow(key));
        }
    }
    std::string text;
    text.reserve(wanted.size() * 16);
    std::wstring value;
    for (const auto& [col, row] : wanted) {
        value.clear();
        grid.getValue(col, row, value);
        if (cells.empty() && value.empty()) {
            continue;
        }
        appendCellLine(text, col, row, value);
    }
    out << text;
    out.flush();
    clock.lap(err, "print");
    return out ? kCommandOk : kCommandFailed;
}

int readSheet(const std::filesystem::path& sheet, std::ostream& out, std::ostream& err) {
    ovgrid::Grid grid;
    if (!load(grid, sheet, err)) {
        return kCommandBadInput;
    }
    const int cols = grid.getMaxCols(), rows = grid.getMaxRows();
    std::string text;
    std::wstring cell;
    for (int col = 1; col <= cols; ++col) {
        grid.getData(col, ovgrid::HEADER, cell);
        // An empty header shows its column letters.
        if (cell.empty()) {
            cell = cellName(col, 1);
            cell.pop_back();
        }
        text += (col > 1 ? "\t" : "") + utf8(tsvField(cell));
    }
    text += "\n";
    for (int row = 1; row <= rows; ++row) {
        for (int col = 1; col <= cols; ++col) {
            grid.getData(col, row, cell);
            text += (col > 1 ? "\t" : "") + utf8(tsvField(cell));
        }
        text += "\n";
    }
    out << text;
    return out ? kCommandOk : kCommandFailed;
}

}  // namespace ovsheet
