// CustomCall.h - calls a function registered with the grid at run time: converts the
// arguments into value records, runs the callback and turns its result record into a value.
#pragma once

#include <string>

#include "grid/formula/FunctionLibrary.h"

namespace ovgrid::formula {

Operand callCustomFunction(const std::wstring& upperName, CallFrame& frame);

}  // namespace ovgrid::formula
