// OvCutOffsetType.h - the nine kinds of offset a cut can carry, their display names and the
// keys under which drawing files store them.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

enum OvCutOffsetType : int {
    eCutOffset = 0,
    eCutPolyOffset = 1,
    eCutLengthOffset = 2,
    eCutCenterOffset = 3,
    eCutInsideOffset = 4,
    eCutOutsideOffset = 5,
    eCutChamferOffset1 = 6,
    eCutChamferOffset2 = 7,
    eCutRadius = 8,
};

inline constexpr int kCutOffsetTypeCount = 9;

inline bool isValidCutOffsetType(int value) {
    return value >= 0 && value < kCutOffsetTypeCount;
}

// Display names in type order: "Offset", "Poly offset", "Length offset", "Center offset",
// "Inside offset", "Outside offset", "Chamfer offset 1", "Chamfer offset 2", "Radius".
void getOffsetTypeStrings(Tvx_StringArray& names);

// File keys in type order: "Offset", "PolyOffset", "LengthOffset", "CenterOffset",
// "InsideOffset", "OutsideOffset", "Offset1", "Offset2", "Radius" (the names cut variables carry).
Tvx_String cutOffsetTypeKey(OvCutOffsetType type);
// The type whose key equals `key` exactly; false when there is none.
bool cutOffsetTypeFromKey(const Tvx_String& key, OvCutOffsetType& type);
