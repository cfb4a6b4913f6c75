// ColumnLetters.h - the letters of a column as A1 references write them: A..Z, AA..ZZ, AAA..
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ovbase {

// 1 -> "A", 26 -> "Z", 27 -> "AA", 702 -> "ZZ", 703 -> "AAA"; "" for a column below 1.
std::wstring columnLetters(int column);

// How many ASCII letters `text` starts with: the letters part of an A1 reference.
std::size_t columnLettersLength(std::wstring_view text);

// The column `letters` name, case ignored: "A" -> 1, "aa" -> 27. 0 when `letters` is empty,
// holds anything but ASCII letters, or names a column beyond the int range.
int columnNumber(std::wstring_view letters);

}  // namespace ovbase
