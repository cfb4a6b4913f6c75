// ModuleBitmaps.cpp - the numbers of the bitmaps the module ships.
#include "core/resources/ModuleBitmaps.h"

#include <algorithm>
#include <array>

namespace ovres {

namespace {
constexpr std::array kBitmapIds = {kCheckBitmapOn, kCheckBitmapOff,   kBillPictureBitmap,
                                   kTreeFirstOpen, kTreeFirstClosed,  kTreeBranch,
                                   kTreeLastLeaf,  kTreeLastClosed,   kTreeLastOpen,
                                   kTreeLine,      kTreeMiddleClosed, kTreeMiddleOpen};
}

bool hasBitmapResource(int resourceId) {
    return std::find(kBitmapIds.begin(), kBitmapIds.end(), resourceId) != kBitmapIds.end();
}

BitmapHandle loadBitmap(int resourceId) {
    return hasBitmapResource(resourceId) ? BitmapHandle{resourceId} : BitmapHandle{};
}

}  // namespace ovres
