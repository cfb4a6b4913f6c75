// Utf8.h - conversions between the grid's wide strings and UTF-8 bytes at file boundaries.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ovgrid {

std::string toUtf8(std::wstring_view text);
// Nothing when the bytes are not valid UTF-8.
std::optional<std::wstring> fromUtf8(std::string_view bytes);

}  // namespace ovgrid
