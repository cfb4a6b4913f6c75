// GridFileWriter.h - a grid written as a sheet document (GridFileFormat.h). Internal to the
// grid engine; Grid::saveToFile writes the bytes atomically.
#pragma once

#include <string>

namespace ovgrid {

class Grid;

// The whole document; cells in reading order so that files compare well. Throws what the
// JSON library throws.
std::string writeSheetDocument(const Grid& grid);

}  // namespace ovgrid
