// OvMapKind.h - the kinds of macro object a spreadsheet variable can be bound to, with the keyword
// that the mapping text stores for each and the value type a variable must have to be bound to
// it; and the visibility groups of mapped objects.
#pragma once

#include <cstdint>

#include "core/Tvx_String.h"
#include "standards/OvValueType.h"

enum OvMapKind : std::int32_t {
    OvMapNone = 0,
    OvMapDistance = 1,
    OvMapGenVar = 2,
    OvMapCutOffset = 3,
    OvMapCutPolyOffset = 4,
    OvMapCutLengthOffset = 5,
    OvMapCutCenterOffset = 6,
    OvMapCutInsideOffset = 7,
    OvMapCutOutsideOffset = 8,
    OvMapCutChamferOffset1 = 9,
    OvMapCutChamferOffset2 = 10,
    OvMapCutRadius = 11,
    OvMapPrPlName = 12,
    OvMapPrPlMaterial = 13,
    OvMapOwnedMemberName = 14,
    OvMapMemberSectionSize = 15,
    OvMapPatternNrBolts1 = 16,
    OvMapPatternNrBolts2 = 17,
    OvMapPatternReverseStart1 = 18,
    OvMapPatternReverseStart2 = 19,
    OvMapBoltsDiameter = 20,
    OvMapBoltsHoleOffset = 21,
};

inline constexpr int kMapKindCount = 22;  // including OvMapNone

// The keyword of a kind ("Distance"); empty for OvMapNone and for values outside the table.
Tvx_String mapKindKeyword(OvMapKind kind);
// True for the kinds 1 to 21.
bool isValidMapKind(OvMapKind kind);
// The value type of a valid kind; false for the others.
bool mapKindValueType(OvMapKind kind, OvValueType& type);
// The kind whose keyword begins `text` (leading blanks ignored); keywords that begin with another
// keyword are tested first. False when none does.
bool mapKindFromText(const Tvx_String& text, OvMapKind& kind);

// Cut offset types (0 to 8, in the core library's order) are map kinds 3 to 11.
OvMapKind mapKindOfCutOffset(int cutOffsetType);

// Visibility of a mapped object: 0 visible and settable, 1 visible, 2 hidden and settable,
// 3 hidden. The names head the groups in the mapping tab.
inline constexpr int kVisibilityCount = 4;
Tvx_String visibilityName(int visibility);  // empty outside 0..3
// The group header: "------ " + name + " ------".
Tvx_String visibilityHeader(int visibility);
