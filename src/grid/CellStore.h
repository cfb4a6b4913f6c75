// CellStore.h - sparse cell storage: only cells that hold something exist. Coordinates here
// are internal: 0 is the header row/column, 1.. the data cells.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "grid/GridTypes.h"
#include "grid/Value.h"
#include "grid/formula/Formula.h"

namespace ovgrid {

using CellKey = std::uint64_t;

inline CellKey cellKey(int col, int row) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(row)) << 32) |
           static_cast<std::uint32_t>(col);
}
inline int keyCol(CellKey key) {
    return static_cast<int>(key & 0xFFFFFFFFu);
}
inline int keyRow(CellKey key) {
    return static_cast<int>(key >> 32);
}

// One cell. Looks are shared through the style table (style 0 is the default); the
// formula is a shared handle, so that an evaluation in progress keeps it alive when a
// callback replaces the cell's formula.
struct Cell {
    Value value;  // the data, or a formula's last computed result
    std::uint32_t style = 0;
    bool dirty = false;     // formula result is out of date
    std::uint8_t mark = 0;  // scratch of the ordering pass, 0 outside it
    CompiledFormula formula;
    std::unique_ptr<std::wstring> tag;

    Cell() = default;
    Cell(const Cell& other)
        : value(other.value),
          style(other.style),
          dirty(other.dirty),
          formula(other.formula),
          tag(other.tag ? std::make_unique<std::wstring>(*other.tag) : nullptr) {}
    Cell& operator=(const Cell& other) {
        if (this != &other) {
            Cell copy(other);
            *this = std::move(copy);
        }
        return *this;
    }
    Cell(Cell&&) noexcept = default;
    Cell& operator=(Cell&&) noexcept = default;

    bool isBlank() const { return value.isEmpty() && style == 0 && !formula && !tag; }
};

// Interned cell styles: equal styles share one index.
class StyleTable {
  public:
    StyleTable();
    const CellStyle& at(std::uint32_t index) const { return styles_[index]; }
    std::uint32_t intern(CellStyle style);
    // The style `from` with its cell type set to `type`. The last such change is remembered:
    // runs of cells commonly get one type.
    std::uint32_t withType(std::uint32_t from, const CellType& type);
    std::size_t size() const { return styles_.size(); }
    const std::vector<CellStyle>& all() const { return styles_; }

  private:
    std::vector<CellStyle> styles_;
    std::unordered_multimap<std::size_t, std::uint32_t> index_;  // style hash -> index
    struct TypeChange {
        std::uint32_t from = 0;
        CellType type;
        std::uint32_t to = 0;
    };
    std::optional<TypeChange> lastTypeChange_;
};

}  // namespace ovgrid
