// CellTypes.h - the define-type functions: each fills a cell-type record from the
// arguments a caller passes to the grid control.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "grid/GridTypes.h"

namespace ovgrid {

CellType defineEditType(long style, int maxLength, int charSet, long flag);
CellType defineStaticType(long style);
// _SSSetTypeNumber.
CellType defineNumberType(long style, int decimals, double minimum, double maximum, long flag);
// Items arrive joined by tab characters.
CellType defineComboType(long style, std::wstring_view tabbedItems);
// Combo style bit: items framed as "------ name ------" head the group of items below them; they
// are shown but can never be chosen.
inline constexpr long kComboGroupHeadersBit = 0x1000;
bool isComboGroupHeader(std::wstring_view item);
CellType defineCheckType(long style, std::wstring_view text,
                         const std::array<std::int64_t, 6>& pictures,
                         const std::array<int, 6>& pictureTypes);
CellType defineButtonType(long style, std::wstring_view text, std::int64_t picture, int pictureType,
                          std::int64_t pressedPicture, int pressedPictureType, int buttonType,
                          int shadowSize, long color);
CellType definePictureType(long style, std::wstring_view pictureName);
CellType definePictureTypeHandle(long style, std::int64_t handle, std::int64_t palette,
                                 bool deletePicture);

// "a\tb" -> {"a", "b"}; an empty text gives no items.
std::vector<std::wstring> splitTabs(std::wstring_view text);

}  // namespace ovgrid
