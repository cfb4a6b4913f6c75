// NumberText.h - locale-independent conversions between numbers and text as the grid
// shows and reads them (the decimal point is always ".").
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ovgrid {

// Up to 15 significant digits without trailing zeros: 12.5 -> "12.5", 10 -> "10".
std::wstring formatNumber(double value);
// Fixed number of decimals: (12.5, 2) -> "12.50".
std::wstring formatFixed(double value, int decimals);
// A whole text that is one number (blanks around it allowed); nothing otherwise.
std::optional<double> parseNumber(std::wstring_view text);

}  // namespace ovgrid
