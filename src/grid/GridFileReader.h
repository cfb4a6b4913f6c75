// GridFileReader.h - reads a whole sheet document into a fresh grid: hands the cells to
// GridCellReader (GridFileParse.h, or GridFileStream.h for what that does not parse), then
// checks and reads the rest (format and version, counts, reference style, properties, fonts,
// styles, sizes, hidden rows, spans and the view section). A friend of Grid. Internal to the grid
// engine.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace ovgrid {

class Grid;
class GridCellReader;

class GridReader {
  public:
    // Fills `fresh`, a grid made for the purpose; false with the reason when the bytes are not
    // a good sheet (then `fresh` holds part of it and is to be dropped). `capacity` is the size
    // of the buffer that holds the bytes: room past their end spares the parser a copy.
    static bool read(std::string_view bytes, std::size_t capacity, Grid& fresh, std::string& error);

  private:
    GridReader(Grid& grid, const GridCellReader& cells) : g_(grid), cells_(cells) {}

    // The document around the cells read into `fresh`; false with the reason.
    static bool finish(Grid& fresh, const GridCellReader& cells, const nlohmann::json& doc,
                       std::string& error);
    // Everything but the cells; throws sheetfile::FormatError.
    void readDocument(const nlohmann::json& doc);
    void readView(const nlohmann::json& v);

    Grid& g_;
    const GridCellReader& cells_;
};

}  // namespace ovgrid
