// NumberText.h - locale-independent conversions between numbers and wide text, with the C
// library's "take the leading number" semantics but always "." as the decimal point.
#pragma once

#include <string>
#include <string_view>

namespace ovcore {

// Length of the leading decimal number of `text` after leading blanks (sign, digits, optional
// fraction, optional exponent); 0 when there is none. `start` receives where the number begins.
// Hexadecimal, "inf" and "nan" are deliberately not numbers: a cell text such as "Nancy" must not
// turn into a NaN.
std::size_t scanDecimalNumber(std::wstring_view text, std::size_t& start);

// The leading number of `text` ("7x" -> 7, "  -2.5e3 mm" -> -2500); 0 when there is none.
// Overflow gives +-infinity, underflow 0, as the C library does.
double leadingDouble(std::wstring_view text);

// The leading integer of `text` ("7.9" -> 7, "12abc" -> 12); 0 when there is none; clamped to int.
int leadingInt(std::wstring_view text);

// True when the whole text, blanks around it aside, is one decimal number.
bool isWholeNumber(std::wstring_view text);

// Fixed-point text with `precision` decimals (clamped to 0..20); without keepZeros, trailing zeros
// and a trailing point are dropped. Negative zero is written without its sign.
std::wstring formatFixed(double value, int precision, bool keepZeros);

}  // namespace ovcore
