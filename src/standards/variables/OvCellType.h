// OvCellType.h - the area of a standards sheet in which a variable is declared. Input and Output
// variables are exchanged with the caller; Local ones are scratch values of the Calc area.
#pragma once

#include <cstdint>

enum OvCellType : std::int32_t {
    OvCellInput = 0,
    OvCellOutput = 1,
    OvCellLocal = 2,
};
