// ModuleBitmaps.h - bitmap resources of the module by number. The engine hands out handles;
// the dialog layer draws the artwork behind each number.
#pragma once

namespace ovres {

// Check-box pictures of grid cells: ticked and unticked.
constexpr int kCheckBitmapOn = 8134;
constexpr int kCheckBitmapOff = 8136;
// Marker beside an item's picture in a bill.
constexpr int kBillPictureBitmap = 251;
// Tree marks of a tree grid: a fold box (closed with a plus, open with a minus) on the first
// row, on a middle row and on the last row of its level; a leaf on a branch, the last leaf of
// its parent, and a line passing by.
constexpr int kTreeFirstOpen = 272;
constexpr int kTreeFirstClosed = 274;
constexpr int kTreeBranch = 275;
constexpr int kTreeLastLeaf = 276;
constexpr int kTreeLastClosed = 277;
constexpr int kTreeLastOpen = 278;
constexpr int kTreeLine = 279;
constexpr int kTreeMiddleClosed = 280;
constexpr int kTreeMiddleOpen = 281;

// A loaded bitmap: which resource it came from. A null handle (id 0) means "not loaded".
struct BitmapHandle {
    int resourceId = 0;
    explicit operator bool() const { return resourceId != 0; }
    bool operator==(const BitmapHandle&) const = default;
};

// True when the module ships a bitmap with this number.
bool hasBitmapResource(int resourceId);

// Loads a bitmap resource through the module's resource chain; null when there is none.
BitmapHandle loadBitmap(int resourceId);

}  // namespace ovres
