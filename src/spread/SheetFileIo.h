// SheetFileIo.h - loading and saving a whole sheet by file extension: ".ovs" is the grid's own
// format, ".csv" and ".tsv" the delimited text forms. Saving is atomic; a failed load leaves
// the grid as it was.
#pragma once

#include <filesystem>
#include <string>

#include "grid/Grid.h"

enum class SheetFileFormat { Unknown, Ovs, Csv, Tsv };

// By extension, case-insensitively.
SheetFileFormat sheetFileFormatOf(const std::filesystem::path& path);

bool loadSheetFile(ovgrid::Grid& grid, const std::filesystem::path& path, std::wstring* error);
bool saveSheetFile(const ovgrid::Grid& grid, const std::filesystem::path& path,
                   std::wstring* error);

// "A1"-style name of a cell: column letters then the row number.
std::wstring cellName(int col, int row);
// Parses "B3" or "$B$3"; false for anything else or a column or row out of the grid's range.
bool parseCellName(std::wstring_view text, int& col, int& row);

// One field of a tab-separated line: quoted (with doubled quotes) when it holds a tab, a quote
// or a line break, so that every line of output stays one row.
std::wstring tsvField(std::wstring_view text);
