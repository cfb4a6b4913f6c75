// GridCsv.h - CSV and TSV import and export of a grid's data cells (UTF-8, RFC 4180
// quoting). On import a text starting with "=" is a formula and any other text is data as
// typed; the sheet takes the table's size. On export a formula cell writes "=" and its
// formula, every other cell its value.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "grid/Grid.h"

namespace ovgrid {

// False, with the grid unchanged and a reason, for text that is not valid UTF-8, a broken
// quote, a table too large for a sheet, a formula that does not compile or a text that a
// number cell cannot hold.
bool importDelimited(Grid& grid, std::string_view utf8, wchar_t separator, std::wstring* error);
std::string exportDelimited(const Grid& grid, wchar_t separator);

bool importDelimitedFile(Grid& grid, const std::filesystem::path& path, wchar_t separator,
                         std::wstring* error);
bool exportDelimitedFile(const Grid& grid, const std::filesystem::path& path, wchar_t separator,
                         std::wstring* error);

}  // namespace ovgrid
