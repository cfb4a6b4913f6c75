// CellTypes.cpp - the define-type functions.
#include "grid/CellTypes.h"

#include <algorithm>

namespace ovgrid {

std::vector<std::wstring> splitTabs(std::wstring_view text) {
    std::vector<std::wstring> items;
    if (text.empty()) {
        return items;
    }
    std::size_t start = 0;
    while (true) {
        std::size_t tab = text.find(L'\t', start);
        items.emplace_back(text.substr(start, tab - start));
        if (tab == std::wstring_view::npos) {
            break;
        }
        start = tab + 1;
    }
    return items;
}

CellType defineEditType(long style, int maxLength, int charSet, long flag) {
    CellType t;
    t.type = kTypeEdit;
    t.style = style;
    t.maxLength = std::max(0, maxLength);
    t.charSet = charSet;
    t.flag = flag;
    return t;
}

CellType defineStaticType(long style) {
    CellType t;
    t.type = kTypeStatic;
    t.style = style;
    return t;
}

CellType defineNumberType(long style, int decimals, double minimum, double maximum, long flag) {
    CellType t;
    t.type = kTypeNumber;
    t.style = style;
    t.decimals = std::clamp(decimals, 0, 15);
    t.minimum = std::min(minimum, maximum);
    t.maximum = std::max(minimum, maximum);
    t.flag = flag;
    return t;
}

CellType defineComboType(long style, std::wstring_view tabbedItems) {
    CellType t;
    t.type = kTypeCombo;
    t.style = style;
    t.items = splitTabs(tabbedItems);
    return t;
}

bool isComboGroupHeader(std::wstring_view item) {
    constexpr std::wstring_view kFrame = L"------ ";
    constexpr std::wstring_view kFrameEnd = L" ------";
    return item.size() >= kFrame.size() + kFrameEnd.size() && item.starts_with(kFrame) &&
           item.ends_with(kFrameEnd);
}

CellType defineCheckType(long style, std::wstring_view text,
                         const std::array<std::int64_t, 6>& pictures,
                         const std::array<int, 6>& pictureTypes) {
    CellType t;
    t.type = kTypeCheck;
    t.style = style;
    t.text = text;
    t.checkPictures = pictures;
    t.checkPictureTypes = pictureTypes;
    return t;
}

CellType defineButtonType(long style, std::wstring_view text, std::int64_t picture, int pictureType,
                          std::int64_t pressedPicture, int pressedPictureType, int buttonType,
                          int shadowSize, long color) {
    CellType t;
    t.type = kTypeButton;
    t.style = style;
    t.text = text;
    t.pictureHandle = picture;
    t.pictureType = pictureType;
    t.pressedPicture = pressedPicture;
    t.pressedPictureType = pressedPictureType;
    t.buttonType = buttonType;
    t.shadowSize = shadowSize;
    t.buttonColor = color;
    return t;
}

CellType definePictureType(long style, std::wstring_view pictureName) {
    CellType t;
    t.type = kTypePicture;
    t.style = style;
    t.pictureName = pictureName;
    return t;
}

CellType definePictureTypeHandle(long style, std::int64_t handle, std::int64_t palette,
                                 bool deletePicture) {
    CellType t;
    t.type = kTypePicture;
    t.style = style;
    t.pictureHandle = handle;
    t.palette = palette;
    t.deletePicture = deletePicture;
    return t;
}

}  // namespace ovgrid
