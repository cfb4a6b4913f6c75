// GridCellReader.h - reads the entries of a sheet document's "cells" list, one at a time as
// the stream hands them over, straight into a fresh grid: a friend of Grid, so that a big
// sheet loads without going through the one-cell operations. Internal to the grid engine.
#pragma once

#include <cstdint>

#include <nlohmann/json.hpp>

namespace ovgrid {

class Grid;

class GridCellReader {
  public:
    explicit GridCellReader(Grid& grid) : g_(grid) {}

    // One [col, row, style, value, extras] entry; throws sheetfile::FormatError. Formulas are
    // compiled here; dependencies are built once the whole sheet is in.
    void read(const nlohmann::json& entry);

    // The largest style index, column and row the cells used, for the checks against the
    // document's tables and counts that come after the cells.
    std::uint32_t maxStyle() const { return maxStyle_; }
    int maxCol() const { return maxCol_; }
    int maxRow() const { return maxRow_; }

  private:
    Grid& g_;
    std::uint32_t maxStyle_ = 0;
    int maxCol_ = 0;
    int maxRow_ = 0;
};

}  // namespace ovgrid
