// SheetCommands.cpp - convert, eval and read of whole sheets for the command line.
#include "spread/SheetCommands.h"

#include <algorithm>
#include <utility>

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

int evalSheet(const std::filesystem::path& sheet, const std::vector<std::string>& cells,
              std::ostream& out, std::ostream& err) {
    // Cell names are checked before anything is loaded or printed.
    std::vector<std::pair<int, int>> wanted;
    for (const std::string& name : cells) {
        int col = 0, row = 0;
        if (!parseCellName(Tvx_String::fromUtf8(name).wstr(), col, row)) {
            err << "ovss: \"" << name << "\" is not a cell name (use A1 style, e.g. B3)\n";
            return kCommandBadInput;
        }
        wanted.emplace_back(col, row);
    }
    ovgrid::Grid grid;
    if (!load(grid, sheet, err)) {
        return kCommandBadInput;
    }
    for (const auto& [col, row] : wanted) {
        if (col > grid.getMaxCols() || row > grid.getMaxRows()) {
            err << "ovss: cell " << utf8(cellName(col, row)) << " lies outside the sheet ("
                << grid.getMaxCols() << " columns, " << grid.getMaxRows() << " rows)\n";
            return kCommandBadInput;
        }
    }
    grid.recalculateAll();
    if (cells.empty()) {
        for (const auto& entry : grid.cells()) {
            const int col = ovgrid::keyCol(entry.first), row = ovgrid::keyRow(entry.first);
            if (col >= 1 && row >= 1) {
                wanted.emplace_back(col, row);
            }
        }
        std::sort(wanted.begin(), wanted.end(), [](const auto& a, const auto& b) {
            return a.second != b.second ? a.second < b.second : a.first < b.first;
        });
    }
    std::string text;
    for (const auto& [col, row] : wanted) {
        std::wstring value;
        grid.getValue(col, row, value);
        if (cells.empty() && value.empty()) {
            continue;
        }
        text += utf8(cellName(col, row)) + "\t" + utf8(tsvField(value)) + "\n";
    }
    out << text;
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
