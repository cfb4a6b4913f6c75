// GridCellReader.cpp - one cell entry of a sheet document into a fresh grid.
#include "grid/GridCellReader.h"

#include <algorithm>
#include <memory>

#include "base/Utf8.h"
#include "grid/Grid.h"
#include "grid/GridFileFields.h"
#include "grid/GridFileFormat.h"

namespace ovgrid {

using namespace sheetfile;

void GridCellReader::read(const json& j) {
    if (!j.is_array() || j.size() < 4 || j.size() > 5) {
        fail("a cell entry must be a list of 4 or 5 items");
    }
    int col = static_cast<int>(integer(j[0], "cell column", 0, kMaxGridCols));
    int row = static_cast<int>(integer(j[1], "cell row", 0, kMaxGridRows));
    auto style = static_cast<std::uint32_t>(integer(j[2], "cell style", 0, UINT32_MAX));
    CellKey key = cellKey(col, row);
    if (g_.cells_.count(key)) {
        fail("a cell appears twice");
    }
    Cell cell;
    cell.value = valueFrom(j[3]);
    cell.style = style;
    maxStyle_ = std::max(maxStyle_, style);
    if (j.size() == 5) {
        const json& extra = j[4];
        if (!extra.is_object()) {
            fail("cell extras are not an object");
        }
        if (auto t = extra.find(keys::tag); t != extra.end()) {
            cell.tag = std::make_unique<std::wstring>(textOf(*t, "a cell tag"));
        }
        if (auto f = extra.find(keys::formula); f != extra.end()) {
            std::wstring text = textOf(*f, "a formula");
            std::wstring why;
            auto compiled = CompiledFormula::compile(text, RefStyle::A1, col, row, &why);
            if (!compiled || col == 0 || row == 0) {
                fail("the formula of cell (" + std::to_string(col) + ", " + std::to_string(row) +
                     ") does not compile: " + ovbase::toUtf8(why));
            }
            cell.formula = std::make_shared<CompiledFormula>(std::move(*compiled));
        }
    }
    maxCol_ = std::max(maxCol_, col);
    maxRow_ = std::max(maxRow_, row);
    g_.cells_.emplace(key, std::move(cell));
    g_.order_.cellsReshaped();
}

}  // namespace ovgrid
