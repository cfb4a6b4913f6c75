// Parser.h - turns formula text into the postfix program of a compiled formula.
#pragma once

#include <string>
#include <string_view>

#include "grid/formula/Bytecode.h"

namespace ovgrid::formula {

// Fills `out` from `text` (with or without a leading "="), compiled for cell (col, row).
// False with a message in `error` for a syntax error or a formula beyond the limits.
bool parseFormula(std::wstring_view text, RefStyle style, int col, int row, ProgramBuilder& out,
                  std::wstring& error);

}  // namespace ovgrid::formula
