// ModuleBitmaps.cpp - the numbers of the bitmaps the module ships.
#include "core/resources/ModuleBitmaps.h"

#include <algorithm>
#include <array>

namespace ovres {

namespace {
constexpr std::array kBitmapIds = {kCheckBitmapOn, kCheckBitmapOff, kBillPictureBitmap};
}

bool hasBitmapResource(int resourceId) {
    return std::find(kBitmapIds.begin(), kBitmapIds.end(), resourceId) != kBitmapIds.end();
}

BitmapHandle loadBitmap(int resourceId) {
    return hasBitmapResource(resourceId) ? BitmapHandle{resourceId} : BitmapHandle{};
}

}  // namespace ovres
