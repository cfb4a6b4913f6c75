// WidePrintf.h - printf-style formatting of wide text with the host's conventions: in a wide
// format "%s" takes a wide string (const wchar_t*), "%hs" a narrow one, "%c" a wide character.
// Numeric conversions follow printf, always with "." as the decimal point.
#pragma once

#include <cstdarg>
#include <string>

namespace ovbase {

std::wstring formatWide(const wchar_t* format, va_list args);

}  // namespace ovbase
