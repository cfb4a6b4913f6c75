// GridCsv.cpp - CSV/TSV import and export through the grid's own operations.
#include "grid/GridCsv.h"

#include "base/AtomicFile.h"
#include "base/NumberText.h"
#include "base/Utf8.h"
#include "grid/Delimited.h"

namespace ovgrid {

bool importDelimited(Grid& grid, std::string_view utf8, wchar_t separator, std::wstring* error) {
    auto report = [&](const std::wstring& why) {
        if (error) {
            *error = L"cannot import the table: " + why;
        }
        return false;
    };
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF") {
        utf8.remove_prefix(3);
    }
    auto text = ovbase::decodeUtf8(utf8);
    if (!text) {
        return report(L"the text is not valid UTF-8");
    }
    TextTable rows;
    std::wstring why;
    if (!splitDelimited(*text, separator, rows, &why)) {
        return report(why);
    }
    std::size_t cols = 0;
    for (const auto& row : rows) {
        cols = std::max(cols, row.size());
    }
    if (rows.size() > static_cast<std::size_t>(kMaxGridRows) ||
        cols > static_cast<std::size_t>(kMaxGridCols)) {
        return report(L"the table is larger than a sheet");
    }
    // Check everything before the first change.
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const std::wstring& field = rows[r][c];
            int col = static_cast<int>(c + 1), row = static_cast<int>(r + 1);
            std::wstring where =
                L" (row " + std::to_wstring(row) + L", column " + std::to_wstring(col) + L")";
            if (!field.empty() && field.front() == L'=') {
                if (!CompiledFormula::compile(field, grid.getRefStyle(), col, row, &why)) {
                    return report(L"the formula " + field + L" does not compile" + where + L": " +
                                  why);
                }
            } else if (!field.empty() && col <= grid.getMaxCols() && row <= grid.getMaxRows()) {
                CellType type;
                grid.getCellType(col, row, type);
                if (grid.hasCellType(col, row) && type.type == kTypeNumber &&
                    !ovbase::parseNumberText(field)) {
                    return report(L"a number cell cannot hold " + field + where);
                }
            }
        }
    }
    bool automatic = grid.getBool(kPropAutoCalc);
    grid.setBool(kPropAutoCalc, false);  // compute once at the end
    grid.setMaxRows(static_cast<int>(rows.size()));
    grid.setMaxCols(static_cast<int>(cols));
    grid.clearRange(1, 1, -1, -1);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const std::wstring& field = rows[r][c];
            int col = static_cast<int>(c + 1), row = static_cast<int>(r + 1);
            if (field.empty()) {
                continue;
            }
            if (field.front() == L'=') {
                grid.setFormula(col, row, field, false);
            } else {
                grid.setData(col, row, field);
            }
        }
    }
    grid.setBool(kPropAutoCalc, automatic);
    if (!automatic) {
        grid.recalculateAll();
    }
    return true;
}

std::string exportDelimited(const Grid& grid, wchar_t separator) {
    TextTable rows;
    rows.reserve(static_cast<std::size_t>(grid.getMaxRows()));
    for (int r = 1; r <= grid.getMaxRows(); ++r) {
        auto& row = rows.emplace_back();
        for (int c = 1; c <= grid.getMaxCols(); ++c) {
            std::wstring text;
            if (grid.hasFormula(c, r)) {
                grid.getFormula(c, r, text);
                text.insert(0, 1, L'=');
            } else {
                grid.getValue(c, r, text);
            }
            row.push_back(std::move(text));
        }
    }
    return ovbase::toUtf8(joinDelimited(rows, separator));
}

bool importDelimitedFile(Grid& grid, const std::filesystem::path& path, wchar_t separator,
                         std::wstring* error) {
    std::string bytes;
    return ovbase::readWholeFile(path, bytes, error) &&
           importDelimited(grid, bytes, separator, error);
}

bool exportDelimitedFile(const Grid& grid, const std::filesystem::path& path, wchar_t separator,
                         std::wstring* error) {
    return ovbase::writeFileAtomically(path, exportDelimited(grid, separator), error);
}

}  // namespace ovgrid
