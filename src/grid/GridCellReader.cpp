// GridCellReader.cpp - one cell entry of a sheet document into a fresh grid. The two entry
// forms are read field by field in the same order, so that a bad entry gives the same reason
// whichever reader parsed it.
#include "grid/GridCellReader.h"

#include <algorithm>
#include <memory>

#include "base/Utf8.h"
#include "grid/Grid.h"
#include "grid/GridFileElements.h"
#include "grid/GridFileFields.h"
#include "grid/GridFileFormat.h"

namespace ovgrid {

using namespace sheetfile;

void GridCellReader::reserve(std::size_t count) {
    g_.cells_.reserve(g_.cells_.size() + count);
}

Cell& GridCellReader::place(int col, int row, std::uint32_t style) {
    auto [it, added] = g_.cells_.try_emplace(cellKey(col, row));
    if (!added) {
        fail("a cell appears twice");
    }
    // A failed entry leaves a part-read cell behind; the whole grid is dropped then.
    it->second.style = style;
    maxStyle_ = std::max(maxStyle_, style);
    maxCol_ = std::max(maxCol_, col);
    maxRow_ = std::max(maxRow_, row);
    return it->second;
}

void GridCellReader::compile(Cell& cell, int col, int row, std::string_view utf8) {
    // Formulas are nearly always ASCII: widened in place, without a new string per cell.
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; })) {
        wide_.assign(utf8.begin(), utf8.end());
    } else if (auto text = ovbase::decodeUtf8(utf8)) {
        wide_ = std::move(*text);
    } else {
        fail("a formula is not valid UTF-8");
    }
    std::wstring why;
    auto compiled = CompiledFormula::compile(wide_, RefStyle::A1, col, row, &why);
    if (!compiled || col == 0 || row == 0) {
        fail("the formula of cell (" + std::to_string(col) + ", " + std::to_string(row) +
             ") does not compile: " + ovbase::toUtf8(why));
    }
    cell.formula = std::move(*compiled);
}

void GridCellReader::read(const simdjson::dom::element& j) {
    simdjson::dom::array entry;
    if (j.get_array().get(entry) != simdjson::SUCCESS || entry.size() < 4 || entry.size() > 5) {
        fail("a cell entry must be a list of 4 or 5 items");
    }
    auto item = entry.begin();
    int col = static_cast<int>(integer(*item, "cell column", 0, kMaxGridCols));
    int row = static_cast<int>(integer(*++item, "cell row", 0, kMaxGridRows));
    auto style = static_cast<std::uint32_t>(integer(*++item, "cell style", 0, UINT32_MAX));
    Cell& cell = place(col, row, style);
    cell.value = valueFrom(*++item);
    if (++item == entry.end()) {
        return;
    }
    simdjson::dom::object extra;
    if ((*item).get_object().get(extra) != simdjson::SUCCESS) {
        fail("cell extras are not an object");
    }
    element field;
    if (findMember(extra, keys::tag, field)) {
        cell.tag = std::make_unique<std::wstring>(textOf(field, "a cell tag"));
    }
    if (findMember(extra, keys::formula, field)) {
        std::string_view text;
        if (field.get_string().get(text) != simdjson::SUCCESS) {
            fail("a formula is not a text");
        }
        compile(cell, col, row, text);
    }
}

void GridCellReader::read(const json& j) {
    if (!j.is_array() || j.size() < 4 || j.size() > 5) {
        fail("a cell entry must be a list of 4 or 5 items");
    }
    int col = static_cast<int>(integer(j[0], "cell column", 0, kMaxGridCols));
    int row = static_cast<int>(integer(j[1], "cell row", 0, kMaxGridRows));
    auto style = static_cast<std::uint32_t>(integer(j[2], "cell style", 0, UINT32_MAX));
    Cell& cell = place(col, row, style);
    cell.value = valueFrom(j[3]);
    if (j.size() == 5) {
        const json& extra = j[4];
        if (!extra.is_object()) {
            fail("cell extras are not an object");
        }
        if (auto t = extra.find(keys::tag); t != extra.end()) {
            cell.tag = std::make_unique<std::wstring>(textOf(*t, "a cell tag"));
        }
        if (auto f = extra.find(keys::formula); f != extra.end()) {
            if (!f->is_string()) {
                fail("a formula is not a text");
            }
            compile(cell, col, row, f->get_ref<const std::string&>());
        }
    }
}

}  // namespace ovgrid
