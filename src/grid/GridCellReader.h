// GridCellReader.h - reads the entries of a sheet document's "cells" list, one at a time as
// the reader hands them over, straight into a fresh grid: a friend of Grid, so that a big
// sheet loads without going through the one-cell operations. Entries come parsed by simdjson
// (GridFileParse.h) or, for the files only the streaming reader takes, as nlohmann json; both
// get the same checks and reasons. Internal to the grid engine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace simdjson::dom {
class element;
}

namespace ovgrid {

class Grid;
struct Cell;

class GridCellReader {
  public:
    explicit GridCellReader(Grid& grid) : g_(grid) {}

    // Room for `count` more cells, when the length of the list is known.
    void reserve(std::size_t count);
    // One [col, row, style, value, extras] entry; throws sheetfile::FormatError. Formulas are
    // compiled here; dependencies are built once the whole sheet is in.
    void read(const simdjson::dom::element& entry);
    void read(const nlohmann::json& entry);

    // The largest style index, column and row the cells used, for the checks against the
    // document's tables and counts that come after the cells.
    std::uint32_t maxStyle() const { return maxStyle_; }
    int maxCol() const { return maxCol_; }
    int maxRow() const { return maxRow_; }

  private:
    // The new cell at (col, row); fails when the sheet has one there already.
    Cell& place(int col, int row, std::uint32_t style);
    // The formula `utf8` compiled for the cell at (col, row).
    void compile(Cell& cell, int col, int row, std::string_view utf8);

    Grid& g_;
    std::uint32_t maxStyle_ = 0;
    int maxCol_ = 0;
    int maxRow_ = 0;
    std::wstring wide_;  // the formula being compiled, reused from cell to cell
};

}  // namespace ovgrid
