// SpreadAxis.h - the two axes of a Tvx_Spread, so that a row operation and its column twin are
// written once. A line is a row (on the Rows axis) or a column (on the Cols axis); its cells
// are numbered along the cross axis, where index 0 (the header) holds the line's caption.
// The grid's own per-axis operations are here too, as the TSpread forwarders give them.
#pragma once

#include "grid/GridTypes.h"
#include "spread/TSpread.h"

enum class SpreadAxis { Rows, Cols };

// A cell's coordinates on the grid.
struct SpreadCell {
    int col = 0;
    int row = 0;
};

// The cell at index `along` of line `line`.
inline SpreadCell cellOf(SpreadAxis axis, int line, int along) {
    return axis == SpreadAxis::Rows ? SpreadCell{along, line} : SpreadCell{line, along};
}

// The axis along which a line's cells are numbered.
inline SpreadAxis crossAxis(SpreadAxis axis) {
    return axis == SpreadAxis::Rows ? SpreadAxis::Cols : SpreadAxis::Rows;
}

// --- the grid's operations per axis, unformatted

inline int gridLineCount(const TSpread& s, SpreadAxis axis) {
    return axis == SpreadAxis::Rows ? s.SSGetMaxRows() : s.SSGetMaxCols();
}

inline bool setGridLineCount(TSpread& s, SpreadAxis axis, int count) {
    return axis == SpreadAxis::Rows ? s.SSSetMaxRows(count) : s.SSSetMaxCols(count);
}

inline bool insertGridLine(TSpread& s, SpreadAxis axis, int at) {
    return axis == SpreadAxis::Rows ? s.SSInsertRow(at) : s.SSInsertCol(at);
}

inline bool deleteGridLine(TSpread& s, SpreadAxis axis, int at) {
    return axis == SpreadAxis::Rows ? s.SSDelRow(at) : s.SSDelCol(at);
}

// A row's height or a column's width.
inline bool getLinePixels(const TSpread& s, SpreadAxis axis, int line, int& pixels) {
    return axis == SpreadAxis::Rows ? s.SSGetRowHeightInPixels(line, pixels)
                                    : s.SSGetColWidthInPixels(line, pixels);
}

inline bool setLinePixels(TSpread& s, SpreadAxis axis, int line, int pixels) {
    return axis == SpreadAxis::Rows ? s.SSSetRowHeightInPixels(line, pixels)
                                    : s.SSSetColWidthInPixels(line, pixels);
}
