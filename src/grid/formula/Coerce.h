// Coerce.h - the conversions between numbers, texts and booleans that operators and
// functions apply to their operands, and the spreadsheet's ordering of values.
#pragma once

#include <string>
#include <string_view>

#include "grid/Value.h"

namespace ovgrid::formula {

// <0, 0 or >0 as a sorts before, with or after b, ignoring case (base/CaseFolding.h).
int compareNoCase(std::wstring_view a, std::wstring_view b);

// Conversions as an operator applies them; false with `error` set when they fail. A text
// operand is a number when it reads as one, a trailing "%" included (base/NumberText.h).
bool toNumber(const Value& v, double& out, ErrorCode& error);
bool toBool(const Value& v, bool& out, ErrorCode& error);
// The text of a value (empty gives "", booleans TRUE/FALSE, numbers formulaNumberText).
void appendText(const Value& v, std::wstring& out);
std::wstring toText(const Value& v);

// The spreadsheet's ordering for comparisons: numbers < texts < booleans; texts ignore
// case; an empty value takes the kind of the other side. Neither side may be an error.
int compareValues(const Value& a, const Value& b);

// A finite number, or #NUM! for an overflow or an undefined result.
Value numberOrError(double x);

}  // namespace ovgrid::formula
